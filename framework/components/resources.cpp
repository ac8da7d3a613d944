#include "framework/components/resources.h"

#include "framework/components/reader.h"

#include <windows.h>

bool HasRcDataResource(const std::string& name)
{
    return FindResourceA(nullptr, name.c_str(), MAKEINTRESOURCEA(10)) != nullptr;  // RT_RCDATA
}

std::string LoadRcDataResource(const std::string& name)
{
    HRSRC info = FindResourceA(nullptr, name.c_str(), MAKEINTRESOURCEA(10)); // RT_RCDATA
    HGLOBAL data = info ? LoadResource(nullptr, info) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes)
        throw EResNotFound("Resource " + name + " not found");
    return std::string(static_cast<const char*>(bytes), SizeofResource(nullptr, info));
}

void ReadComponentResource(TComponent* root, const char* resourceName)
{
    const std::string name = resourceName ? resourceName : root->ClassName();
    ReadComponentInto(root, LoadRcDataResource(name));
}

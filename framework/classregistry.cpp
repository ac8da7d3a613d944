// The class registry behind FindClassInfo: filled during static
// initialisation, so it lives in a function-local static.
#include "framework/persistent.h"

#include <cctype>
#include <vector>

namespace {

std::vector<const TClassInfo*>& Classes()
{
    static std::vector<const TClassInfo*> classes;
    return classes;
}

bool SameName(const char* a, const char* b)
{
    for (; *a && *b; ++a, ++b)
        if (std::tolower(static_cast<unsigned char>(*a)) != std::tolower(static_cast<unsigned char>(*b)))
            return false;
    return *a == *b;
}

} // namespace

bool RegisterClassInfo(const TClassInfo* info)
{
    for (const TClassInfo* c : Classes())
        if (c == info)
            return true;
    Classes().push_back(info);
    return true;
}

const TClassInfo* FindClassInfo(const char* name)
{
    for (const TClassInfo* c : Classes())
        if (SameName(c->Name, name))
            return c;
    return nullptr;
}

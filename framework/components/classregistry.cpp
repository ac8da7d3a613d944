// The class registry behind FindClassInfo: filled during static
// initialisation, so it lives in a function-local static.
#include "framework/components/persistent.h"

#include "framework/base/identifiers.h"

#include <vector>

namespace {

std::vector<const TClassInfo*>& Classes()
{
    // Never destroyed: components freed during the program's exit still
    // reach it after function-local statics would have gone.
    static auto& classes = *new std::vector<const TClassInfo*>;
    return classes;
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
        if (SameIdentifier(c->Name, name))
            return c;
    return nullptr;
}

#include "framework/components/persistent.h"

bool TClassInfo::InheritsFrom(const TClassInfo* other) const
{
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (c == other)
            return true;
    return false;
}

const TClassInfo* TPersistent::StaticClass()
{
    static const TClassInfo info{"TPersistent", nullptr};
    return &info;
}

void TPersistent::Assign(const TPersistent* source)
{
    if (source) {
        source->AssignTo(this);
        return;
    }
    AssignError(source);
}

void TPersistent::AssignTo(TPersistent* dest) const
{
    dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* source) const
{
    const std::string sourceName = source ? source->ClassName() : "nil";
    throw EConvertError("Cannot assign a " + sourceName + " to a " + ClassName());
}

void TPersistent::DefineProperties(TFiler*)
{
}

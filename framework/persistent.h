// TPersistent: the root of every streamable object, with its class identity.
#pragma once

#include "framework/exceptions.h"

#include <string>

class TPersistent;
class TFiler;

// What a class knows about itself at run time: its name and its parent.
struct TClassInfo {
    const char* Name;
    const TClassInfo* Parent;

    bool InheritsFrom(const TClassInfo* other) const;
};

// In a class body: declares the class's identity.
#define FW_DECLARE_CLASS(TClass)                                                \
public:                                                                         \
    static const TClassInfo* StaticClass();                                     \
    const TClassInfo* ClassInfo() const override { return TClass::StaticClass(); }

// In the class's .cpp file: defines it, naming the parent class.
#define FW_IMPLEMENT_CLASS(TClass, TParent)                                     \
    const TClassInfo* TClass::StaticClass()                                     \
    {                                                                           \
        static const TClassInfo info{#TClass, TParent::StaticClass()};          \
        return &info;                                                           \
    }

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

class TPersistent {
public:
    TPersistent() = default;
    virtual ~TPersistent() = default;
    TPersistent(const TPersistent&) = delete;
    TPersistent& operator=(const TPersistent&) = delete;

    static const TClassInfo* StaticClass();
    virtual const TClassInfo* ClassInfo() const { return StaticClass(); }
    const char* ClassName() const { return ClassInfo()->Name; }
    bool InheritsFrom(const TClassInfo* other) const { return ClassInfo()->InheritsFrom(other); }

    // Copies source into this object. The default asks the source to assign
    // itself (AssignTo); a pair that cannot do either raises EConvertError
    // "Cannot assign a <source class> to a <this class>".
    virtual void Assign(const TPersistent* source);

    // Declares properties that are stored in a form description without
    // being published (binary data, computed values).
    virtual void DefineProperties(TFiler* filer);

    // The object that owns this one in a description path (nested options).
    virtual TPersistent* GetOwner() const { return nullptr; }

protected:
    virtual void AssignTo(TPersistent* dest) const;

    [[noreturn]] void AssignError(const TPersistent* source) const;
};

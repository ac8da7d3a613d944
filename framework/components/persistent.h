// TPersistent: the root of every streamable object, with its class identity.
#pragma once

#include "framework/base/exceptions.h"

#include <string>
#include <type_traits>

class TPersistent;
class TComponent;
class TFiler;

// What a class knows about itself at run time: its name, its parent and,
// for components, how to make one (what the description reader needs).
struct TClassInfo {
    const char* Name;
    const TClassInfo* Parent;
    TPersistent* (*Create)(TComponent* owner) = nullptr;

    bool InheritsFrom(const TClassInfo* other) const;
};

// The class registry: every class implemented with FW_IMPLEMENT_CLASS is
// entered when its object file is linked in. Names compare ignoring case.
bool RegisterClassInfo(const TClassInfo* info);
const TClassInfo* FindClassInfo(const char* name);

// A factory for classes constructed from their owner; none for the rest.
template <typename TClass>
constexpr TPersistent* (*ClassFactory())(TComponent*)
{
    if constexpr (!std::is_abstract_v<TClass> && std::is_constructible_v<TClass, TComponent*>)
        return [](TComponent* owner) -> TPersistent* { return new TClass(owner); };
    else
        return nullptr;
}

// In a class body: declares the class's identity.
#define FW_DECLARE_CLASS(TClass)                                                \
public:                                                                         \
    static const TClassInfo* StaticClass();                                     \
    const TClassInfo* ClassInfo() const override { return TClass::StaticClass(); }

// In the class's .cpp file: defines it, naming the parent class.
#define FW_IMPLEMENT_CLASS(TClass, TParent)                                     \
    const TClassInfo* TClass::StaticClass()                                     \
    {                                                                           \
        static const TClassInfo info{#TClass, TParent::StaticClass(),           \
                                     ClassFactory<TClass>()};                   \
        return &info;                                                           \
    }                                                                           \
    [[maybe_unused]] static const bool fwRegistered_##TClass =                  \
        RegisterClassInfo(TClass::StaticClass());

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

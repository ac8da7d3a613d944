// Published properties: a per-class table of named properties, read and
// written by the form description reader and writer, inherited along the
// class tree. A class publishes from its own .cpp file, after
// FW_IMPLEMENT_CLASS, in one block; inside it T names the class and p is the
// publisher:
//
//   FW_IMPLEMENT_CLASS(TSkThemeButton, TSkCustomButton)
//   FW_PUBLISH(TSkThemeButton)
//   {
//       p.Property("Caption", &T::Caption, &T::SetCaption);     // std::wstring
//       p.Property("TabOrder", &T::TabOrder, &T::SetTabOrder).Default(-1);
//       p.Property("Cursor", &T::Cursor, &T::SetCursor).Idents({{"crIBeam", -4}});
//       p.Enum("State", &T::State, &T::SetState, {"kbsNormal", "kbsDown"});
//       p.Set("BevelSides", &T::BevelSides, &T::SetBevelSides, {"kbsLeft", "kbsTop"});
//       p.Color("Color", &T::Color, &T::SetColor).Default(clBtnFace);
//       p.Property("Stylist", &T::Stylist, &T::SetStylist);     // TSkStylist*: a reference
//       p.Property("Animation", &T::Animation);                 // nested: Animation.Enabled
//       p.Property("OnClick", &T::OnClick, &T::SetOnClick);     // TNotifyEvent
//       p.Event("OnDblClick", &T::OnDblClick);                  // a public event member
//       p.Property("Version", &T::Version, &T::SetVersion).Stored(false);
//       p.Property("ActiveDefault", &T::ActiveDefault);         // no setter: read-only
//   }
//
// Getters are `R Name() const`, setters `void SetName(R)` (or const R&). The
// kind follows R: bool, any integer, std::string (ANSI), std::wstring,
// std::vector<std::string> or a TStrings* (a string list), a pointer to a TComponent class
// (a reference, cleared when its target goes), a pointer to another
// TPersistent class (a nested object, read and written through its own
// properties), a std::function of framework/events.h (an event). Enum, Set
// and Color name their identifiers. Without .Default, ordinal values are
// always written; strings, lists, references and events when not empty.
//
// When a component goes, every published reference and field pointing at it
// is set to null through its setter. A reference set by the reader is
// watched across forms by FreeNotification; a setter called from code
// should ask target->FreeNotification(this) itself. A nested object's
// GetOwner returns its component. Overloaded getters or setters need a
// static_cast to pick one.
//
// A form class also publishes its handlers and component fields by name;
// the reader binds events to the handlers and fills the fields:
//
//   FW_PUBLISH(TForm1)
//   {
//       p.Handler("SkThemeButton1Click", &T::SkThemeButton1Click);
//       p.Field("doc", &T::doc);
//   }
//
// Binary data (a theme name, a picture) goes through DefineProperties and
// TFiler (framework/filer.h). framework/reader.h reads descriptions,
// framework/writer.h writes them, framework/resources.h loads a form's own
// from the program, and framework/roots.h names forms for cross-form links.
#pragma once

#include "framework/base/colors.h"
#include "framework/components/component.h"
#include "framework/components/filer.h"
#include "framework/base/sets.h"
#include "framework/components/strings.h"

#include <any>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

enum class TPropertyKind {
    Integer, Boolean, Enumeration, Set, String, WideString, Color, Strings,
    Component, Object, Event,
};

// An event value that remembers the name of the handler it calls, so that
// the writer can store the name.
template <typename F>
struct TNamedHandler;
template <typename R, typename... A>
struct TNamedHandler<std::function<R(A...)>> {
    std::function<R(A...)> Call;
    std::string Name;
    R operator()(A... args) const { return Call(std::forward<A>(args)...); }
};

struct TPropertyInfo {
    std::string Name;
    TPropertyKind Kind = TPropertyKind::Integer;
    std::vector<std::pair<std::string, int64_t>> Idents;  // by value
    int64_t Min = 0, Max = 0;
    std::optional<int64_t> Default;
    std::function<bool(const TPersistent*)> IsStored;     // none: stored
    const TClassInfo* ReferenceClass = nullptr;           // Component kind
    std::type_index EventType = typeid(void);

    // Only the accessors of the property's kind are set; no setter: read-only.
    std::function<int64_t(const TPersistent*)> GetOrdinal;
    std::function<void(TPersistent*, int64_t)> SetOrdinal;
    std::function<std::string(const TPersistent*)> GetString;
    std::function<void(TPersistent*, const std::string&)> SetString;
    std::function<std::wstring(const TPersistent*)> GetWide;
    std::function<void(TPersistent*, const std::wstring&)> SetWide;
    std::function<std::vector<std::string>(const TPersistent*)> GetStrings;
    std::function<void(TPersistent*, const std::vector<std::string>&)> SetStrings;
    std::function<TComponent*(const TPersistent*)> GetComponent;
    std::function<void(TPersistent*, TComponent*)> SetComponent;
    std::function<TPersistent*(const TPersistent*)> GetObject;
    std::function<std::string(const TPersistent*)> GetHandlerName;
    std::function<void(TPersistent*, const std::any&)> SetHandler;

    bool ReadOnly() const;
    bool Stored(const TPersistent* instance) const { return !IsStored || IsStored(instance); }
    bool IsDefault(const TPersistent* instance) const;
    // The identifier of an ordinal value, empty when it has none.
    std::string IdentOf(int64_t value) const;
    std::optional<int64_t> ValueOf(const std::string& ident) const;  // ignoring case
};

struct THandlerInfo {
    std::string Name;
    std::type_index Type = typeid(void);
    // Makes the event value (a std::function of Type) calling the handler on root.
    std::function<std::any(TPersistent* root)> Make;
};

struct TFieldInfo {
    std::string Name;
    const TClassInfo* FieldClass = nullptr;
    std::function<TComponent*(const TPersistent* root)> Get;
    // False when component is not of the field's class.
    std::function<bool(TPersistent* root, TComponent* component)> Set;
};

struct TPropertyTable {
    std::vector<TPropertyInfo> Properties;
    std::vector<THandlerInfo> Handlers;
    std::vector<TFieldInfo> Fields;
};

// The published properties of a class: the ancestors' first, each in its
// declared order; a redeclared name keeps its ancestor's place.
const std::vector<const TPropertyInfo*>& PublishedProperties(const TClassInfo* cls);
const TPropertyInfo* FindPublishedProperty(const TClassInfo* cls, const std::string& name);
const THandlerInfo* FindPublishedHandler(const TClassInfo* cls, const std::string& name);
const TFieldInfo* FindPublishedField(const TClassInfo* cls, const std::string& name);

// Clears every published reference and field of instance (and its nested
// objects) that points at gone. TComponent::Notification calls it.
void ClearPublishedReferences(TPersistent* instance, TComponent* gone);

// The nearest component owning a nested object (the object itself if it is one).
TComponent* OwningComponent(TPersistent* instance);

bool RegisterPublisher(const TClassInfo* cls, void (*publish)(TPropertyTable&));

// Options of a property just published, chained: .Default(v).Stored(false).
template <typename T>
class TPropertyOptions {
public:
    TPropertyOptions(TPropertyTable& table, size_t index) : table_(table), index_(index) {}

    template <typename V>
    TPropertyOptions& Default(V value)
    {
        if constexpr (std::is_integral_v<V> || std::is_enum_v<V>)
            Info().Default = static_cast<int64_t>(value);
        else
            Info().Default = static_cast<int64_t>(value.Bits());
        return *this;
    }
    TPropertyOptions& Stored(bool stored)
    {
        Info().IsStored = [stored](const TPersistent*) { return stored; };
        return *this;
    }
    template <typename C>
    TPropertyOptions& Stored(bool (C::*isStored)() const)
    {
        Info().IsStored = [isStored](const TPersistent* o) {
            return (static_cast<const T*>(o)->*isStored)();
        };
        return *this;
    }
    // Identifiers for chosen values of an integer property (crIBeam = -4).
    TPropertyOptions& Idents(std::initializer_list<std::pair<const char*, int64_t>> idents)
    {
        for (const auto& i : idents)
            Info().Idents.emplace_back(i.first, i.second);
        return *this;
    }

private:
    TPropertyInfo& Info() { return table_.Properties[index_]; }
    TPropertyTable& table_;
    size_t index_;
};

namespace fw_detail {

template <typename X> struct IsFunction : std::false_type {};
template <typename R, typename... A> struct IsFunction<std::function<R(A...)>> : std::true_type {};
template <typename X> struct IsVector : std::false_type {};
template <> struct IsVector<std::vector<std::string>> : std::true_type {};

} // namespace fw_detail

template <typename T>
class TPublisher {
public:
    explicit TPublisher(TPropertyTable& table) : table_(table) {}

    template <typename C, typename R, typename C2, typename A>
    TPropertyOptions<T> Property(const char* name, R (C::*get)() const, void (C2::*set)(A))
    {
        TPropertyInfo info = Make<C, R>(name, get);
        Bind<C2, std::decay_t<R>, A>(info, set);
        return Add(std::move(info));
    }

    template <typename C, typename R>
    TPropertyOptions<T> Property(const char* name, R (C::*get)() const)
    {
        return Add(Make<C, R>(name, get));
    }

    template <typename C, typename E, typename C2, typename A>
    TPropertyOptions<T> Enum(const char* name, E (C::*get)() const, void (C2::*set)(A),
                             std::initializer_list<const char*> idents)
    {
        static_assert(std::is_enum_v<E>, "Enum publishes an enumeration");
        TPropertyInfo info = Ordinal<C, E>(name, get, TPropertyKind::Enumeration);
        int64_t value = 0;
        for (const char* ident : idents)
            info.Idents.emplace_back(ident, value++);
        info.Min = 0;
        info.Max = value - 1;
        info.SetOrdinal = [set](TPersistent* o, int64_t v) { (static_cast<T*>(o)->*set)(static_cast<E>(v)); };
        return Add(std::move(info));
    }

    template <typename C, typename S, typename C2, typename A>
    TPropertyOptions<T> Set(const char* name, S (C::*get)() const, void (C2::*set)(A),
                            std::initializer_list<const char*> idents)
    {
        using TSetType = std::decay_t<S>;
        TPropertyInfo info;
        info.Name = name;
        info.Kind = TPropertyKind::Set;
        int64_t bit = 0;
        for (const char* ident : idents)
            info.Idents.emplace_back(ident, bit++);
        info.GetOrdinal = [get](const TPersistent* o) {
            return static_cast<int64_t>(Get(o, get).Bits());
        };
        info.SetOrdinal = [set](TPersistent* o, int64_t v) {
            (static_cast<T*>(o)->*set)(TSetType::FromBits(static_cast<uint64_t>(v)));
        };
        return Add(std::move(info));
    }

    template <typename C, typename C2>
    TPropertyOptions<T> Color(const char* name, TColor (C::*get)() const, void (C2::*set)(TColor))
    {
        TPropertyInfo info = Ordinal<C, TColor>(name, get, TPropertyKind::Color);
        info.SetOrdinal = [set](TPersistent* o, int64_t v) {
            (static_cast<T*>(o)->*set)(static_cast<TColor>(v));
        };
        return Add(std::move(info));
    }

    // An event kept as a public member (TNotifyEvent OnClick;) rather than
    // behind a getter and a setter.
    template <typename C, typename F>
    TPropertyOptions<T> Event(const char* name, F C::*member)
    {
        static_assert(fw_detail::IsFunction<F>::value, "Event publishes a std::function member");
        TPropertyInfo info;
        info.Name = name;
        info.Kind = TPropertyKind::Event;
        info.EventType = typeid(F);
        info.GetHandlerName = [member](const TPersistent* o) {
            const F& f = static_cast<const T*>(o)->*member;
            const auto* named = f.template target<TNamedHandler<F>>();
            return named ? named->Name : std::string();
        };
        info.SetHandler = [member](TPersistent* o, const std::any& handler) {
            static_cast<T*>(o)->*member = std::any_cast<const F&>(handler);
        };
        return Add(std::move(info));
    }

    // A published handler of a form class: void Name(TObject* sender), or
    // any signature of the event types it is meant for.
    template <typename C, typename... A>
    void Handler(const char* name, void (C::*method)(A...))
    {
        using F = std::function<void(A...)>;
        THandlerInfo info;
        info.Name = name;
        info.Type = typeid(F);
        std::string handlerName = name;
        info.Make = [method, handlerName](TPersistent* root) -> std::any {
            T* self = static_cast<T*>(root);
            TNamedHandler<F> named{[self, method](A... args) { (self->*method)(std::forward<A>(args)...); },
                                   handlerName};
            return F(named);
        };
        table_.Handlers.push_back(std::move(info));
    }

    // A component field of a form class, filled with the component of that
    // name when the description is read and cleared when it goes.
    template <typename C, typename F>
    void Field(const char* name, F* C::*field)
    {
        static_assert(std::is_base_of_v<TComponent, F>, "fields hold components");
        TFieldInfo info;
        info.Name = name;
        info.FieldClass = F::StaticClass();
        info.Get = [field](const TPersistent* root) -> TComponent* {
            return static_cast<const T*>(root)->*field;
        };
        info.Set = [field](TPersistent* root, TComponent* c) {
            F* typed = c ? dynamic_cast<F*>(c) : nullptr;
            if (c && !typed)
                return false;
            static_cast<T*>(root)->*field = typed;
            return true;
        };
        table_.Fields.push_back(std::move(info));
    }

private:
    template <typename G>
    static auto Get(const TPersistent* o, G get)
    {
        return (static_cast<const T*>(o)->*get)();
    }

    TPropertyOptions<T> Add(TPropertyInfo info)
    {
        table_.Properties.push_back(std::move(info));
        return TPropertyOptions<T>(table_, table_.Properties.size() - 1);
    }

    template <typename C, typename R>
    static TPropertyInfo Ordinal(const char* name, R (C::*get)() const, TPropertyKind kind)
    {
        using V = std::decay_t<R>;
        TPropertyInfo info;
        info.Name = name;
        info.Kind = kind;
        if constexpr (std::is_integral_v<V>) {
            info.Min = static_cast<int64_t>(std::numeric_limits<V>::min());
            if constexpr (sizeof(V) < sizeof(int64_t) || std::is_signed_v<V>)
                info.Max = static_cast<int64_t>(std::numeric_limits<V>::max());
            else
                info.Max = INT64_MAX;
        }
        info.GetOrdinal = [get](const TPersistent* o) {
            return static_cast<int64_t>(Get(o, get));
        };
        return info;
    }

    template <typename C, typename R>
    static TPropertyInfo Make(const char* name, R (C::*get)() const)
    {
        using V = std::decay_t<R>;
        if constexpr (std::is_same_v<V, bool>) {
            return Ordinal<C, R>(name, get, TPropertyKind::Boolean);
        } else if constexpr (std::is_integral_v<V>) {
            return Ordinal<C, R>(name, get, TPropertyKind::Integer);
        } else {
            TPropertyInfo info;
            info.Name = name;
            if constexpr (std::is_same_v<V, std::string>) {
                info.Kind = TPropertyKind::String;
                info.GetString = [get](const TPersistent* o) { return std::string(Get(o, get)); };
            } else if constexpr (std::is_same_v<V, std::wstring>) {
                info.Kind = TPropertyKind::WideString;
                info.GetWide = [get](const TPersistent* o) { return std::wstring(Get(o, get)); };
            } else if constexpr (fw_detail::IsVector<V>::value) {
                info.Kind = TPropertyKind::Strings;
                info.GetStrings = [get](const TPersistent* o) { return V(Get(o, get)); };
            } else if constexpr (fw_detail::IsFunction<V>::value) {
                info.Kind = TPropertyKind::Event;
                info.EventType = typeid(V);
                info.GetHandlerName = [get](const TPersistent* o) {
                    const V f = Get(o, get);
                    const auto* named = f.template target<TNamedHandler<V>>();
                    return named ? named->Name : std::string();
                };
            } else if constexpr (std::is_pointer_v<V> &&
                                 std::is_base_of_v<TStrings, std::remove_pointer_t<V>>) {
                // An owned line list: read and written in place.
                info.Kind = TPropertyKind::Strings;
                info.GetStrings = [get](const TPersistent* o) {
                    const TStrings* lines = Get(o, get);
                    return lines ? lines->ToVector() : std::vector<std::string>();
                };
                info.SetStrings = [get](TPersistent* o, const std::vector<std::string>& v) {
                    if (TStrings* lines = Get(o, get))
                        lines->SetFromVector(v);
                };
            } else if constexpr (std::is_pointer_v<V> &&
                                 std::is_base_of_v<TComponent, std::remove_pointer_t<V>>) {
                info.Kind = TPropertyKind::Component;
                info.ReferenceClass = std::remove_pointer_t<V>::StaticClass();
                info.GetComponent = [get](const TPersistent* o) -> TComponent* {
                    return Get(o, get);
                };
            } else if constexpr (std::is_pointer_v<V> &&
                                 std::is_base_of_v<TPersistent, std::remove_pointer_t<V>>) {
                info.Kind = TPropertyKind::Object;
                info.GetObject = [get](const TPersistent* o) -> TPersistent* {
                    return Get(o, get);
                };
            } else {
                static_assert(sizeof(V) == 0, "no published property kind for this type");
            }
            return info;
        }
    }

    template <typename C2, typename V, typename A>
    static void Bind(TPropertyInfo& info, void (C2::*set)(A))
    {
        if constexpr (std::is_integral_v<V>) {
            info.SetOrdinal = [set](TPersistent* o, int64_t v) {
                (static_cast<T*>(o)->*set)(static_cast<V>(v));
            };
        } else if constexpr (std::is_same_v<V, std::string>) {
            info.SetString = [set](TPersistent* o, const std::string& v) { (static_cast<T*>(o)->*set)(v); };
        } else if constexpr (std::is_same_v<V, std::wstring>) {
            info.SetWide = [set](TPersistent* o, const std::wstring& v) { (static_cast<T*>(o)->*set)(v); };
        } else if constexpr (fw_detail::IsVector<V>::value) {
            info.SetStrings = [set](TPersistent* o, const V& v) { (static_cast<T*>(o)->*set)(v); };
        } else if constexpr (fw_detail::IsFunction<V>::value) {
            info.SetHandler = [set](TPersistent* o, const std::any& handler) {
                (static_cast<T*>(o)->*set)(std::any_cast<const V&>(handler));
            };
        } else if constexpr (std::is_pointer_v<V> &&
                             std::is_base_of_v<TComponent, std::remove_pointer_t<V>>) {
            using Target = std::remove_pointer_t<V>;
            info.SetComponent = [set](TPersistent* o, TComponent* c) {
                (static_cast<T*>(o)->*set)(c ? dynamic_cast<Target*>(c) : nullptr);
                // Whatever the setter does, the link is cleared when c goes.
                TComponent* holder = OwningComponent(o);
                if (c && holder)
                    c->FreeNotification(holder);
            };
        }
        // Setters of nested objects are not used: the reader sets their properties.
    }

    TPropertyTable& table_;
};

// Publishes the properties of TClass; the block that follows fills p.
#define FW_PUBLISH(TClass)                                                       \
    template <typename T>                                                        \
    static void FwPublish_##TClass(TPublisher<T>& p);                            \
    [[maybe_unused]] static const bool fwPublished_##TClass = RegisterPublisher( \
        TClass::StaticClass(), [](TPropertyTable& table) {                       \
            TPublisher<TClass> p(table);                                         \
            FwPublish_##TClass<TClass>(p);                                       \
        });                                                                      \
    template <typename T>                                                        \
    static void FwPublish_##TClass(TPublisher<T>& p)

#include "framework/components/reader.h"

#include "framework/base/ansi.h"
#include "framework/components/filer.h"
#include "framework/base/identifiers.h"
#include "framework/components/properties.h"
#include "framework/components/roots.h"

namespace {

// wchar_t is 16 bits on Windows: UTF-16 both.
std::wstring Utf16ToWide(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }

std::vector<std::string> SplitPath(const std::string& path)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t dot; (dot = path.find('.', start)) != std::string::npos; start = dot + 1)
        parts.push_back(path.substr(start, dot - start));
    parts.push_back(path.substr(start));
    return parts;
}

class TDescriptionReader : private TFiler {
public:
    explicit TDescriptionReader(TComponent* root) : root_(root) {}

    void Read(const TDescObject& description)
    {
        if (!SameIdentifier(description.ClassName, root_->ClassName()))
            throw EDescriptionError(description.Line, "the description is of class " +
                                                          description.ClassName + ", not " +
                                                          root_->ClassName());
        root_->SetLoading(true);
        root_->SetReading(true);
        try {
            if (!description.Name.empty())
                Guard(description.Line, "", [&] { root_->SetName(description.Name); });
            ReadBody(root_, description);
            ResolveLocalFixups();
        } catch (...) {
            FreeCreated();
            root_->SetReading(false);
            root_->SetLoading(false);
            throw;
        }
        FinishLoading();
    }

private:
    struct TLocalFixup {
        TComponent* Holder;
        TPersistent* Instance;
        const TPropertyInfo* Property;
        std::string Name;
        int Line;
        std::string Where;
    };

    // Runs action, turning any failure into a description error at line.
    template <typename A>
    static void Guard(int line, const std::string& where, A action)
    {
        try {
            action();
        } catch (const EDescriptionError&) {
            throw;
        } catch (const std::exception& e) {
            throw EDescriptionError(line, where.empty() ? e.what() : where + ": " + e.what());
        }
    }

    [[noreturn]] static void Fail(int line, const std::string& where, const std::string& message)
    {
        throw EDescriptionError(line, where + ": " + message);
    }

    void ReadBody(TComponent* component, const TDescObject& description)
    {
        for (const TDescProperty& p : description.Properties)
            ReadProperty(component, p);
        for (const TDescObject& child : description.Children)
            ReadChild(component, child);
    }

    void ReadChild(TComponent* parent, const TDescObject& d)
    {
        const TClassInfo* cls = FindClassInfo(d.ClassName.c_str());
        if (!cls)
            throw EDescriptionError(d.Line, "unknown class " + d.ClassName);
        if (!cls->Create || !cls->InheritsFrom(TComponent::StaticClass()))
            throw EDescriptionError(d.Line, "class " + d.ClassName + " cannot be created here");
        TComponent* component = nullptr;
        Guard(d.Line, d.Name, [&] { component = static_cast<TComponent*>(cls->Create(root_)); });
        created_.push_back(component);
        component->SetLoading(true);
        component->SetReading(true);
        if (!d.Name.empty()) {
            Guard(d.Line, "", [&] { component->SetName(d.Name); });
            SetField(component, d);
        }
        Guard(d.Line, d.Name, [&] { component->SetParentComponent(parent); });
        ReadBody(component, d);
    }

    void SetField(TComponent* component, const TDescObject& d)
    {
        const TFieldInfo* field = FindPublishedField(root_->ClassInfo(), d.Name);
        if (field && !field->Set(root_, component))
            throw EDescriptionError(d.Line, std::string("field ") + d.Name + " of " +
                                                root_->ClassName() + " holds a " +
                                                field->FieldClass->Name + ", not a " + d.ClassName);
    }

    void ReadProperty(TComponent* component, const TDescProperty& p)
    {
        const std::string where = (component->Name().empty() ? std::string(component->ClassName())
                                                              : component->Name()) +
                                  "." + p.Name;
        Guard(p.Line, where, [&] { AssignProperty(component, p, where); });
    }

    void AssignProperty(TComponent* component, const TDescProperty& p, const std::string& where)
    {
        const std::vector<std::string> path = SplitPath(p.Name);
        TPersistent* target = component;
        for (size_t i = 0; i + 1 < path.size(); ++i) {
            const TPropertyInfo* nested = FindPublishedProperty(target->ClassInfo(), path[i]);
            if (!nested || nested->Kind != TPropertyKind::Object)
                Fail(p.Line, where,
                     std::string("unknown property ") + path[i] + " of " + target->ClassName());
            target = nested->GetObject(target);
            if (!target)
                Fail(p.Line, where, path[i] + " is not set");
        }
        const std::string& name = path.back();
        const TPropertyInfo* property = FindPublishedProperty(target->ClassInfo(), name);
        if (!property) {
            if (!ReadDefined(target, name, p.Value, where))
                Fail(p.Line, where, "unknown property " + name + " of " + target->ClassName());
            return;
        }
        if (property->Kind == TPropertyKind::Object)
            Fail(p.Line, where, "an object: set its properties as " + name + ".Property");
        if (property->ReadOnly())
            Fail(p.Line, where, "the property is read-only");
        SetValue(component, target, property, p.Value, where);
    }

    void SetValue(TComponent* holder, TPersistent* target, const TPropertyInfo* property,
                  const TDescValue& v, const std::string& where)
    {
        switch (property->Kind) {
        case TPropertyKind::Integer:
        case TPropertyKind::Enumeration:
            return property->SetOrdinal(target, OrdinalValue(property, v, where));
        case TPropertyKind::Boolean:
            return property->SetOrdinal(target, BooleanValue(v, where));
        case TPropertyKind::Set:
            return property->SetOrdinal(target, SetBits(property, v, where));
        case TPropertyKind::Color:
            return property->SetOrdinal(target, ColorValue(v, where));
        case TPropertyKind::String:
            Expect(v, TDescValueKind::String, where);
            return property->SetString(target, AnsiValue(v.String, v, where));
        case TPropertyKind::WideString:
            return property->SetWide(target, Utf16ToWide(Expect(v, TDescValueKind::String, where).String));
        case TPropertyKind::Strings: {
            std::vector<std::string> lines;
            for (const auto& s : Expect(v, TDescValueKind::List, where).Strings)
                lines.push_back(AnsiValue(s, v, where));
            return property->SetStrings(target, lines);
        }
        case TPropertyKind::Component:
            return SetReference(holder, target, property, Expect(v, TDescValueKind::Ident, where), where);
        case TPropertyKind::Event:
            return SetEvent(target, property, Expect(v, TDescValueKind::Ident, where), where);
        case TPropertyKind::Object:
            break;
        }
    }

    static const TDescValue& Expect(const TDescValue& v, TDescValueKind kind, const std::string& where)
    {
        static const char* const names[] = {"a number", "an identifier", "a string", "a set",
                                            "a list of strings", "binary data"};
        if (v.Kind != kind)
            Fail(v.Line, where, std::string(names[static_cast<int>(kind)]) + " expected");
        return v;
    }

    static int64_t OrdinalValue(const TPropertyInfo* property, const TDescValue& v, const std::string& where)
    {
        if (v.Kind == TDescValueKind::Ident) {
            if (auto value = property->ValueOf(v.Ident))
                return *value;
            Fail(v.Line, where, "unknown identifier " + v.Ident);
        }
        const int64_t value = Expect(v, TDescValueKind::Integer, where).Integer;
        if (value < property->Min || value > property->Max)
            Fail(v.Line, where, std::to_string(value) + " is out of range");
        return value;
    }

    static int64_t BooleanValue(const TDescValue& v, const std::string& where)
    {
        const std::string& ident = Expect(v, TDescValueKind::Ident, where).Ident;
        if (SameIdentifier(ident, "True"))
            return 1;
        if (SameIdentifier(ident, "False"))
            return 0;
        Fail(v.Line, where, "True or False expected, not " + ident);
    }

    static int64_t SetBits(const TPropertyInfo* property, const TDescValue& v, const std::string& where)
    {
        uint64_t bits = 0;
        for (const std::string& item : Expect(v, TDescValueKind::Set, where).Items) {
            const auto bit = property->ValueOf(item);
            if (!bit)
                Fail(v.Line, where, "unknown set member " + item);
            bits |= uint64_t(1) << *bit;
        }
        return static_cast<int64_t>(bits);
    }

    static int64_t ColorValue(const TDescValue& v, const std::string& where)
    {
        if (v.Kind == TDescValueKind::Ident) {
            TColor color;
            if (!IdentToColor(v.Ident, color))
                Fail(v.Line, where, "unknown colour " + v.Ident);
            return color;
        }
        const int64_t value = Expect(v, TDescValueKind::Integer, where).Integer;
        // Negative or $FFxxxxxx: both spell the same 32 bits.
        if (value < INT32_MIN || value > int64_t(UINT32_MAX))
            Fail(v.Line, where, std::to_string(value) + " is not a colour");
        return static_cast<TColor>(static_cast<uint32_t>(value));
    }

    static std::string AnsiValue(const std::u16string& text, const TDescValue& v, const std::string& where)
    {
        bool usedDefault = false;
        std::string ansi = WideToAnsi(Utf16ToWide(text), &usedDefault);
        if (usedDefault)
            Fail(v.Line, where, "the text holds characters the ANSI code page cannot show");
        return ansi;
    }

    void SetReference(TComponent* holder, TPersistent* target, const TPropertyInfo* property,
                      const TDescValue& v, const std::string& where)
    {
        const size_t dot = v.Ident.find('.');
        const bool local = dot == std::string::npos || SameIdentifier(v.Ident.substr(0, dot), root_->Name());
        if (local) {
            const std::string name = dot == std::string::npos ? v.Ident : v.Ident.substr(dot + 1);
            fixups_.push_back({holder, target, property, name, v.Line, where});
            return;
        }
        if (TComponent* found = FindGlobalComponent(v.Ident))
            return Link(holder, target, property, found, v.Line, where);
        AddGlobalFixup(holder, target, property, v.Ident);
    }

    static void Link(TComponent* holder, TPersistent* target, const TPropertyInfo* property,
                     TComponent* found, int line, const std::string& where)
    {
        if (!found->InheritsFrom(property->ReferenceClass))
            Fail(line, where, std::string("a ") + property->ReferenceClass->Name + " expected, " +
                                  found->Name() + " is a " + found->ClassName());
        property->SetComponent(target, found);
        found->FreeNotification(holder);
    }

    void ResolveLocalFixups()
    {
        for (const TLocalFixup& f : fixups_) {
            TComponent* found = SameIdentifier(f.Name, root_->Name()) ? root_ : root_->FindComponent(f.Name);
            if (!found)
                Fail(f.Line, f.Where, "unknown component " + f.Name);
            Guard(f.Line, f.Where, [&] { Link(f.Holder, f.Instance, f.Property, found, f.Line, f.Where); });
        }
    }

    void SetEvent(TPersistent* target, const TPropertyInfo* property, const TDescValue& v,
                  const std::string& where)
    {
        const THandlerInfo* handler = FindPublishedHandler(root_->ClassInfo(), v.Ident);
        if (!handler)
            Fail(v.Line, where, std::string(root_->ClassName()) + " has no published handler " + v.Ident);
        if (handler->Type != property->EventType)
            Fail(v.Line, where, "handler " + v.Ident + " does not fit this event");
        property->SetHandler(target, handler->Make(root_));
    }

    bool ReadDefined(TPersistent* target, const std::string& name, const TDescValue& v,
                     const std::string& where)
    {
        wanted_ = &name;
        found_ = nullptr;
        target->DefineProperties(this);
        wanted_ = nullptr;
        if (!found_)
            return false;
        const TBinaryReader read = std::move(found_);
        read(Expect(v, TDescValueKind::Binary, where).Binary);
        return true;
    }

    void DefineBinaryProperty(const std::string& name, TBinaryReader read, TBinaryWriter, bool) override
    {
        if (wanted_ && !found_ && SameIdentifier(name, *wanted_))
            found_ = std::move(read);
    }

    void FreeCreated()
    {
        while (!created_.empty()) {
            TComponent* last = created_.back();
            created_.pop_back();
            last->Free();
        }
    }

    void FinishLoading()
    {
        std::vector<TComponent*> loaded = created_;
        loaded.push_back(root_);
        for (TComponent* c : loaded)
            c->SetReading(false);
        for (TComponent* c : loaded) {
            c->Loaded();
            c->SetLoading(false);
        }
        ResolveGlobalFixups();
    }

    TComponent* root_;
    std::vector<TComponent*> created_;
    std::vector<TLocalFixup> fixups_;
    const std::string* wanted_ = nullptr;
    TBinaryReader found_;
};

} // namespace

void ReadComponentInto(TComponent* root, const TDescObject& description)
{
    TDescriptionReader(root).Read(description);
}

void ReadComponentInto(TComponent* root, const std::string& text)
{
    ReadComponentInto(root, ParseDescription(text));
}

TComponent* ReadComponentText(const std::string& text, TComponent* owner)
{
    const TDescObject description = ParseDescription(text);
    const TClassInfo* cls = FindClassInfo(description.ClassName.c_str());
    if (!cls)
        throw EDescriptionError(description.Line, "unknown class " + description.ClassName);
    if (!cls->Create || !cls->InheritsFrom(TComponent::StaticClass()))
        throw EDescriptionError(description.Line,
                                "class " + description.ClassName + " cannot be created here");
    auto* root = static_cast<TComponent*>(cls->Create(owner));
    try {
        ReadComponentInto(root, description);
    } catch (...) {
        root->Free();
        throw;
    }
    return root;
}

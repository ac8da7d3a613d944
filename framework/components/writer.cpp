#include "framework/components/writer.h"

#include "framework/base/ansi.h"
#include "framework/components/filer.h"
#include "framework/components/properties.h"

namespace {

// wchar_t is 16 bits on Windows: UTF-16 both.
std::u16string WideToUtf16(const std::wstring& s) { return std::u16string(s.begin(), s.end()); }
std::u16string AnsiToUtf16(const std::string& s) { return WideToUtf16(AnsiToWide(s)); }

// Nested objects rarely go deeper than two; the bound stops reference cycles.
constexpr int kMaxNesting = 8;

class TDescriptionWriter : private TFiler {
public:
    explicit TDescriptionWriter(const TComponent* root) : root_(root) {}

    TDescObject Describe(const TComponent* component)
    {
        TDescObject d;
        d.Name = component->Name();
        d.ClassName = component->ClassName();
        // The writer only reads through getters; DefineProperties is not const.
        WriteProperties(const_cast<TComponent*>(component), "", d.Properties, 0);
        component->GetChildren([&](TComponent* child) { d.Children.push_back(Describe(child)); },
                               const_cast<TComponent*>(root_));
        return d;
    }

private:
    void WriteProperties(TPersistent* instance, const std::string& prefix,
                         std::vector<TDescProperty>& out, int depth)
    {
        for (const TPropertyInfo* p : PublishedProperties(instance->ClassInfo())) {
            if (!p->Stored(instance))
                continue;
            if (p->Kind == TPropertyKind::Object) {
                TPersistent* nested = p->GetObject(instance);
                if (nested && depth < kMaxNesting)
                    WriteProperties(nested, prefix + p->Name + ".", out, depth + 1);
                continue;
            }
            if (p->ReadOnly() || p->IsDefault(instance))
                continue;
            TDescProperty property;
            property.Name = prefix + p->Name;
            if (ValueOf(p, instance, property.Value))
                out.push_back(std::move(property));
        }
        defined_.clear();
        instance->DefineProperties(this);
        for (auto& d : defined_) {
            TDescProperty property;
            property.Name = prefix + d.first;
            property.Value.Kind = TDescValueKind::Binary;
            property.Value.Binary = d.second();
            out.push_back(std::move(property));
        }
        defined_.clear();
    }

    static TDescValue Ident(const std::string& ident)
    {
        TDescValue v;
        v.Kind = TDescValueKind::Ident;
        v.Ident = ident;
        return v;
    }

    static TDescValue Integer(int64_t value)
    {
        TDescValue v;
        v.Kind = TDescValueKind::Integer;
        v.Integer = value;
        return v;
    }

    static TDescValue String(std::u16string s)
    {
        TDescValue v;
        v.Kind = TDescValueKind::String;
        v.String = std::move(s);
        return v;
    }

    bool ValueOf(const TPropertyInfo* p, TPersistent* instance, TDescValue& v) const
    {
        switch (p->Kind) {
        case TPropertyKind::Integer:
        case TPropertyKind::Enumeration: {
            const int64_t value = p->GetOrdinal(instance);
            const std::string ident = p->IdentOf(value);
            v = ident.empty() ? Integer(value) : Ident(ident);
            return true;
        }
        case TPropertyKind::Boolean:
            v = Ident(p->GetOrdinal(instance) ? "True" : "False");
            return true;
        case TPropertyKind::Set:
            v.Kind = TDescValueKind::Set;
            for (const auto& ident : p->Idents)
                if (static_cast<uint64_t>(p->GetOrdinal(instance)) & (uint64_t(1) << ident.second))
                    v.Items.push_back(ident.first);
            return true;
        case TPropertyKind::Color: {
            const auto color = static_cast<TColor>(p->GetOrdinal(instance));
            std::string ident;
            v = ColorToIdent(color, ident) ? Ident(ident) : Integer(color);
            return true;
        }
        case TPropertyKind::String:
            v = String(AnsiToUtf16(p->GetString(instance)));
            return true;
        case TPropertyKind::WideString:
            v = String(WideToUtf16(p->GetWide(instance)));
            return true;
        case TPropertyKind::Strings:
            v.Kind = TDescValueKind::List;
            for (const std::string& line : p->GetStrings(instance))
                v.Strings.push_back(AnsiToUtf16(line));
            return true;
        case TPropertyKind::Component:
            return ReferenceOf(p->GetComponent(instance), v);
        case TPropertyKind::Event:
            v = Ident(p->GetHandlerName(instance));
            return true;
        case TPropertyKind::Object:
            break;
        }
        return false;
    }

    // A component of this root by its name, one of another form as
    // Form.Component; an unnamed one cannot be written.
    bool ReferenceOf(const TComponent* target, TDescValue& v) const
    {
        if (target->Name().empty())
            return false;
        const TComponent* owner = target->Owner();
        if (target == root_ || owner == root_) {
            v = Ident(target->Name());
            return true;
        }
        if (!owner || owner->Name().empty())
            return false;
        v = Ident(owner->Name() + "." + target->Name());
        return true;
    }

    void DefineBinaryProperty(const std::string& name, TBinaryReader, TBinaryWriter write,
                              bool hasData) override
    {
        if (hasData && write)
            defined_.emplace_back(name, std::move(write));
    }

    const TComponent* root_;
    std::vector<std::pair<std::string, TBinaryWriter>> defined_;
};

} // namespace

TDescObject DescribeComponent(const TComponent* root)
{
    return TDescriptionWriter(root).Describe(root);
}

std::string WriteComponentText(const TComponent* root)
{
    return FormatDescription(DescribeComponent(root));
}

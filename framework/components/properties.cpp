#include "framework/components/properties.h"

#include "framework/base/identifiers.h"

#include <map>

namespace {

using TPublishers = std::map<const TClassInfo*, std::vector<void (*)(TPropertyTable&)>>;

TPublishers& Publishers()
{
    static TPublishers publishers;
    return publishers;
}

// A class's own table and its flattened view with the inherited entries.
struct TClassTables {
    TPropertyTable Own;
    std::vector<const TPropertyInfo*> All;
};

TClassTables& TablesOf(const TClassInfo* cls)
{
    // Never destroyed: components freed during the program's exit still
    // reach it after function-local statics would have gone.
    static auto& tables = *new std::map<const TClassInfo*, TClassTables>;
    auto found = tables.find(cls);
    if (found != tables.end())
        return found->second;
    TClassTables built;
    if (cls->Parent)
        built.All = TablesOf(cls->Parent).All;
    auto publishers = Publishers().find(cls);
    if (publishers != Publishers().end())
        for (auto publish : publishers->second)
            publish(built.Own);
    TClassTables& entry = tables[cls] = std::move(built);
    for (const TPropertyInfo& info : entry.Own.Properties) {
        bool replaced = false;
        for (const TPropertyInfo*& inherited : entry.All)
            if (SameIdentifier(inherited->Name, info.Name)) {
                inherited = &info;
                replaced = true;
            }
        if (!replaced)
            entry.All.push_back(&info);
    }
    return entry;
}

template <typename TItem>
const TItem* FindInChain(const TClassInfo* cls, const std::string& name,
                         std::vector<TItem> TPropertyTable::*list)
{
    for (const TClassInfo* c = cls; c; c = c->Parent)
        for (const TItem& item : TablesOf(c).Own.*list)
            if (SameIdentifier(item.Name, name))
                return &item;
    return nullptr;
}

// Nested objects rarely go deeper than two; the bound stops reference cycles.
constexpr int kMaxNesting = 8;

void ClearReferences(TPersistent* instance, TComponent* gone, int depth)
{
    for (const TPropertyInfo* p : PublishedProperties(instance->ClassInfo())) {
        if (p->Kind == TPropertyKind::Component && p->SetComponent && p->GetComponent(instance) == gone)
            p->SetComponent(instance, nullptr);
        else if (p->Kind == TPropertyKind::Object && depth < kMaxNesting)
            if (TPersistent* nested = p->GetObject(instance))
                ClearReferences(nested, gone, depth + 1);
    }
}

} // namespace

bool RegisterPublisher(const TClassInfo* cls, void (*publish)(TPropertyTable&))
{
    Publishers()[cls].push_back(publish);
    return true;
}

const std::vector<const TPropertyInfo*>& PublishedProperties(const TClassInfo* cls)
{
    return TablesOf(cls).All;
}

const TPropertyInfo* FindPublishedProperty(const TClassInfo* cls, const std::string& name)
{
    for (const TPropertyInfo* p : PublishedProperties(cls))
        if (SameIdentifier(p->Name, name))
            return p;
    return nullptr;
}

const THandlerInfo* FindPublishedHandler(const TClassInfo* cls, const std::string& name)
{
    return FindInChain(cls, name, &TPropertyTable::Handlers);
}

const TFieldInfo* FindPublishedField(const TClassInfo* cls, const std::string& name)
{
    return FindInChain(cls, name, &TPropertyTable::Fields);
}

bool TPropertyInfo::ReadOnly() const
{
    return !SetOrdinal && !SetString && !SetWide && !SetStrings && !SetComponent && !SetHandler;
}

bool TPropertyInfo::IsDefault(const TPersistent* instance) const
{
    switch (Kind) {
    case TPropertyKind::String: return GetString(instance).empty();
    case TPropertyKind::WideString: return GetWide(instance).empty();
    case TPropertyKind::Strings: return GetStrings(instance).empty();
    case TPropertyKind::Component: return GetComponent(instance) == nullptr;
    case TPropertyKind::Event: return GetHandlerName(instance).empty();
    case TPropertyKind::Object: return false;
    default: return Default && GetOrdinal(instance) == *Default;
    }
}

std::string TPropertyInfo::IdentOf(int64_t value) const
{
    for (const auto& ident : Idents)
        if (ident.second == value)
            return ident.first;
    return {};
}

std::optional<int64_t> TPropertyInfo::ValueOf(const std::string& ident) const
{
    for (const auto& entry : Idents)
        if (SameIdentifier(entry.first, ident))
            return entry.second;
    return std::nullopt;
}

TComponent* OwningComponent(TPersistent* instance)
{
    for (int depth = 0; instance && depth <= kMaxNesting; ++depth) {
        if (instance->InheritsFrom(TComponent::StaticClass()))
            return static_cast<TComponent*>(instance);
        instance = instance->GetOwner();
    }
    return nullptr;
}

void ClearPublishedReferences(TPersistent* instance, TComponent* gone)
{
    ClearReferences(instance, gone, 0);
    for (const TClassInfo* c = instance->ClassInfo(); c; c = c->Parent)
        for (const TFieldInfo& field : TablesOf(c).Own.Fields)
            if (field.Get(instance) == gone)
                field.Set(instance, nullptr);
}

#include "framework/components/roots.h"

#include "framework/base/identifiers.h"
#include "framework/components/properties.h"

#include <algorithm>
#include <vector>

namespace {

struct TGlobalFixup {
    TComponent* Holder;
    TPersistent* Instance;
    const TPropertyInfo* Property;
    std::string Path;
};

std::vector<TComponent*>& Roots()
{
    // Never destroyed: components freed during the program's exit still
    // reach it after function-local statics would have gone.
    static auto& roots = *new std::vector<TComponent*>;
    return roots;
}

std::vector<TGlobalFixup>& Fixups()
{
    static auto& fixups = *new std::vector<TGlobalFixup>;  // never destroyed, as above
    return fixups;
}

} // namespace

void RegisterRoot(TComponent* root)
{
    if (std::find(Roots().begin(), Roots().end(), root) == Roots().end())
        Roots().push_back(root);
}

void UnregisterRoot(TComponent* root)
{
    auto& roots = Roots();
    roots.erase(std::remove(roots.begin(), roots.end(), root), roots.end());
}

TComponent* FindRoot(const std::string& name)
{
    for (TComponent* root : Roots())
        if (!name.empty() && SameIdentifier(root->Name(), name))
            return root;
    return nullptr;
}

TComponent* FindGlobalComponent(const std::string& path)
{
    const size_t dot = path.find('.');
    if (dot == std::string::npos)
        return FindRoot(path);
    TComponent* root = FindRoot(path.substr(0, dot));
    // A form still being read is not there yet: its components lack their properties.
    if (!root || root->ComponentState().Contains(csLoading))
        return nullptr;
    return root->FindComponent(path.substr(dot + 1));
}

void AddGlobalFixup(TComponent* holder, TPersistent* instance, const TPropertyInfo* property,
                    const std::string& path)
{
    Fixups().push_back({holder, instance, property, path});
}

void ResolveGlobalFixups()
{
    auto& fixups = Fixups();
    for (size_t i = 0; i < fixups.size();) {
        TComponent* target = FindGlobalComponent(fixups[i].Path);
        if (!target) {
            ++i;
            continue;
        }
        const TGlobalFixup fixup = fixups[i];
        fixups.erase(fixups.begin() + static_cast<std::ptrdiff_t>(i));
        // A target of the wrong class is never set; the setter may run
        // anything, even resolve more: restart the walk.
        if (target->InheritsFrom(fixup.Property->ReferenceClass))
            fixup.Property->SetComponent(fixup.Instance, target);
        i = 0;
    }
}

void RemoveGlobalFixups(TComponent* holder)
{
    auto& fixups = Fixups();
    fixups.erase(std::remove_if(fixups.begin(), fixups.end(),
                                [holder](const TGlobalFixup& f) { return f.Holder == holder; }),
                 fixups.end());
}

int PendingGlobalFixups()
{
    return static_cast<int>(Fixups().size());
}

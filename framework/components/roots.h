// Root components (forms) known by name, so that a description can refer
// to another form's component as Form1.SkStylist1. A form registers itself
// when created; it leaves when freed (TComponent does that). A reference to
// a form that does not exist yet waits here until that form is read.
#pragma once

#include <string>

class TComponent;
class TPersistent;
struct TPropertyInfo;

void RegisterRoot(TComponent* root);
void UnregisterRoot(TComponent* root);
// The registered root of that name (ignoring case), or null.
TComponent* FindRoot(const std::string& name);
// "Form1.SkStylist1": a component of a registered root, or null.
TComponent* FindGlobalComponent(const std::string& path);

// Sets property of instance (held by holder) to rootName.componentName once
// that root is registered and loaded.
void AddGlobalFixup(TComponent* holder, TPersistent* instance, const TPropertyInfo* property,
                    const std::string& path);
// Resolves every waiting reference whose target now exists.
void ResolveGlobalFixups();
// Forgets references waiting to be set on holder (it is going).
void RemoveGlobalFixups(TComponent* holder);
int PendingGlobalFixups();

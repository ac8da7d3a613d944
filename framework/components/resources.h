// Form descriptions embedded in the program as RCDATA resources, one per
// form class, named after the class (TFORM1 RCDATA "unit1.form").
#pragma once

#include "framework/base/exceptions.h"

#include <string>

class TComponent;


// Whether the program holds an RCDATA resource of that name.
bool HasRcDataResource(const std::string& name);
// The bytes of the program's RCDATA resource name; EResNotFound if missing.
std::string LoadRcDataResource(const std::string& name);

// Reads the description stored under resourceName (by default the root's
// class name) into root; see ReadComponentInto. A form calls it from its
// own, most derived constructor: in a base class's constructor ClassName()
// still names the base.
void ReadComponentResource(TComponent* root, const char* resourceName = nullptr);

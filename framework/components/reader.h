// Reading stored form descriptions into components.
#pragma once

#include "framework/components/component.h"
#include "framework/components/descriptionparser.h"

#include <string>

// Reads a description into root, an existing component of the described
// class (a form reading its own description): creates the described
// components owned by root, sets properties in stored order, binds events
// to root's published handlers, fills root's published fields, resolves
// references and then calls Loaded on every component (the root last).
// A bad description raises EDescriptionError naming the line and the
// property; every component created by the read is freed again.
void ReadComponentInto(TComponent* root, const std::string& text);
void ReadComponentInto(TComponent* root, const TDescObject& description);

// The same, creating the root from its class name, owned by owner.
TComponent* ReadComponentText(const std::string& text, TComponent* owner = nullptr);

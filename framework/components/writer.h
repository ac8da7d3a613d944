// Writing components as stored form descriptions.
#pragma once

#include "framework/components/component.h"
#include "framework/components/descriptionparser.h"

#include <string>

// root with its stored properties (those differing from their declared
// default, never those declared not stored), binary data defined through
// DefineProperties, and nested, the components GetChildren names.
TDescObject DescribeComponent(const TComponent* root);
std::string WriteComponentText(const TComponent* root);

// The registry of theme classes: a name and a factory per look, so the
// stylist can list the looks and make one without an object in hand. The
// order of registration matters (a name is matched against the first class
// registered first), so the looks are registered in one place, in a fixed
// order, by RegisterSkThemes; "No Theme" is always first.
#pragma once

#include "styling/core/themethemes.h"

#include <string>
#include <vector>

struct TSkThemeClass {
    std::string Name;
    const TClassInfo* Class;
    TSkTheme* (*Create)();
};

// Every registered class, "No Theme" first, then in order of registration.
const std::vector<TSkThemeClass>& ThemeClasses();

// Adds a class; a class already registered is not added twice.
void RegisterTheme(const TSkThemeClass& themeClass);

template <typename TTheme>
void RegisterTheme()
{
    RegisterTheme(TSkThemeClass{TTheme::ClassThemeName(), TTheme::StaticClass(),
                                []() -> TSkTheme* { return new TTheme; }});
}

// The first registered class whose name equals the given one exactly, or null.
const TSkThemeClass* FindThemeClass(const std::string& name);

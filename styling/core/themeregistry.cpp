#include "styling/core/themeregistry.h"

namespace {

// Never destroyed: forms freed during exit may still look themes up.
std::vector<TSkThemeClass>& Registry()
{
    static auto* registry = new std::vector<TSkThemeClass>{
        TSkThemeClass{TSkTheme::ClassThemeName(), TSkTheme::StaticClass(),
                      []() { return new TSkTheme; }}};
    return *registry;
}

}  // namespace

const std::vector<TSkThemeClass>& ThemeClasses() { return Registry(); }

void RegisterTheme(const TSkThemeClass& themeClass)
{
    for (const TSkThemeClass& known : Registry())
        if (known.Class == themeClass.Class)
            return;
    Registry().push_back(themeClass);
}

const TSkThemeClass* FindThemeClass(const std::string& name)
{
    for (const TSkThemeClass& known : Registry())
        if (known.Name == name)
            return &known;
    return nullptr;
}

#include "styling/themes/skthemes.h"

#include "styling/core/themeregistry.h"
#include "styling/themes/skthemecoolflat.h"
#include "styling/themes/skthemeflat.h"
#include "styling/themes/skthemehighlight.h"
#include "styling/themes/skthemekde.h"
#include "styling/themes/skthemelines.h"
#include "styling/themes/skthemeluna.h"
#include "styling/themes/skthememetalluna.h"
#include "styling/themes/skthemeofficexp.h"
#include "styling/themes/skthemestd.h"

void RegisterSkThemes()
{
    // "No Theme" is registered by the registry itself. Keep this list in the
    // order above: it decides which class a name matches first.
    RegisterTheme<TSkThemeFlat>();
    RegisterTheme<TSkThemeHighlight>();
    RegisterTheme<TSkThemeLines>();
    RegisterTheme<TSkThemeLuna>();
    RegisterTheme<TSkThemeMetalLuna>();
    RegisterTheme<TSkThemeStd>();
    RegisterTheme<TSkThemeCoolFlat>();
    RegisterTheme<TSkThemeOfficeXP>();
    RegisterTheme<TSkThemeKDE>();
}

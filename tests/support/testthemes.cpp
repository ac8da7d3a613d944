#include "tests/support/testthemes.h"

#include "styling/core/themeregistry.h"

FW_IMPLEMENT_CLASS(TTestTheme, TSkTheme)
FW_IMPLEMENT_CLASS(TTestTwinFirst, TTestTheme)
FW_IMPLEMENT_CLASS(TTestTwinSecond, TTestTheme)
FW_IMPLEMENT_CLASS(TTestStray, TTestTheme)

void RegisterTestThemes()
{
    static const bool registered = [] {
        RegisterTheme<TTestTheme>();
        RegisterTheme<TTestTwinFirst>();
        RegisterTheme<TTestTwinSecond>();
        return true;
    }();
    (void)registered;
}

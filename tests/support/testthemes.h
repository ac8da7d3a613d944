// Looks made for tests, named like the library's own, so that the registry
// and the stylist can be tried before the real looks exist.
#pragma once

#include "styling/core/themethemes.h"

// An available look that counts its colour refreshes and answers one fixed
// colour for the window kind.
class TTestTheme : public TSkTheme {
    FW_DECLARE_CLASS(TTestTheme)
public:
    // A hue the colour rule keeps exactly when shifted by 0 or by thirds.
    static constexpr TColor WindowColor = 0x00C800;  // RGB(0, 200, 0)
    // A hue that a zero turn of the quantised hue circle would move.
    static constexpr TColor FaceColor = 0x680B00;  // RGB(0, 11, 104)
    int updates = 0;
    void UpdateColors() override { ++updates; }
    TColor GetColor(uint8_t kind) const override
    {
        if (kind == kcFace)
            return ShiftedColor(FaceColor);
        return ShiftedColor(kind == kcWindow ? WindowColor : SkDefaultThemeColor);
    }
    bool IsAvailable() const override { return true; }
};

#define TEST_THEME(TClass, TBase, name)                             \
    class TClass : public TBase {                                   \
        FW_DECLARE_CLASS(TClass)                                    \
    public:                                                         \
        static std::string ClassThemeName() { return name; }        \
        std::string GetName() const override { return name; }      \
    }

TEST_THEME(TTestLines, TTestTheme, "Lines");
TEST_THEME(TTestAdvanced, TTestTheme, "Advanced");
TEST_THEME(TTestLuna, TTestTheme, "Luna");
TEST_THEME(TTestTwinFirst, TTestTheme, "Twin");
TEST_THEME(TTestTwinSecond, TTestTheme, "Twin");
// Registered, but not available: controls would paint their plain look.
TEST_THEME(TTestResting, TSkTheme, "Resting");
// Never registered.
TEST_THEME(TTestStray, TTestTheme, "Stray");

#undef TEST_THEME

// Registers the looks above (all but the stray one) once, in the order
// they are declared.
void RegisterTestThemes();

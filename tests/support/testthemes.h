// Looks made for tests, with names no library look uses: one that counts
// its colour refreshes, two of one name and one that is never registered.
#pragma once

#include "styling/core/themethemes.h"

// Available; answers one fixed colour for the window kind.
class TTestTheme : public TSkTheme {
    FW_DECLARE_CLASS(TTestTheme)
public:
    // RGB(0, 200, 0): exact at thirds of the hue circle.
    static constexpr TColor WindowColor = 0x00C800;
    static std::string ClassThemeName() { return "Counting"; }
    std::string GetName() const override { return ClassThemeName(); }
    int updates = 0;
    void UpdateColors() override { ++updates; }
    TColor GetColor(uint8_t kind) const override
    {
        return ShiftedColor(kind == kcWindow ? WindowColor : SkDefaultThemeColor);
    }
    bool IsAvailable() const override { return true; }
};

#define TEST_THEME(TClass, TBase, name)                        \
    class TClass : public TBase {                              \
        FW_DECLARE_CLASS(TClass)                               \
    public:                                                    \
        static std::string ClassThemeName() { return name; }   \
        std::string GetName() const override { return name; } \
    }

TEST_THEME(TTestTwinFirst, TTestTheme, "Twin");
TEST_THEME(TTestTwinSecond, TTestTheme, "Twin");
TEST_THEME(TTestStray, TTestTheme, "Stray");

#undef TEST_THEME

// Registers the looks above but the stray one, once, in declaration order.
void RegisterTestThemes();

// What the tests of the themed controls share: the library's start-up for
// each case, a control rendered on its own, and a look that records what
// it was asked to draw.
#pragma once

#include "styling/core/skdraw.h"
#include "styling/core/sksystem.h"
#include "styling/core/stylist.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

class SkControlsTest : public ::testing::Test {
protected:
    TSkControlsUnit unit;  // the shared buffer and the library's colours
};

// The same with a form to put controls on: 300 x 200 at (40, 40), not shown.
class SkFormTest : public SkControlsTest {
protected:
    FormPtr form = NewForm();
};

// What the control shows when painted on its own at the origin, over a
// background of RGB(1, 2, 3).
inline std::unique_ptr<TestDib> Render(TControl* control)
{
    auto dib = std::make_unique<TestDib>(control->Width() + 4, control->Height() + 4);
    dib->Fill(RGB(1, 2, 3));
    control->PaintTo(dib->DC(), 0, 0);
    return dib;
}

// The smallest rectangle holding every pixel of colour in dib; empty when
// there is none.
inline RECT BoundsOf(const TestDib& dib, uint32_t colour)
{
    RECT r{dib.Width(), dib.Height(), 0, 0};
    for (int y = 0; y < dib.Height(); ++y)
        for (int x = 0; x < dib.Width(); ++x)
            if (dib.Pixel(x, y) == colour) {
                r.left = std::min<LONG>(r.left, x);
                r.top = std::min<LONG>(r.top, y);
                r.right = std::max<LONG>(r.right, x + 1);
                r.bottom = std::max<LONG>(r.bottom, y + 1);
            }
    return r;
}

// A mouse message at (x, y) sent to the control's window, the left button
// held but on its release.
inline void SendMouse(TWinControl* control, UINT msg, int x, int y)
{
    SendMessageA(control->Handle(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
}

// Space pressed, released or both (down then up), Alt held or not.
enum TPress { kpDown = 1, kpUp = 2, kpBoth = 3 };
inline void SendSpace(TWinControl* control, TPress press = kpBoth, bool alt = false)
{
    const LPARAM data = alt ? LPARAM(KeyDataAltDown) : 0;
    if (press & kpDown)
        SendMessageA(control->Handle(), alt ? WM_SYSKEYDOWN : WM_KEYDOWN, VK_SPACE, data);
    if (press & kpUp)
        SendMessageA(control->Handle(), alt ? WM_SYSKEYUP : WM_KEYUP, VK_SPACE, data);
}

// An available look that fills what it is asked to draw with one colour
// per state and writes down each call.
class TRecordingTheme : public TSkTheme {
public:
    mutable std::vector<std::string> calls;
    bool IsAvailable() const override { return true; }
    int GetSize(uint8_t kind) const override
    {
        return kind == ksRadioButtonWidth ? 17 : kind == ksRadioButtonHeight ? 15 : 0;
    }
    static TColor StateColour(uint8_t state) { return static_cast<TColor>(RGB(0, 40 * state, 0x80)); }
    void PaintButton(TCanvas* canvas, int width, int height, uint8_t state) const override
    {
        calls.push_back("button " + std::to_string(width) + "x" + std::to_string(height) + " " +
                        std::to_string(state));
        FillRect(canvas, TRect{0, 0, width, height}, state);
    }
    void PaintRadioButton(TCanvas* canvas, const TRect& rect, uint8_t state,
                          bool checked) const override
    {
        calls.push_back("radio " + std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
                        std::to_string(state) + (checked ? " on" : " off"));
        FillRect(canvas, rect, state);
    }

private:
    static void FillRect(TCanvas* canvas, const TRect& rect, uint8_t state)
    {
        FillRectColor(canvas, rect, StateColour(state));
    }
};

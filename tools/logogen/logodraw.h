// The program's logo as a function of the plane: a compact disc lying over a
// document page, in a 39 x 48 frame. The logo picture and the program icon
// both sample it, so the two never drift apart.
#pragma once

constexpr int LogoWidth = 39;
constexpr int LogoHeight = 48;

struct Rgb {
    double r, g, b;
};

// The window colour behind the logo, so the picture sits on it seamlessly.
constexpr Rgb LogoBackground = {255, 251, 247};

Rgb Mix(Rgb a, Rgb b, double t);
// The colour at a point of the frame, over the background given. Outlines
// are `line` times their width in the logo, so that a small drawing keeps
// its edges.
Rgb LogoSample(double x, double y, Rgb background, double line = 1);

// The logo's drawing, shared by the logo and the program icon.
#include "tools/logogen/logodraw.h"

#include <cmath>

Rgb Mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

namespace {

const double Pi = 3.14159265358979323846;

// Page: a sheet with a folded top-right corner and a few lines of text.
const double PageLeft = 2.5, PageTop = 1.5, PageRight = 27.5, PageBottom = 40.5, Fold = 7;

bool InsidePage(double x, double y)
{
    if (x < PageLeft || x > PageRight || y < PageTop || y > PageBottom)
        return false;
    return (PageRight - x) + (y - PageTop) >= Fold;  // cut corner
}

Rgb PageColor(double x, double y, double line)
{
    const double edge = std::fmin(std::fmin(x - PageLeft, PageRight - x),
                                  std::fmin(y - PageTop, PageBottom - y));
    const double diagonal = ((PageRight - x) + (y - PageTop) - Fold) / std::sqrt(2.0);
    if (edge < line || diagonal < 0.8 * line)
        return {128, 134, 150};  // outline
    // The folded-over corner: a small triangle just under the cut.
    const double fx = x - (PageRight - Fold), fy = y - PageTop;
    if (fx >= 0 && fy <= Fold && fx <= fy) {
        if (fx < 0.8 * line || Fold - fy < 0.8 * line)
            return {150, 156, 172};
        return {214, 220, 232};
    }
    const Rgb paper = Mix({255, 255, 255}, {232, 236, 244}, (y - PageTop) / (PageBottom - PageTop));
    const bool text = x > 6 && x < 24;
    const double lines[] = {9, 13, 17, 21, 25};
    for (double row : lines) {
        const double right = row == 9 ? 17 : (row == 25 ? 14 : 24);
        if (text && x < right && y >= row && y < row + 1.5)
            return row == 9 ? Rgb{60, 90, 160} : Rgb{150, 156, 172};
    }
    return paper;
}

// Disc: centre, radii of the rim, the clear hub and the hole.
const double DiscX = 24.5, DiscY = 33.0, DiscR = 13.8, HubR = 5.2, HoleR = 2.2;

Rgb DiscColor(double x, double y, double line)
{
    const double dx = x - DiscX, dy = y - DiscY;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r > DiscR - 0.9 * line)
        return {110, 118, 134};  // rim
    if (r < HubR) {
        if (r > HubR - 0.8 * line)
            return {150, 158, 172};
        return {222, 226, 234};  // clear plastic hub
    }
    // Silver with a rainbow sheen that turns with the angle, brightest on
    // the diagonal where the light falls.
    const double angle = std::atan2(dy, dx);
    const Rgb silver = {206, 212, 224};
    const Rgb sheen = {
        200 + 55 * std::cos(2 * angle),
        200 + 55 * std::cos(2 * angle - 2 * Pi / 3),
        200 + 55 * std::cos(2 * angle + 2 * Pi / 3),
    };
    const double light = std::pow(std::fabs(std::cos(angle + Pi / 4)), 6);
    Rgb c = Mix(silver, sheen, 0.45);
    c = Mix(c, {255, 255, 255}, 0.55 * light);
    const double groove = 0.06 * std::sin(r * 3.1);  // faint track rings
    return Mix(c, {150, 160, 180}, 0.15 + groove);
}

} // namespace

Rgb LogoSample(double x, double y, Rgb background, double line)
{
    Rgb c = background;
    if (InsidePage(x, y))
        c = PageColor(x, y, line);
    // Soft shadow of the disc on whatever lies below it.
    const double sx = x - DiscX - 1.2, sy = y - DiscY - 1.2;
    const double shadow = std::sqrt(sx * sx + sy * sy);
    if (shadow < DiscR + 0.5 && shadow > HoleR)
        c = Mix(c, {60, 60, 70}, 0.28 * std::fmin(1.0, (DiscR + 0.5 - shadow) / 1.5));
    const double dx = x - DiscX, dy = y - DiscY;
    const double r = std::sqrt(dx * dx + dy * dy);
    if (r < DiscR && r > HoleR)
        c = DiscColor(x, y, line);
    return c;
}

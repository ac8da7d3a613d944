// Wide text on a canvas: drawn and measured with the canvas's font, through
// the wide API on NT platforms and through the ANSI code page elsewhere.
#pragma once

#include "framework/graphics/canvas.h"

#include <windows.h>

#include <string>

// Transparent background; returns the height DrawText gives.
int DrawTextWide(TCanvas* canvas, const std::wstring& text, TRect& rect, UINT flags);
// The width of the text laid out with flags (DT_CALCRECT added).
int TextWidthWide(TCanvas* canvas, const std::wstring& text, UINT flags);
int TextHeightWide(TCanvas* canvas, const std::wstring& text);
// The text if it fits maxWidth, else its longest prefix that fits with
// "..." after it, followed by "...".
std::wstring TruncateTextWide(HDC dc, const std::wstring& text, int maxWidth);

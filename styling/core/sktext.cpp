#include "styling/core/sktext.h"

#include "styling/core/sksystem.h"

namespace {

// The canvas selects its font only when a text call needs it; measuring
// nothing is the public way to have it selected.
HDC TextDC(TCanvas* canvas)
{
    canvas->TextExtent(std::string());
    return canvas->Handle();
}

std::string ToAnsi(const std::wstring& text)
{
    if (text.empty())
        return std::string();
    int size = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    std::string out(size_t(size > 0 ? size : 0), '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), &out[0], size, nullptr,
                            nullptr);
    return out;
}

int DrawTextEither(HDC dc, const std::wstring& text, RECT& rect, UINT flags)
{
    if (IsWinNT())
        return DrawTextW(dc, text.data(), int(text.size()), &rect, flags);
    std::string ansi = ToAnsi(text);
    return DrawTextA(dc, ansi.data(), int(ansi.size()), &rect, flags);
}

SIZE Extent(HDC dc, const std::wstring& text, size_t length)
{
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc, text.data(), int(length), &size);
    return size;
}

} // namespace

int DrawTextWide(TCanvas* canvas, const std::wstring& text, TRect& rect, UINT flags)
{
    HDC dc = TextDC(canvas);
    SetBkMode(dc, TRANSPARENT);
    return DrawTextEither(dc, text, rect, flags);
}

int TextWidthWide(TCanvas* canvas, const std::wstring& text, UINT flags)
{
    RECT r{0, 0, 0, 0};
    DrawTextEither(TextDC(canvas), text, r, flags | DT_CALCRECT);
    return r.right;
}

int TextHeightWide(TCanvas* canvas, const std::wstring& text)
{
    RECT r{0, 0, 0, 0};
    DrawTextEither(TextDC(canvas), text, r, DT_CALCRECT);
    return r.bottom;
}

std::wstring TruncateTextWide(HDC dc, const std::wstring& text, int maxWidth)
{
    if (Extent(dc, text, text.size()).cx <= maxWidth)
        return text;
    const std::wstring dots = L"...";
    size_t fits = 0;
    for (size_t n = 1; n <= text.size(); ++n) {
        std::wstring candidate = text.substr(0, n) + dots;
        if (Extent(dc, candidate, candidate.size()).cx > maxWidth)
            break;
        fits = n;
    }
    return text.substr(0, fits) + dots;
}

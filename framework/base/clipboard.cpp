#include "framework/base/clipboard.h"

#include "framework/base/ansi.h"

#include <windows.h>

#include <cstring>

namespace {

// Another process may hold the clipboard for a moment: retry briefly.
bool OpenClipboardRetrying()
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(nullptr))
            return true;
        Sleep(10);
    }
    return false;
}

struct ClipboardSession {
    bool open = OpenClipboardRetrying();
    ~ClipboardSession()
    {
        if (open)
            CloseClipboard();
    }
};

template <typename Char>
std::basic_string<Char> ReadGlobalText(HANDLE data)
{
    std::basic_string<Char> text;
    if (!data)
        return text;
    const SIZE_T bytes = GlobalSize(data);
    if (const auto* p = static_cast<const Char*>(GlobalLock(data))) {
        // Never trust the terminator: stop at the block's end.
        const size_t limit = bytes / sizeof(Char);
        size_t length = 0;
        while (length < limit && p[length])
            ++length;
        text.assign(p, length);
        GlobalUnlock(data);
    }
    return text;
}

} // namespace

std::wstring TClipboard::AsTextWide() const
{
    ClipboardSession session;
    if (!session.open)
        return {};
    if (IsClipboardFormatAvailable(CF_UNICODETEXT))
        return ReadGlobalText<wchar_t>(GetClipboardData(CF_UNICODETEXT));
    if (IsClipboardFormatAvailable(CF_TEXT))
        return AnsiToWide(ReadGlobalText<char>(GetClipboardData(CF_TEXT)));
    return {};
}

std::string TClipboard::AsText() const
{
    return WideToAnsi(AsTextWide());
}

bool TClipboard::HasText() const
{
    return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
}

bool TClipboard::SetAsTextWide(const std::wstring& text)
{
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!data)
        return false;
    std::memcpy(GlobalLock(data), text.c_str(), bytes);
    GlobalUnlock(data);

    ClipboardSession session;
    if (!session.open || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, data)) {
        GlobalFree(data);  // still ours: the system took nothing
        return false;
    }
    return true;
}

bool TClipboard::SetAsText(const std::string& text)
{
    return SetAsTextWide(AnsiToWide(text));
}

TClipboard& Clipboard()
{
    static TClipboard clipboard;
    return clipboard;
}

bool TCaret::Create(void* window, int width, int height)
{
    Destroy();
    if (!CreateCaret(static_cast<HWND>(window), nullptr, width, height))
        return false;
    window_ = window;
    return true;
}

void TCaret::Destroy()
{
    if (!window_)
        return;
    DestroyCaret();
    window_ = nullptr;
    visible_ = false;
}

void TCaret::SetPosition(int x, int y)
{
    if (window_)
        SetCaretPos(x, y);
}

void TCaret::Show()
{
    if (window_ && !visible_ && ShowCaret(static_cast<HWND>(window_)))
        visible_ = true;
}

void TCaret::Hide()
{
    if (window_ && visible_ && HideCaret(static_cast<HWND>(window_)))
        visible_ = false;
}

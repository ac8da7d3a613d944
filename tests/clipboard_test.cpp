// The clipboard's text in both forms.
#include "framework/base/clipboard.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Clipboard, WideTextRoundTripsAndAnsiOnlyTextIsReadThroughTheCodePage)
{
    const std::wstring text = L"za\u017C\u00F3\u0142\u0107 \u65E5\u672C \u0395\u03BB";
    ASSERT_TRUE(Clipboard().SetAsTextWide(text));
    EXPECT_TRUE(Clipboard().HasText());
    EXPECT_EQ(Clipboard().AsTextWide(), text);

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const char ansi[] = "caf\xE9";  // e acute in code page 1252
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof ansi);
    std::memcpy(GlobalLock(data), ansi, sizeof ansi);
    GlobalUnlock(data);
    SetClipboardData(CF_TEXT, data);
    CloseClipboard();
    EXPECT_EQ(Clipboard().AsTextWide(), L"caf\u00E9");
    EXPECT_EQ(Clipboard().AsText(), "caf\xE9");
}

} // namespace

// The self-drawn edit over a real window: keys through the system's input
// queue, characters and mouse messages to its window, the clipboard read
// back, and its pixels.
#include "framework/base/ansi.h"
#include "framework/base/clipboard.h"
#include "framework/components/reader.h"
#include "framework/components/writer.h"
#include "framework/graphics/graphicsobjects.h"
#include "styling/controls/skeditstrings.h"
#include "styling/controls/themeedits.h"
#include "styling/core/sksystem.h"
#include "styling/core/stylist.h"
#include "tests/support/keyinput.h"
#include "tests/support/windowtest.h"

#include <gtest/gtest.h>
#include <imm.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

const wchar_t* const Sentinel = L"left alone";

// Presses key with the modifiers held, through the input queue.
void Press(WORD key, const std::vector<WORD>& held = {})
{
    SendKeyChord(key, held);
    PumpFor(30);
}

void Ctrl(WORD key) { Press(key, {VK_CONTROL}); }

// A menu that shows nothing: it notes the enabled items and picks one.
class TPickingMenu : public TSkEditMenu {
public:
    std::wstring pick;
    std::vector<std::wstring> enabled;
    const TSkPopupMenuOptions* shownWith = nullptr;
    void Popup(HWND, POINT) override
    {
        shownWith = Options();
        enabled.clear();
        for (const Item& item : Items())
            if (item.Enabled)
                enabled.push_back(item.Caption);
        const Item* chosen = Find(pick);
        if (chosen && chosen->Enabled && chosen->Action)
            chosen->Action();
    }
};

class TPickingEdit : public TSkThemeEdit {
public:
    using TSkThemeEdit::TSkThemeEdit;
    TPickingMenu* menu = nullptr;

protected:
    std::unique_ptr<TSkEditMenu> CreatePopupMenu() override
    {
        auto made = std::make_unique<TPickingMenu>();
        menu = made.get();
        return made;
    }
};

// Records what the edit asks of its theme.
class TFrameTheme : public TSkTheme {
public:
    static constexpr TColor Window = 0x00C800;
    mutable std::vector<uint8_t> frames;
    TColor GetColor(uint8_t kind) const override { return kind == kcWindow ? Window : clRed; }
    void PaintEditFrame(TCanvas*, const TRect&, uint8_t state) const override
    {
        frames.push_back(state);
    }
    bool IsAvailable() const override { return true; }
};

class SkEditTest : public ::testing::Test {
protected:
    TSkControlsUnit unit;
    FormPtr form = NewForm(300, 100);
    TPickingEdit* edit = AddControl<TPickingEdit>(form.get(), 10, 10, 177, 23);

    void SetUp() override
    {
        ShowAndWait(form.get());
        edit->SetFocus();
        PumpFor(20);
    }
    void Type(const std::string& text)
    {
        for (char c : text)
            SendMessageA(edit->Handle(), WM_CHAR, WPARAM(static_cast<unsigned char>(c)), 0);
    }
    LRESULT Mouse(UINT msg, int x)
    {
        return SendMessageA(edit->Handle(), msg, msg == WM_MOUSEMOVE ? MK_LBUTTON : 0,
                            MAKELPARAM(x, 10));
    }
    void Click(int x)
    {
        Mouse(WM_LBUTTONDOWN, x);
        Mouse(WM_LBUTTONUP, x);
    }
    // Right-click menu: what it offers, after picking caption.
    std::vector<std::wstring> Menu(const std::wstring& caption = L"")
    {
        if (!edit->ContextMenu())
            edit->UpdateContextMenu();
        edit->menu->pick = caption;
        POINT at{20, 10};
        ClientToScreen(edit->Handle(), &at);
        SendMessageA(edit->Handle(), WM_CONTEXTMENU, WPARAM(edit->Handle()), MAKELPARAM(at.x, at.y));
        return edit->menu->enabled;
    }
    SIZE Extent(const std::wstring& text)
    {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, edit->Font()->Handle());
        SIZE size{};
        GetTextExtentPoint32W(dc, text.data(), int(text.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        return size;
    }
    int TextWidth(const std::wstring& text) { return Extent(text).cx; }
};

using Items = std::vector<std::wstring>;

} // namespace

TEST_F(SkEditTest, UndoMergesRunsAndRestoresWhatWasReplaced)
{
    Type("abc");
    EXPECT_EQ(edit->UndoStack().Count(), 1);
    Ctrl('Z');
    EXPECT_EQ(edit->Text(), L"");

    // Backspaces come back in one step, selected.
    edit->SetText(L"hello");
    Press(VK_END);
    Press(VK_BACK), Press(VK_BACK), Press(VK_BACK);
    EXPECT_EQ(edit->Text(), L"he");
    Ctrl('Z');
    EXPECT_EQ(edit->Text(), L"hello");
    EXPECT_EQ(edit->SelText(), L"llo");
    EXPECT_EQ(edit->CaretPos(), 5);

    // Forward deletes merge the same way.
    Press(VK_HOME);
    Press(VK_DELETE), Press(VK_DELETE);
    Ctrl('Z');
    EXPECT_EQ(edit->Text(), L"hello");
    EXPECT_EQ(edit->SelText(), L"he");

    // Typing over a selection: one step gives the selection back.
    edit->Select(1, 3);
    Type("XY");
    EXPECT_EQ(edit->Text(), L"hXYo");
    Ctrl('Z');
    EXPECT_EQ(edit->Text(), L"hello");
    EXPECT_EQ(edit->SelText(), L"ell");

    // Delete at the end and a refused character record nothing.
    const int steps = edit->UndoStack().Count();
    Press(VK_END);
    Press(VK_DELETE);
    edit->SetMaxLength(5);
    Type("z");
    EXPECT_EQ(edit->Text(), L"hello");
    EXPECT_EQ(edit->UndoStack().Count(), steps);
}

TEST_F(SkEditTest, WordsHomeEndAndShiftExtension)
{
    edit->SetText(L"one  two three  ");
    Press(VK_HOME);
    const int rights[] = {5, 9, 15, 15};  // ends in blanks: one short of the end
    for (int expected : rights) {
        Press(VK_RIGHT, {VK_CONTROL});
        EXPECT_EQ(edit->CaretPos(), expected);
    }
    const int lefts[] = {9, 5, 0, 0};
    for (int expected : lefts) {
        Press(VK_LEFT, {VK_CONTROL});
        EXPECT_EQ(edit->CaretPos(), expected);
    }
    Press(VK_RIGHT, {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(edit->SelText(), L"one  ");
    Press(VK_LEFT, {VK_SHIFT}), Press(VK_LEFT, {VK_SHIFT});
    EXPECT_EQ(edit->SelText(), L"one");
    Press(VK_END);
    Press(VK_LEFT, {VK_SHIFT}), Press(VK_LEFT, {VK_SHIFT});
    EXPECT_EQ(edit->SelText(), L"  ");
    Press(VK_HOME, {VK_SHIFT});
    EXPECT_EQ(edit->SelText(), edit->Text());

    // A long text scrolls to keep the caret in view, and Home scrolls back.
    edit->SetText(std::wstring(300, L'w'));
    Press(VK_END);
    EXPECT_GT(edit->FirstVisible(), 200);
    EXPECT_LE(edit->CaretX(300), 177);
    Press(VK_HOME);
    EXPECT_EQ(edit->FirstVisible(), 1);

    // A double click selects the word under the caret.
    edit->SetText(L"ab cd ef");
    Click(edit->CaretX(4));
    SendMessageA(edit->Handle(), WM_LBUTTONDBLCLK, 0, MAKELPARAM(edit->CaretX(4), 10));
    EXPECT_EQ(edit->SelText(), L"cd ");
}

TEST_F(SkEditTest, MouseFindsCharacterBoundariesAndSurvivesFarPositions)
{
    edit->SetText(L"WiW");
    const int left = edit->CaretX(0);
    const int wWidth = TextWidth(L"W"), iWidth = TextWidth(L"i");
    // The left half of a glyph puts the caret before it, the right half after.
    const struct {
        int x, index;
    } clicks[] = {{left + 1, 0},
                  {left + wWidth - 1, 1},
                  {left + wWidth + 1, 1},
                  {left + wWidth + iWidth + wWidth / 2 + 1, 3},
                  {-30000, 0},
                  {30000, 3}};
    for (const auto& c : clicks) {
        Click(c.x);
        EXPECT_EQ(edit->CaretPos(), c.index) << c.x;
    }
    // Dragging past either edge scrolls a long text one step at a time.
    edit->SetText(std::wstring(100, L'm'));
    Mouse(WM_LBUTTONDOWN, left);
    for (int i = 0; i < 150; ++i)
        Mouse(WM_MOUSEMOVE, 30000);
    EXPECT_EQ(std::pair(edit->CaretPos(), edit->SelCount()), std::pair(100, 100));
    for (int i = 0; i < 150; ++i)
        Mouse(WM_MOUSEMOVE, -30000);
    Mouse(WM_LBUTTONUP, -30000);
    EXPECT_EQ(std::pair(edit->CaretPos(), edit->FirstVisible()), std::pair(0, 1));
}

// Nor another program: the window gives the text away only unmasked.
TEST_F(SkEditTest, MaskedTextNeverReachesTheClipboard)
{
    edit->SetText(L"secret");
    EXPECT_EQ(WindowText(edit->Handle()), "secret");
    edit->SetPasswordKind(pkCircle);
    EXPECT_EQ(WindowText(edit->Handle()), "");
    edit->SelectAll();
    Clipboard().SetAsTextWide(Sentinel);
    Ctrl('C');
    Ctrl(VK_INSERT);
    EXPECT_EQ(Menu(L"Copy"), (Items{L"Paste", L"Delete"}));
    EXPECT_EQ(Clipboard().AsTextWide(), Sentinel);
    Ctrl('X');  // the cut still deletes
    EXPECT_EQ(edit->Text(), L"");
    EXPECT_EQ(Clipboard().AsTextWide(), Sentinel);
}

TEST_F(SkEditTest, ReadOnlySelectsScrollsAndCopiesButNeverChanges)
{
    edit->SetReadOnly(true);
    edit->SetText(std::wstring(200, L'r') + L"tail");
    Press(VK_END);
    EXPECT_GT(edit->FirstVisible(), 1);
    POINT caret{};
    EXPECT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(caret.x, edit->CaretX(204));
    Press(VK_LEFT, {VK_SHIFT}), Press(VK_LEFT, {VK_SHIFT});
    Ctrl('X');
    EXPECT_EQ(Clipboard().AsTextWide(), L"il");
    Clipboard().SetAsTextWide(L"new");
    Ctrl('V');
    Type("x");
    Press(VK_BACK);
    Press(VK_DELETE, {VK_SHIFT});
    EXPECT_EQ(Menu(L"Paste"), (Items{L"Copy", L"Select All"}));
    EXPECT_EQ(edit->Text().size(), 204u);
    EXPECT_EQ(edit->UndoStack().Count(), 0);
}

TEST_F(SkEditTest, ContextMenuTextsRulesAndActions)
{
    // The texts come from the program's string table.
    wchar_t buffer[32] = {};
    EXPECT_GT(LoadStringW(GetModuleHandleW(nullptr), SkEditMenuSelectAll, buffer, 32), 0);
    edit->SetText(L"abc");
    EXPECT_EQ(Menu(L"Select All"), (Items{L"Paste", L"Select All"}));
    EXPECT_EQ(edit->menu->shownWith, edit->ContextMenuOptions());
    EXPECT_EQ(Menu(), (Items{L"Cut", L"Copy", L"Paste", L"Delete"}));
    edit->SetCaret(1);
    Type("d");
    EXPECT_EQ(Menu(), (Items{L"Undo", L"Paste", L"Select All"}));
    std::vector<std::wstring> captions;
    for (const auto& item : edit->ContextMenu()->Items())
        captions.push_back(item.Caption);
    EXPECT_EQ(captions,
              (Items{L"Undo", L"-", L"Cut", L"Copy", L"Paste", L"Delete", L"-", L"Select All"}));
    edit->Select(0, 2);
    Menu(L"Copy");
    EXPECT_EQ(Clipboard().AsTextWide(), L"ad");
    Menu(L"Delete");
    EXPECT_EQ(edit->Text(), L"bc");
    Menu(L"Undo");
    EXPECT_EQ(edit->Text(), L"adbc");
    edit->SetCaret(4);
    Menu(L"Paste");
    EXPECT_EQ(edit->Text(), L"adbcad");
}

TEST_F(SkEditTest, AutoSizeIsOneLineAndTwoMarginsAndFollowsTheFont)
{
    RECT client;
    edit->GetClientArea(client);
    EXPECT_EQ(edit->Height(), 2 * client.top + Extent(L"Pq").cy);
    const int small = edit->Height();
    TFont big;
    big.Assign(edit->Font());
    big.SetHeight(-30);
    edit->SetFont(&big);
    EXPECT_EQ(edit->Height(), 2 * client.top + Extent(L"Pq").cy);
    EXPECT_GT(edit->Height(), small + 10);
    edit->SetAutoSize(false);
    edit->SetBounds(10, 10, 177, 60);
    EXPECT_EQ(edit->Height(), 60);
}

TEST_F(SkEditTest, CharactersOutsideTheCodePageSurviveAllButTheCaseRoundTrip)
{
    const std::wstring foreign = L"p\x0142yta \x6F22\x5B57.bin";
    Clipboard().SetAsTextWide(foreign);
    Ctrl('V');
    EXPECT_EQ(edit->Text(), foreign);
    // The window's copy, which other programs read, has them too.
    wchar_t shown[64] = {};
    EXPECT_EQ(std::wstring(shown, InternalGetWindowText(edit->Handle(), shown, 64)), foreign);
    edit->SelectAll();
    Ctrl('C');
    EXPECT_EQ(Clipboard().AsTextWide(), foreign);
    edit->SetCharCase(ecUpperCase);
    std::string upper = WideToAnsi(foreign);
    CharUpperBuffA(&upper[0], DWORD(upper.size()));
    EXPECT_EQ(edit->Text(), AnsiToWide(upper));
    EXPECT_EQ(edit->Text().substr(edit->Text().size() - 4), L".BIN");
}

TEST_F(SkEditTest, BadInputNeitherCrashesNorHangsNorLosesText)
{
    // A 10 MB paste lands whole, and the caret at its end is placed quickly.
    const std::wstring huge(5'000'000, L'h');
    Clipboard().SetAsTextWide(huge);
    const auto start = std::chrono::steady_clock::now();
    Ctrl('V');
    PumpFor(20);
    EXPECT_EQ(edit->Text().size(), huge.size());
    EXPECT_EQ(edit->CaretPos(), int(huge.size()));
    Press(VK_HOME);
    Press(VK_END, {VK_SHIFT});
    EXPECT_EQ(edit->SelCount(), int(huge.size()));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    // NULs and lone surrogates are characters like any other.
    const std::wstring odd{L'a', L'\0', L'\xD800', L'b', L'\xDC00'};
    edit->SetText(odd);
    Press(VK_END);
    Press(VK_LEFT, {VK_SHIFT});
    Press(VK_LEFT, {VK_SHIFT});
    Ctrl('X');
    EXPECT_EQ(edit->Text(), odd.substr(0, 3));
    EXPECT_EQ(Clipboard().AsTextWide(), odd.substr(3));
    Ctrl('V');
    EXPECT_EQ(edit->Text(), odd);
    TestDib dib(edit->Width(), edit->Height());
    edit->PaintTo(dib.DC(), 0, 0);

    // Typing stays linear: a character at the end of 10,000 costs about
    // what one at the end of a short text does.
    auto typing = [&](int length) {
        edit->SetText(std::wstring(size_t(length), L'x'));
        Press(VK_END);
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 0; i < 200; ++i) {
            Type("y");
            UpdateWindow(edit->Handle());
        }
        return std::chrono::steady_clock::now() - t0;
    };
    const auto shortText = typing(10);
    EXPECT_LT(typing(10'000), shortText * 5 + std::chrono::milliseconds(50));
}

TEST_F(SkEditTest, PaintsSelectionGlyphsAndTheThemeFrame)
{
    auto render = [&] {
        auto dib = std::make_unique<TestDib>(edit->Width(), edit->Height());
        edit->PaintTo(dib->DC(), 0, 0);
        return dib;
    };
    RECT client;
    edit->GetClientArea(client);
    const int left = edit->CaretX(0), top = client.top;
    const int w = TextWidth(L"W"), h = edit->Height() - 2 * top;
    const int midX = left + w / 2, midY = top + h / 2;
    const uint32_t ink = Rgb(GetSysColor(COLOR_WINDOWTEXT)), paper = Rgb(GetSysColor(COLOR_WINDOW));

    // Each glyph keeps inside its cell and off its top margin: the
    // rectangle fills the cell less 2 and 3 pixels, the circle cuts its
    // corners, the triangle narrows from its base to a one-pixel apex.
    edit->SetText(L"ab");
    edit->SetCaret(2);
    const int cornerX = left + 2, cornerY = top + 3;
    std::vector<std::vector<int>> rows;  // inked pixels per row, by kind
    for (TPasswordKind kind : {pkRect, pkCircle, pkTriangle}) {
        edit->SetPasswordKind(kind);
        auto dib = render();
        EXPECT_EQ(dib->Pixel(midX, midY), ink) << kind;
        EXPECT_EQ(dib->Pixel(cornerX, cornerY) == ink, kind == pkRect) << kind;
        std::vector<int> row;
        for (int y = top; y < top + h; ++y) {
            int count = 0;
            for (int x = left - 1; x <= left + w; ++x)
                if (dib->Pixel(x, y) == ink) {
                    ++count;
                    EXPECT_TRUE(x >= cornerX && x < left + w && y >= cornerY) << kind;
                }
            if (count)
                row.push_back(count);
        }
        rows.push_back(row);
    }
    EXPECT_EQ(rows[0], std::vector<int>(size_t(h - 6), w - 4));
    EXPECT_LT(rows[1].front(), rows[1][rows[1].size() / 2]);
    EXPECT_EQ(rows[2].front(), 1);
    EXPECT_TRUE(std::is_sorted(rows[2].begin(), rows[2].end()));
    EXPECT_GT(rows[2].back(), w - 4);

    // The selection is highlighted while focused, hidden when not.
    edit->SetPasswordKind(pkNone);
    edit->SetText(L"WWWW");
    edit->Select(1, 2);
    const uint32_t highlight = Rgb(GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(render()->Pixel(left + w + 1, top + 1), highlight);
    EXPECT_EQ(render()->Pixel(left + 1, top + 1), paper);
    // Keys reach the window on screen, one repaint after another.
    auto onScreen = [&] {
        PumpFor(30);
        HDC dc = GetDC(edit->Handle());
        const uint32_t pixel = Rgb(GetPixel(dc, left + w + 1, top + 1));
        ReleaseDC(edit->Handle(), dc);
        return pixel;
    };
    for (int round = 0; round < 2; ++round) {
        Press(VK_END);
        EXPECT_EQ(onScreen(), paper);
        Press(VK_HOME, {VK_SHIFT});
        EXPECT_EQ(onScreen(), highlight);
    }
    AddControl<TSkCustomEdit>(form.get(), 10, 50, 100, 20)->SetFocus();
    PumpFor(20);
    EXPECT_EQ(render()->Pixel(left + w + 1, top + 1), paper);

    // With a theme the frame and the background are the theme's.
    auto* stylist = new TSkStylist(form.get());
    auto* theme = new TFrameTheme;
    stylist->SetTheme(theme);
    edit->SetStylist(stylist);
    edit->SetEnabled(false);
    EXPECT_EQ(render()->Pixel(left, top), Rgb(TFrameTheme::Window));
    EXPECT_EQ(theme->frames.back(), kesDisabled);
    stylist->Free();
    EXPECT_EQ(edit->Stylist(), nullptr);
    EXPECT_EQ(render()->Pixel(left, top), paper);
}

TEST(SkEditDescription, BevelsBorderInputMethodAndMenuOptionsReadAndWriteBack)
{
    // What each edit stores after AutoSize, the last of the base's lines.
    const std::pair<std::string, std::string> stored[] = {
        {"plain", "    BevelSides = [kbsTop, kbsBottom]\r\n    BevelInner = kbvRaised\r\n"
                  "    BevelKind = kbkNone\r\n    BevelWidth = 2\r\n    BorderWidth = 5\r\n"
                  "    ContextMenuOptions.Shadow.Enabled = True\r\n"
                  "    ImeMode = imClose\r\n    ImeName = 'Pinyin'\r\n"},
        {"soft", "    BevelKind = kbkSoft\r\n    BorderWidth = 0\r\n"}};
    TSkControlsUnit unit;
    std::string text = "object Form1: TForm\r\n";
    for (const auto& [name, lines] : stored)
        text += "  object " + name + ": TSkThemeEdit\r\n" + lines + "  end\r\n";
    Owned<TForm> form(static_cast<TForm*>(ReadComponentText(text + "end\r\n")));
    const std::string written = WriteComponentText(form.get());
    const std::string last = "AutoSize = True\r\n";
    for (const auto& [name, lines] : stored) {
        const size_t from = written.find(last, written.find(name + ": ")) + last.size();
        EXPECT_EQ(written.substr(from, written.find("  end", from) - from), lines) << name;
    }

    // The setter copies into the edit's own options.
    auto* plain = static_cast<TSkThemeEdit*>(form->FindComponent("plain"));
    auto* soft = static_cast<TSkThemeEdit*>(form->FindComponent("soft"));
    soft->SetContextMenuOptions(plain->ContextMenuOptions());
    EXPECT_TRUE(soft->ContextMenuOptions()->Shadow()->Enabled());
    EXPECT_NE(soft->ContextMenuOptions(), plain->ContextMenuOptions());
}

TEST_F(SkEditTest, ImeModeDisableDetachesTheInputMethodOnlyWhileFocused)
{
    // Opening and closing cannot be seen without an input method installed;
    // which context the window has can, where input contexts exist at all.
    HIMC own = ImmCreateContext();
    if (!own)
        GTEST_SKIP() << "this system makes no input contexts";
    auto* other = AddControl<TSkThemeEdit>(form.get(), 10, 50, 100, 23);
    ImmAssociateContext(edit->Handle(), own);
    auto whileFocused = [&] {
        edit->SetFocus();
        PumpFor(20);
        HIMC found = ImmAssociateContext(edit->Handle(), nullptr);
        ImmAssociateContext(edit->Handle(), found);
        other->SetFocus();
        PumpFor(20);
        return found;
    };
    EXPECT_EQ(whileFocused(), own);
    edit->SetImeMode(imDisable);
    EXPECT_EQ(whileFocused(), nullptr);
    EXPECT_EQ(ImmAssociateContext(edit->Handle(), nullptr), own);
    ImmDestroyContext(own);
}

#include "framework/controls/edit.h"

#include "framework/base/ansi.h"
#include "framework/base/clipboard.h"
#include "framework/base/codepages.h"
#include "framework/graphics/graphicsobjects.h"
#include "framework/base/linebreaks.h"
#include "framework/components/properties.h"

#include <algorithm>
#include <climits>
#include <cstdint>

FW_IMPLEMENT_CLASS(TCustomEdit, TWinControl)
FW_PUBLISH(TCustomEdit)
{
    // The text is stored as Text (edit) or Lines (memo), not as a caption.
    p.Property("Caption", &T::Caption, &T::SetCaption).Stored(false);
    p.Property("TabStop", &T::TabStop, &T::SetTabStop).Default(true);
    p.Property("MaxLength", &T::MaxLength, &T::SetMaxLength).Default(0);
    p.Property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
    p.Property("OnChange", &T::ChangeEvent, &T::SetChangeEvent);
}

FW_IMPLEMENT_CLASS(TEdit, TCustomEdit)
FW_PUBLISH(TEdit)
{
    p.Property("AutoSize", &T::AutoSize, &T::SetAutoSize).Default(true);
    p.Property("Text", &T::Text, &T::SetText);
}

FW_IMPLEMENT_CLASS(TMemoStrings, TStrings)
FW_PUBLISH(TMemoStrings)
{
    p.Property("Strings", &T::AllLines, &T::SetAllLines);
}

FW_IMPLEMENT_CLASS(TCustomMemo, TCustomEdit)
FW_PUBLISH(TCustomMemo)
{
    p.Enum("Alignment", &T::Alignment, &T::SetAlignment,
           {"taLeftJustify", "taRightJustify", "taCenter"})
        .Default(taLeftJustify);
    p.Property("Lines", &T::StoredLines);
    p.Enum("ScrollBars", &T::ScrollBars, &T::SetScrollBars,
           {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"})
        .Default(ssNone);
    p.Property("WantReturns", &T::WantReturns, &T::SetWantReturns).Default(true);
    p.Property("WantTabs", &T::WantTabs, &T::SetWantTabs).Default(false);
    p.Property("WordWrap", &T::WordWrap, &T::SetWordWrap).Default(true);
}

FW_IMPLEMENT_CLASS(TMemo, TCustomMemo)

const char* const MemoCapacityMessage = "Text exceeds memo capacity";

namespace {

// What a memo holds unless MaxLength says less: a megabyte of characters.
// The native edit's cost to lay out a text, measured under Wine on these
// machines (both builds, two other builds running): about 10 us for each
// line that holds anything, 0.2 us for an ordinary character, and some 15 us
// more for each control character (a tab too) on a line of its own text;
// with word wrap a line costs in proportion to the square of its length
// (16,000 characters on one line: 7 s). The limits below keep any text it
// takes at about a second: a megabyte of ordinary lines, of tab-indented
// ones or of eight-character ones takes well under that.
constexpr size_t DefaultMemoCapacity = size_t(1) << 20;
// Even unwrapped, each keystroke measures its whole line again: 0.1 s here.
constexpr size_t LongestLine = size_t(1) << 16;
// The costs in ordinary characters, and the budget: 1.25 s on a busy
// machine, a third less on a quiet one.
constexpr uint64_t FilledLineWeight = 48;
constexpr uint64_t ControlWeight = 96;
constexpr uint64_t LayoutBudget = uint64_t(12) << 19;
// Wrapped, a text of 64 K characters in lines of 250, or one line of 4,000,
// takes about 0.2 s; past that a text is shown unwrapped.
constexpr size_t LargestWrappedText = size_t(1) << 16;
constexpr uint64_t WrapBudget = 16000000;
// A paste past this many characters goes through the same limits as a
// loaded text; a shorter one leaves a wrapped line short enough to edit.
constexpr size_t LargestNativePaste = 1024;

// What the window counts and what its layout costs, from one pass over a
// CR LF text (line lengths in the window's characters).
struct TextShape {
    size_t characters = 0;
    uint64_t work = 0;  // in ordinary characters
    size_t longestLine = 0;
    uint64_t squaredLines = 0;  // the sum of each line's length squared
};

bool IsControl(wchar_t c)
{
    return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

TextShape ShapeOf(const std::string& text)
{
    TextShape shape;
    const int count = text.size() > static_cast<size_t>(INT_MAX) ? 0
        : MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (count <= 0 && !text.empty()) {  // no measure of it: too much
        shape.characters = shape.longestLine = text.size();
        shape.work = UINT64_MAX;
        return shape;
    }
    std::wstring wide(static_cast<size_t>(count), L'\0');
    if (count > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], count);
    shape.characters = wide.size();
    uint64_t line = 0;
    auto endLine = [&] {
        shape.work += line > 0 ? FilledLineWeight : 0;
        shape.longestLine = std::max(shape.longestLine, static_cast<size_t>(line));
        shape.squaredLines += line * line;
        line = 0;
    };
    for (size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == L'\r' && i + 1 < wide.size() && wide[i + 1] == L'\n') {
            endLine();
            ++i;
            continue;
        }
        ++line;
        shape.work += IsControl(wide[i]) ? ControlWeight : 1;
    }
    endLine();
    return shape;
}

bool LaysOutQuickly(const TextShape& shape)
{
    return shape.longestLine <= LongestLine && shape.work <= LayoutBudget;
}

bool WrapsQuickly(const TextShape& shape)
{
    return shape.characters <= LargestWrappedText && shape.squaredLines <= WrapBudget;
}

std::wstring WindowTextWide(HWND window)
{
    const int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], n + 1)));
    return text;
}

std::string JoinLines(const std::vector<std::string>& lines, bool trailingBreak)
{
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    if (trailingBreak && !lines.empty())
        text += "\r\n";
    return text;
}

bool EndsWithBreak(const std::string& text)
{
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

} // namespace

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner)
{
    SetControlStyle(TControlStyle{csClickEvents, csSetCaption, csDoubleClicks});
    SetBounds(0, 0, 121, 21);
    SetTabStop(true);
    SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    CreateSubClass(params, "EDIT");
    params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    params.ExStyle |= WS_EX_CLIENTEDGE;
    if (readOnly_)
        params.Style |= ES_READONLY;
    // The text goes in once the length limit is set (see CreateWnd).
    params.Caption.clear();
}

void TCustomEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    HWND window = Handle();
    SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
    if (!text_.empty()) {
        // The text held while there was no window: not a change.
        settingInitialText_ = true;
        SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text_.c_str()));
        settingInitialText_ = false;
    }
    if (autoSize_)
        AdjustHeight();
}

void TCustomEdit::SetReadOnly(bool value)
{
    if (value == readOnly_)
        return;
    readOnly_ = value;
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETREADONLY, value, 0);
}

void TCustomEdit::SetMaxLength(int value)
{
    value = std::max(0, value);
    if (value == maxLength_)
        return;
    maxLength_ = value;
    if (HandleAllocated())
        SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(value), 0);
}

void TCustomEdit::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    if (value)
        AdjustHeight();
}

// The font's line height plus the sunken frame and a margin above and below.
void TCustomEdit::AdjustHeight()
{
    if (ComponentState().Contains(csLoading))
        return;
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    SetHeight(metrics.tmHeight + GetSystemMetrics(SM_CYBORDER) * 8);
}

int TCustomEdit::SelStart()
{
    DWORD start = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int value)
{
    SendMessageA(Handle(), EM_SETSEL, static_cast<WPARAM>(value), value);
}

int TCustomEdit::SelLength()
{
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int value)
{
    DWORD start = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    SendMessageA(Handle(), EM_SETSEL, start, static_cast<LPARAM>(start + std::max(0, value)));
    SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
}

std::string TCustomEdit::SelText() const
{
    auto* self = const_cast<TCustomEdit*>(this);
    if (!HandleAllocated())
        return std::string();
    const std::wstring text = WindowTextWide(self->Handle());
    const size_t start = static_cast<size_t>(self->SelStart());
    const size_t length = static_cast<size_t>(self->SelLength());
    return WideToAnsi(text.substr(std::min(start, text.size()), length));
}

void TCustomEdit::SelectAll()
{
    if (HandleAllocated())
        SendMessageA(Handle(), EM_SETSEL, 0, -1);
}

bool TCustomEdit::Modified() const
{
    auto* self = const_cast<TCustomEdit*>(this);
    return HandleAllocated() && SendMessageA(self->Handle(), EM_GETMODIFY, 0, 0) != 0;
}

void TCustomEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomEdit::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case CN_COMMAND:
        CNCommand(TWMCommand(message));
        return;
    case CM_TEXTCHANGED:
        CMTextChanged(message);
        return;
    case CM_FONTCHANGED:
        CMFontChanged(message);
        return;
    default:
        TWinControl::Dispatch(message);
    }
}

void TCustomEdit::CNCommand(const TWMCommand& command)
{
    if (command.NotifyCode == EN_CHANGE && !settingInitialText_)
        Change();
}

// A multi-line window does not report text set by the program.
void TCustomEdit::CMTextChanged(TMessage& message)
{
    if (!HandleAllocated() || (GetWindowLongPtrA(Handle(), GWL_STYLE) & ES_MULTILINE))
        Change();
    TWinControl::Dispatch(message);
}

void TCustomEdit::CMFontChanged(TMessage& message)
{
    TWinControl::Dispatch(message);
    if (autoSize_)
        AdjustHeight();
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner)
{
}

// ---------------------------------------------------------------- memo lines

std::vector<std::string> TMemoStrings::Lines() const
{
    return SplitLines(memo_->Text());
}

void TMemoStrings::SetLines(const std::vector<std::string>& lines, bool trailingBreak)
{
    memo_->ReplaceText(JoinLines(lines, trailingBreak));
}

void TMemoStrings::CheckIndex(int index, int limit) const
{
    if (index < 0 || index > limit)
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

int TMemoStrings::Count() const
{
    return static_cast<int>(Lines().size());
}

std::string TMemoStrings::Get(int index) const
{
    const std::vector<std::string> lines = Lines();
    CheckIndex(index, static_cast<int>(lines.size()) - 1);
    return lines[static_cast<size_t>(index)];
}

void TMemoStrings::Put(int index, const std::string& line)
{
    std::vector<std::string> lines = Lines();
    CheckIndex(index, static_cast<int>(lines.size()) - 1);
    lines[static_cast<size_t>(index)] = line;
    SetLines(lines, EndsWithBreak(memo_->Text()));
}

void TMemoStrings::Insert(int index, const std::string& line)
{
    const std::string text = memo_->Text();
    std::vector<std::string> lines = SplitLines(text);
    CheckIndex(index, static_cast<int>(lines.size()));
    lines.insert(lines.begin() + index, line);
    SetLines(lines, EndsWithBreak(text));
}

void TMemoStrings::Delete(int index)
{
    const std::string text = memo_->Text();
    std::vector<std::string> lines = SplitLines(text);
    CheckIndex(index, static_cast<int>(lines.size()) - 1);
    lines.erase(lines.begin() + index);
    SetLines(lines, EndsWithBreak(text));
}

void TMemoStrings::Clear()
{
    memo_->ReplaceText(std::string());
}

std::string TMemoStrings::Text() const
{
    return memo_->Text();
}

void TMemoStrings::SetText(const std::string& text)
{
    memo_->ReplaceText(text);
}

void TMemoStrings::Assign(const TPersistent* source)
{
    if (source && source->InheritsFrom(TStrings::StaticClass())) {
        SetLines(static_cast<const TStrings*>(source)->ToVector(), false);
        return;
    }
    TStrings::Assign(source);
}

TPersistent* TMemoStrings::GetOwner() const
{
    return memo_;
}

// No repainting while a batch of changes runs.
void TMemoStrings::SetUpdateState(bool updating)
{
    if (!memo_->HandleAllocated())
        return;
    SendMessageA(memo_->Handle(), WM_SETREDRAW, !updating, 0);
    if (!updating)
        memo_->Invalidate();
}

// ---------------------------------------------------------------------- memo

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(this))
{
    SetAutoSize(false);
    SetBounds(0, 0, 185, 89);
}

TCustomMemo::~TCustomMemo()
{
    // The window goes before the line list it may still report to.
    TCustomMemo::BeforeDestruction();
}

void TCustomMemo::CreateParams(TCreateParams& params)
{
    TCustomEdit::CreateParams(params);
    params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    params.Style |= ES_MULTILINE;
    if (!Wraps())
        params.Style |= ES_AUTOHSCROLL;
    if (scrollBars_ == ssVertical || scrollBars_ == ssBoth)
        params.Style |= WS_VSCROLL;
    if ((scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) && !Wraps())
        params.Style |= WS_HSCROLL;
    static const DWORD alignments[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
    params.Style |= alignments[alignment_];
}

void TCustomMemo::StyleChanged()
{
    RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool value)
{
    if (value == wordWrap_)
        return;
    wordWrap_ = value;
    StyleChanged();
}

void TCustomMemo::SetScrollBars(TScrollStyle value)
{
    if (value == scrollBars_)
        return;
    scrollBars_ = value;
    StyleChanged();
}

void TCustomMemo::SetAlignment(TAlignment value)
{
    if (value == alignment_)
        return;
    alignment_ = value;
    StyleChanged();
}

// Line breaks become CR LF first; an equal text leaves the window alone.
// A NUL cannot live in the window's text: it is shown as a blank rather
// than cutting the rest off. A text the window would take long to lay out
// is refused; one it would take long to wrap is shown unwrapped.
void TCustomMemo::ReplaceText(const std::string& text)
{
    const size_t capacity = Capacity();
    // At least one character for every two bytes: far too long is refused
    // before anything is copied.
    if (text.size() / 2 > capacity)
        throw EInvalidOperation(MemoCapacityMessage);
    std::string normalized = NormalizeLineBreaks(text, AnsiLeadBytes());
    std::replace(normalized.begin(), normalized.end(), '\0', ' ');
    const std::string old = Text();
    if (normalized == old)
        return;
    const TextShape shape = ShapeOf(normalized);
    const size_t characters = shape.characters;
    if (characters > capacity || !LaysOutQuickly(shape))
        throw EInvalidOperation(MemoCapacityMessage);
    const bool wrapsQuickly = WrapsQuickly(shape);
    if (!HandleAllocated()) {
        text_ = normalized;
        textWrapsQuickly_ = wrapsQuickly;
        Perform(CM_TEXTCHANGED);
        return;
    }
    const bool oldWrapsQuickly = textWrapsQuickly_;
    const bool restyle = wordWrap_ && wrapsQuickly != oldWrapsQuickly;
    bool accepted = true;
    if (restyle)
        RecreateWithText(normalized, wrapsQuickly);
    else
        accepted = Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(normalized.c_str())) != 0;
    textWrapsQuickly_ = wrapsQuickly;
    // Held means all of it: the window counts characters, not bytes.
    if (!accepted || static_cast<size_t>(GetWindowTextLengthW(Handle())) != characters) {
        if (restyle)
            RecreateWithText(old, oldWrapsQuickly);
        else
            Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(old.c_str()));
        textWrapsQuickly_ = oldWrapsQuickly;
        throw EInvalidOperation(MemoCapacityMessage);
    }
    Perform(CM_TEXTCHANGED);
}

// The new window is made with the text it is to show: the old text is never
// laid out in the new style.
void TCustomMemo::RecreateWithText(const std::string& text, bool wrapsQuickly)
{
    const bool focused = GetFocus() == Handle();
    DestroyHandle();
    text_ = text;
    textWrapsQuickly_ = wrapsQuickly;
    CreateHandle();
    if (focused)
        ::SetFocus(Handle());
}

size_t TCustomMemo::Capacity()
{
    size_t capacity = MaxLength() > 0 ? static_cast<size_t>(MaxLength()) : DefaultMemoCapacity;
    if (HandleAllocated())
        capacity = std::min(capacity, static_cast<size_t>(static_cast<DWORD>(Perform(EM_GETLIMITTEXT))));
    return capacity;
}

void TCustomMemo::Dispatch(TMessage& message)
{
    if (message.Msg == WM_GETDLGCODE)
        WMGetDlgCode(message);
    else if (message.Msg == WM_PASTE)
        WMPaste(message);
    else
        TCustomEdit::Dispatch(message);
}

// A large paste replaces the whole text, so that one that would take the
// window long to lay out is refused (or shown unwrapped) rather than
// freezing the program. It cannot be undone.
void TCustomMemo::WMPaste(TMessage& message)
{
    const std::wstring pasted = Clipboard().AsTextWide();
    if (pasted.size() <= LargestNativePaste || ReadOnly()) {
        TCustomEdit::Dispatch(message);
        return;
    }
    HWND window = Handle();
    std::wstring text = WindowTextWide(window);
    DWORD start = 0, end = 0;
    SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    start = std::min<DWORD>(start, static_cast<DWORD>(text.size()));
    text.replace(start, std::max(start, end) - start, pasted);
    ReplaceText(WideToAnsi(text));
    const std::string added = NormalizeLineBreaks(WideToAnsi(pasted), AnsiLeadBytes());
    const size_t caret = start + static_cast<size_t>(std::max(0, MultiByteToWideChar(
        CP_ACP, 0, added.data(), static_cast<int>(added.size()), nullptr, 0)));
    SendMessageW(Handle(), EM_SETSEL, caret, static_cast<LPARAM>(caret));
    SendMessageW(Handle(), EM_SCROLLCARET, 0, 0);
    SendMessageW(Handle(), EM_SETMODIFY, TRUE, 0);
}

// Tab and Return are the memo's own only when it wants them.
void TCustomMemo::WMGetDlgCode(TMessage& message)
{
    TCustomEdit::Dispatch(message);
    if (wantTabs_)
        message.Result |= DLGC_WANTTAB;
    else
        message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
    if (!wantReturns_)
        message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
}

void TCustomMemo::KeyPress(char& key)
{
    TCustomEdit::KeyPress(key);
    if ((key == '\r' && !wantReturns_) || (key == '\t' && !wantTabs_))
        key = 0;
}

TMemo::TMemo(TComponent* owner) : TCustomMemo(owner)
{
}

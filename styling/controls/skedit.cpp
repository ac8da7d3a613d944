#include "styling/controls/skedit.h"
#include "styling/menus/skeditmenu.h"
#include "framework/controls/popupmenu.h"

#include "framework/base/ansi.h"
#include "framework/base/dcguards.h"
#include "framework/components/properties.h"
#include "framework/graphics/canvasguards.h"
#include "styling/controls/skeditstrings.h"
#include "styling/core/skdraw.h"
#include "styling/core/sktext.h"

#include <imm.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <utility>

FW_IMPLEMENT_CLASS(TSkCustomEdit, TSkCustomControl)
namespace {
const std::initializer_list<const char*> BevelCutIdents = {
    "kbvNone", "kbvLowered", "kbvRaised", "kbvSpace", "kbvBorder", "kbvFlatBorder"};
} // namespace

FW_PUBLISH(TSkCustomEdit)
{
    p.Property("AutoSelect", &T::AutoSelect, &T::SetAutoSelect).Default(true);
    // Made with AutoSize on, so the value is always stored.
    p.Property("AutoSize", &T::AutoSize, &T::SetAutoSize);
    // The kind comes after the cuts: setting a cut clears the kind, and
    // setting the kind sets both cuts.
    p.Set("BevelSides", &T::BevelSides, &T::SetBevelSides,
          {"kbsLeft", "kbsTop", "kbsRight", "kbsBottom"})
        .Default(TSkBevelSides{kbvLeft, kbvTop, kbvRight, kbvBottom});
    p.Enum("BevelInner", &T::BevelInner, &T::SetBevelInner, BevelCutIdents).Default(kbvLowered);
    p.Enum("BevelOuter", &T::BevelOuter, &T::SetBevelOuter, BevelCutIdents).Default(kbvLowered);
    p.Enum("BevelKind", &T::BevelKind, &T::SetBevelKind,
           {"kbkNone", "kbkSingle", "kbkTile", "kbkSoft", "kbkBorder", "kbkFlat"})
        .Default(kbkSingle);
    p.Property("BevelWidth", &T::BevelWidth, &T::SetBevelWidth).Default(1);
    p.Property("BorderWidth", &T::BorderWidth, &T::SetBorderWidth).Default(3);
    p.Enum("CharCase", &T::CharCase, &T::SetCharCase, {"ecNormal", "ecUpperCase", "ecLowerCase"})
        .Default(ecNormal);
    p.Property("ContextMenuOptions", &T::ContextMenuOptions, &T::SetContextMenuOptions);
    p.Property("HideSelection", &T::HideSelection, &T::SetHideSelection).Default(true);
    p.Enum("ImeMode", &T::ImeMode, &T::SetImeMode,
           {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha", "imHira",
            "imSKata", "imKata", "imChinese", "imSHanguel", "imHanguel"})
        .Default(imDontCare);
    p.Property("ImeName", &T::ImeName, &T::SetImeName);
    p.Property("MaxLength", &T::MaxLength, &T::SetMaxLength).Default(0);
    p.Enum("PasswordKind", &T::PasswordKind, &T::SetPasswordKind,
           {"pkNone", "pkChar", "pkRect", "pkRoundRect", "pkCircle", "pkTriangle"})
        .Default(pkNone);
    p.Property("PasswordWideChar", &T::PasswordCharCode, &T::SetPasswordCharCode).Default(0);
    p.Property("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Default(false);
    p.Property("Text", &T::Text, &T::SetText);
    p.Enum("TextAlignment", &T::TextAlignment, &T::SetTextAlignment,
           {"taLeftJustify", "taRightJustify", "taCenter"})
        .Default(taLeftJustify);
    p.Event("OnChange", &T::OnChange);
}

namespace {

constexpr UINT TextFlags = DT_NOPREFIX | DT_SINGLELINE;
constexpr unsigned ShiftOnly = 1u << ssShift;
constexpr unsigned CtrlOnly = 1u << ssCtrl;

bool IsBlank(wchar_t c)
{
    return c == L' ';
}

// Upper or lower case through the ANSI code page: what it cannot spell
// does not survive.
std::wstring ApplyCase(const std::wstring& value, TEditCharCase charCase)
{
    if (charCase == ecNormal || value.empty())
        return value;
    std::string ansi = WideToAnsi(value);
    if (!ansi.empty()) {
        if (charCase == ecUpperCase)
            CharUpperBuffA(&ansi[0], DWORD(ansi.size()));
        else
            CharLowerBuffA(&ansi[0], DWORD(ansi.size()));
    }
    return AnsiToWide(ansi);
}

} // namespace

TEditAction TEditActionStack::Pop()
{
    TEditAction top = std::move(items_.back());
    items_.pop_back();
    return top;
}

void TEditActionStack::RecordDeletion(int position, const std::wstring& text)
{
    if (text.empty())
        return;
    if (!items_.empty() && items_.back().Kind == TEditAction::Deleted) {
        TEditAction& top = items_.back();
        const int gap = top.Position - position;
        if (gap >= 0 && gap - int(text.size()) < 2) {
            if (position < 1)
                return;
            if (position >= top.Position)
                top.Text += text;
            else
                top.Text = text + top.Text;
            top.Position = position;
            return;
        }
    }
    TEditAction action;
    action.Kind = TEditAction::Deleted;
    action.Position = position;
    action.Text = text;
    Push(std::move(action));
}

void TEditActionStack::RecordInsertion(int position, int count, bool linked)
{
    if (count == 0)
        return;
    if (!items_.empty() && items_.back().Kind == TEditAction::Inserted &&
        items_.back().Position + items_.back().Count == position) {
        items_.back().Count += count;
        return;
    }
    TEditAction action;
    action.Kind = TEditAction::Inserted;
    action.Position = position;
    action.Count = count;
    action.Linked = linked;
    Push(std::move(action));
}

const TSkEditMenu::Item* TSkEditMenu::Find(const std::wstring& caption) const
{
    for (const Item& item : items_)
        if (item.Caption == caption)
            return &item;
    return nullptr;
}

void TSkEditMenu::Popup(HWND owner, POINT screen)
{
    HMENU menu = ::CreatePopupMenu();
    if (!menu)
        return;
    for (size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (item.Caption == L"-")
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuW(menu, MF_STRING | (item.Enabled ? 0 : MF_GRAYED), i + 1,
                        item.Caption.c_str());
    }
    const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                      screen.x, screen.y, 0, owner, nullptr);
    DestroyMenu(menu);
    if (chosen > 0 && size_t(chosen) <= items_.size()) {
        const Item& item = items_[size_t(chosen) - 1];
        if (item.Enabled && item.Action)
            item.Action();
    }
}

std::wstring SkEditMenuText(int id)
{
    const wchar_t* text = nullptr;
    const int length = LoadStringW(GetModuleHandleW(nullptr), UINT(id),
                                   reinterpret_cast<wchar_t*>(&text), 0);
    if (length > 0 && text)
        return std::wstring(text, size_t(length));
    // A program built without the string table still gets a usable menu.
    switch (id) {
    case SkEditMenuUndo: return L"Undo";
    case SkEditMenuCut: return L"Cut";
    case SkEditMenuCopy: return L"Copy";
    case SkEditMenuPaste: return L"Paste";
    case SkEditMenuDelete: return L"Delete";
    case SkEditMenuSelectAll: return L"Select All";
    default: return L"-";
    }
}

TSkCustomEdit::TSkCustomEdit(TComponent* owner)
    : TInherited(owner), menuOptions_(std::make_unique<TSkPopupMenuOptions>(this))
{
    SetPerformance(kspDoubleBuffer);
    SetBevelKind(kbkSingle);
    SetBevelWidth(1);
    SetBorderWidth(3);
    SetTabStop(true);
    SetBounds(Left(), Top(), 121, 21);
    SetColor(clWindow);
    SetControlStyle(ControlStyle() + TControlStyle{csCaptureMouse, csDoubleClicks});
    TInherited::SetCursor(crIBeam);
}

TSkCustomEdit::~TSkCustomEdit()
{
    if (measureDC_)
        DeleteDC(measureDC_);
}

int TSkCustomEdit::SelStart() const
{
    if (selLength_ < 0)
        return selOrigin_ + selLength_;
    if (selLength_ > 0)
        return selOrigin_;
    return caretPos_;
}

int TSkCustomEdit::SelCount() const
{
    return selLength_ < 0 ? -selLength_ : selLength_;
}

std::wstring TSkCustomEdit::SelText() const
{
    const int start = std::clamp(SelStart(), 0, Length());
    const int count = std::clamp(SelCount(), 0, Length() - start);
    return text_.substr(size_t(start), size_t(count));
}

void TSkCustomEdit::SetText(const std::wstring& value)
{
    if (!CanChange(value))
        return;
    const std::wstring before = std::exchange(text_, ApplyCase(value, charCase_));
    Repaint();
    if (text_ == before)
        return;
    ShowTextToOthers();
    Change();
}

// The window keeps a copy of the text, so that another program (a screen
// reader, an automation tool) reads it with WM_GETTEXT as from a system
// edit. Set past the control's own handler, which would take it back as a
// change; a password is not given away.
void TSkCustomEdit::ShowTextToOthers()
{
    if (HandleAllocated())
        DefWindowProcW(Handle(), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(Masked() ? L"" : text_.c_str()));
}

void TSkCustomEdit::CreateWnd()
{
    TInherited::CreateWnd();
    ShowTextToOthers();
}

void TSkCustomEdit::AssignText(const std::wstring& value)
{
    SetText(value);
}

bool TSkCustomEdit::CanChange(const std::wstring&)
{
    return true;
}

void TSkCustomEdit::Change()
{
    Perform(CM_CHANGED);
    if (Enabled() && HandleAllocated())
        PlaceCaret(caretPos_);
    else
        caretPos_ = std::min(caretPos_, Length());
    if (OnChange)
        OnChange(this);
}

void TSkCustomEdit::SetAutoSize(bool value)
{
    if (value == autoSize_)
        return;
    autoSize_ = value;
    AdjustSize();
}

void TSkCustomEdit::SetCharCase(TEditCharCase value)
{
    if (value == charCase_)
        return;
    charCase_ = value;
    if (!text_.empty())
        SetText(text_);
}

void TSkCustomEdit::SetHideSelection(bool value)
{
    if (value == hideSelection_)
        return;
    hideSelection_ = value;
    Repaint();
}

void TSkCustomEdit::SetPasswordWideChar(wchar_t value)
{
    if (value == passwordChar_)
        return;
    if (value != 0)
        passwordKind_ = pkChar;
    passwordChar_ = value;
    Repaint();
    PlaceCaret(caretPos_);
}

void TSkCustomEdit::SetPasswordKind(TPasswordKind value)
{
    if (value == passwordKind_)
        return;
    passwordKind_ = value;
    ShowTextToOthers();
    Repaint();
}

void TSkCustomEdit::SetTextAlignment(TAlignment value)
{
    if (value == textAlignment_)
        return;
    textAlignment_ = value;
    Repaint();
}

void TSkCustomEdit::SetContextMenuOptions(const TSkPopupMenuOptions* value)
{
    menuOptions_->Assign(value);
}

void TSkCustomEdit::SetCursor(TCursor value)
{
    TInherited::SetCursor(value == crDefault ? crIBeam : value);
}

// Measuring --------------------------------------------------------------

HDC TSkCustomEdit::MeasureDC()
{
    if (!measureDC_)
        measureDC_ = CreateCompatibleDC(nullptr);
    SelectObject(measureDC_, Font()->Handle());
    return measureDC_;
}

int TSkCustomEdit::LineHeight()
{
    SIZE size{0, 0};
    GetTextExtentPoint32W(MeasureDC(), L"Pq", 2, &size);
    return size.cy;
}

int TSkCustomEdit::GetPasswordCharWidth()
{
    int width = 10;
    SIZE size{0, 0};
    if (passwordKind_ == pkChar) {
        GetTextExtentPoint32W(MeasureDC(), &passwordChar_, 1, &size);
        width = size.cx;
    } else if (passwordKind_ != pkNone) {
        GetTextExtentPoint32W(MeasureDC(), L"W", 1, &size);
        width = size.cx;
    }
    return width == 0 ? 1 : width;
}

int TSkCustomEdit::TextWidth(int from, int to)
{
    from = std::clamp(from, 0, Length());
    to = std::clamp(to, from, Length());
    if (to == from)
        return 0;
    if (Masked())
        return (to - from) * GetPasswordCharWidth();
    SIZE size{0, 0};
    GetTextExtentPoint32W(MeasureDC(), text_.data() + from, to - from, &size);
    return size.cx;
}

// Every character of a screen font is at least a pixel wide, so no more
// than width + 1 characters can be seen: that bounds every measurement
// however long the text is.
int TSkCustomEdit::VisibleCount(int index, int width)
{
    index = std::clamp(index, 0, Length());
    return std::min(Length() - index, std::max(width, 0) + 1);
}

void TSkCustomEdit::GetTextArea(RECT& rect)
{
    GetClientArea(rect);
    rect.bottom = rect.top + LineHeight();
}

int TSkCustomEdit::AlignmentOffset(const RECT& area)
{
    if (textAlignment_ == taLeftJustify)
        return 0;
    const int areaWidth = area.right - area.left;
    const int textWidth = TextWidth(0, VisibleCount(0, areaWidth));
    if (areaWidth <= textWidth)
        return 0;
    const int room = areaWidth - textWidth;
    return textAlignment_ == taRightJustify ? room : room / 2;
}

int TSkCustomEdit::CaretX(int index)
{
    RECT area;
    GetTextArea(area);
    int x = area.left;
    if (index > 0) {
        const int from = firstVisible_ - 1;
        const int to = std::min(index, from + VisibleCount(from, area.right - area.left));
        x += TextWidth(from, to);
    }
    return x + AlignmentOffset(area);
}

int TSkCustomEdit::IndexAtX(int x)
{
    RECT area;
    GetTextArea(area);
    x -= AlignmentOffset(area);
    const int first = firstVisible_ - 1;
    if (Masked()) {
        const int index = first + (x - area.left) / GetPasswordCharWidth();
        return std::clamp(index, 0, Length());
    }
    const int count = VisibleCount(first, area.right - area.left);
    if (count <= 0)
        return std::clamp(first, 0, Length());
    // Left edges of each visible character, measured in one call.
    std::vector<int> ends(size_t(count), 0);
    SIZE size{0, 0};
    int fitted = 0;
    GetTextExtentExPointW(MeasureDC(), text_.data() + first, count, INT_MAX, &fitted, ends.data(),
                          &size);
    auto charWidth = [&](int k) { return ends[size_t(k)] - (k > 0 ? ends[size_t(k) - 1] : 0); };
    int index = first;
    int k = 0;
    int boundary = area.left + charWidth(0) / 2;
    while (x > boundary && index < Length() && boundary < area.right && k < count) {
        ++index;
        const int passed = charWidth(k);
        ++k;
        boundary += passed - passed / 2;
        if (k < count)
            boundary += charWidth(k) / 2;
    }
    return index;
}

void TSkCustomEdit::GetSelectionRect(RECT& rect)
{
    GetTextArea(rect);
    RECT area = rect;
    const int start = SelStart();
    rect.left = CaretX(start);
    rect.right = CaretX(start + SelCount());
    IntersectRect(&rect, &rect, &area);
}

// Caret and scrolling -----------------------------------------------------

// The first character from which the text up to end fits width, searching
// no further left than lowest.
int TSkCustomEdit::FirstFitting(int lowest, int end, int width)
{
    int first = lowest;
    if (Masked()) {
        first = std::max(lowest, end - width / GetPasswordCharWidth());
    } else if (end > lowest) {
        // Estimate from the running widths of one measurement, then settle
        // on the exact answer.
        std::vector<int> ends(size_t(end - lowest), 0);
        SIZE size{0, 0};
        int fitted = 0;
        GetTextExtentExPointW(MeasureDC(), text_.data() + lowest, end - lowest, INT_MAX, &fitted,
                              ends.data(), &size);
        const int total = ends.back();
        int j = 0;
        while (j < end - lowest && total - (j > 0 ? ends[size_t(j) - 1] : 0) > width)
            ++j;
        first = lowest + j;
    }
    const int last = std::max(Length() - 1, 0);
    while (first < end && first < last && TextWidth(first, end) > width)
        ++first;
    while (first > lowest && TextWidth(first - 1, end) <= width)
        --first;
    return std::min(first, last);
}

void TSkCustomEdit::ScrollToCaret()
{
    RECT area;
    GetTextArea(area);
    const int areaWidth = std::max<int>(area.right - area.left, 0);
    if (caretPos_ >= firstVisible_) {
        // No more than areaWidth + 1 characters before the caret can show.
        const int from = firstVisible_ - 1;
        const bool fits = caretPos_ - from <= areaWidth + 1 && TextWidth(from, caretPos_) <= areaWidth;
        if (!fits)
            firstVisible_ = FirstFitting(std::max(from, caretPos_ - (areaWidth + 1)), caretPos_,
                                         areaWidth) + 1;
    } else {
        firstVisible_ = std::max(1, caretPos_);
    }
    Repaint();
}

void TSkCustomEdit::PlaceCaret(int index)
{
    caretPos_ = std::clamp(index, 0, Length());
    ScrollToCaret();
    if (selLength_ == 0)
        selOrigin_ = caretPos_;
    if (caret_.Exists()) {
        RECT area;
        GetTextArea(area);
        const POINT at{CaretX(caretPos_), area.top};
        if (at.x != caretAt_.x || at.y != caretAt_.y)
            caret_.SetPosition(at.x, at.y);
        caretAt_ = at;
    }
}

void TSkCustomEdit::SetCaret(int index)
{
    selLength_ = 0;
    PlaceCaret(index);
}

void TSkCustomEdit::Select(int start, int count)
{
    start = std::clamp(start, 0, Length());
    count = std::clamp(count, 0, Length() - start);
    // The caret is the moving end: it sits at the far end of the selection.
    caretPos_ = start + count;
    selOrigin_ = caretPos_;
    selLength_ = -count;
    PlaceCaret(caretPos_);
}

void TSkCustomEdit::MoveCaret(int index, bool extend)
{
    const int old = caretPos_;
    index = std::clamp(index, 0, Length());
    if (extend) {
        selOrigin_ = index;
        selLength_ += old - index;
    } else {
        selLength_ = 0;
    }
    caretPos_ = index;
    Repaint();
}

// One edit asks for a repaint several times over, and each request is a
// trip to the window system: ask once until the paint has come.
void TSkCustomEdit::Repaint()
{
    if (repaintAsked_)
        return;
    repaintAsked_ = HandleAllocated();
    Invalidate();
}

void TSkCustomEdit::ShowEditCaret()
{
    caret_.Show();
}

void TSkCustomEdit::HideEditCaret()
{
    caret_.Hide();
}

// Editing -----------------------------------------------------------------

void TSkCustomEdit::SelectAll()
{
    Select(0, Length());
    Repaint();
}

void TSkCustomEdit::CopyToClipboard()
{
    if (Masked() || SelCount() == 0)
        return;
    Clipboard().SetAsTextWide(SelText());
}

void TSkCustomEdit::CutToClipboard()
{
    CopyToClipboard();
    DeleteSelection();
}

void TSkCustomEdit::DeleteSelection()
{
    if (readOnly_ || SelCount() == 0)
        return;
    const int start = std::clamp(SelStart(), 0, Length());
    const std::wstring removed = SelText();
    undo_.RecordDeletion(start + 1, removed);
    std::wstring rest = text_;
    rest.erase(size_t(start), removed.size());
    caretPos_ = start;
    selLength_ = 0;
    AssignText(rest);
    PlaceCaret(start);
}

void TSkCustomEdit::PasteFromClipboard()
{
    if (readOnly_)
        return;
    // An empty clipboard leaves the selection where it is.
    const std::wstring text = Clipboard().AsTextWide();
    if (!text.empty())
        ReplaceSelection(text);
}

void TSkCustomEdit::ReplaceSelection(const std::wstring& value)
{
    if (readOnly_)
        return;
    const int start = std::clamp(SelStart(), 0, Length());
    const std::wstring removed = SelText();
    std::wstring result = text_;
    result.erase(size_t(start), removed.size());
    if (maxLength_ > 0 && result.size() + value.size() > size_t(maxLength_))
        return;
    result.insert(size_t(start), value);
    undo_.RecordDeletion(start + 1, removed);
    undo_.RecordInsertion(start + 1, int(value.size()), !removed.empty());
    caretPos_ = start + int(value.size());
    selLength_ = 0;
    AssignText(result);
    PlaceCaret(caretPos_);
}

void TSkCustomEdit::Undo()
{
    while (undo_.AtLeast(1)) {
        const TEditAction action = undo_.Pop();
        const int at = std::clamp(action.Position - 1, 0, Length());
        std::wstring result = text_;
        if (action.Kind == TEditAction::Deleted) {
            std::wstring back = action.Text;
            if (maxLength_ > 0)
                back.resize(size_t(std::clamp(maxLength_ - Length(), 0, int(back.size()))));
            result.insert(size_t(at), back);
            selLength_ = 0;
            AssignText(result);
            Select(at, int(back.size()));
        } else {
            result.erase(size_t(at), size_t(std::max(action.Count, 0)));
            caretPos_ = at;
            selLength_ = 0;
            AssignText(result);
            SetCaret(at);
        }
        if (!action.Linked)
            break;
    }
}

// Word boundaries ---------------------------------------------------------

int TSkCustomEdit::PreviousWordStart(int index) const
{
    index = std::clamp(index, 0, Length());
    bool passedWord = false;
    while (index > 0) {
        const bool blank = IsBlank(text_[size_t(index) - 1]);
        if (blank && passedWord)
            break;
        if (!blank)
            passedWord = true;
        --index;
    }
    return index;
}

int TSkCustomEdit::NextWordStart(int index) const
{
    index = std::clamp(index, 0, Length());
    bool passedWord = false, passedGap = false;
    for (; index < Length(); ++index) {
        if (!IsBlank(text_[size_t(index)])) {
            if (passedGap)
                return index;
            passedWord = true;
        } else if (passedWord) {
            passedGap = true;
        }
    }
    if (!text_.empty() && IsBlank(text_.back()))
        return Length() - 1;
    return Length();
}

// Painting ------------------------------------------------------------------

void TSkCustomEdit::DrawBackground(const RECT& rect, TCanvas* canvas)
{
    FillRectColor(canvas, rect, Color());
}

void TSkCustomEdit::PaintClient()
{
    RECT area;
    GetTextArea(area);
    RECT back = area;
    back.bottom = Height() - area.top;
    DrawBackground(back, Canvas());
    const bool showSelection = (HasFocus() || !hideSelection_) && SelCount() > 0;
    if (showSelection) {
        RECT selection;
        GetSelectionRect(selection);
        FillRectColor(Canvas(), selection, clHighlight);
    }
    DrawEditText();
    if (showSelection)
        DrawSelectedText();
}

void TSkCustomEdit::DrawEditText()
{
    RECT area;
    GetTextArea(area);
    const int first = firstVisible_ - 1;
    const int count = VisibleCount(first, area.right - area.left);
    if (Masked()) {
        const int w = GetPasswordCharWidth();
        const int left = CaretX(0);
        for (int k = 0; k < count && left + k * w < area.right; ++k)
            DrawPasswordChar(RECT{left + k * w, area.top, left + (k + 1) * w, area.bottom}, false);
        return;
    }
    UINT flags = TextFlags;
    if (textAlignment_ == taRightJustify)
        flags |= DT_RIGHT;
    else if (textAlignment_ == taCenter)
        flags |= DT_CENTER;
    TCanvas* canvas = Canvas();
    canvas->SetFont(PaintFont());
    DrawTextWide(canvas, text_.substr(size_t(first), size_t(count)), area, flags);
}

// The selected characters are the same text again in the highlight colour,
// clipped to the selection: it lines up with the plain text exactly.
void TSkCustomEdit::DrawSelectedText()
{
    RECT selection;
    GetSelectionRect(selection);
    if (IsRectEmpty(&selection))
        return;
    TCanvas* canvas = Canvas();
    TCanvasStateGuard state(canvas);
    HDC dc = canvas->Handle();
    IntersectClipRect(dc, selection.left, selection.top, selection.right, selection.bottom);
    if (Masked()) {
        RECT area;
        GetTextArea(area);
        const int w = GetPasswordCharWidth();
        const int left = CaretX(0);
        const int from = std::max(0, SelStart() - (firstVisible_ - 1));
        const int to = SelStart() + SelCount() - (firstVisible_ - 1);
        for (int k = from; k < to && left + k * w < area.right; ++k)
            DrawPasswordChar(RECT{left + k * w, area.top, left + (k + 1) * w, area.bottom}, true);
        return;
    }
    const TColor plain = PaintFont()->Color();
    PaintFont()->SetColor(clHighlightText);
    DrawEditText();
    PaintFont()->SetColor(plain);
}

void TSkCustomEdit::DrawPasswordChar(const RECT& cell, bool selected)
{
    TCanvas* canvas = Canvas();
    TCanvasStateGuard state(canvas);
    HDC dc = canvas->Handle();
    IntersectClipRect(dc, cell.left, cell.top, cell.right, cell.bottom);
    const TColor color = selected ? clHighlightText : PaintFont()->Color();
    RECT shape = cell;
    InflateRect(&shape, -2, -3);
    const int width = shape.right - shape.left;
    switch (passwordKind_) {
    case pkChar: {
        canvas->SetFont(PaintFont());
        canvas->Font()->SetColor(color);
        RECT r = cell;
        DrawTextWide(canvas, std::wstring(1, passwordChar_), r, TextFlags);
        break;
    }
    case pkRect:
        FillRectColor(canvas, shape, color);
        break;
    case pkRoundRect:
        FillRoundRectColor(canvas, shape, 2, color);
        break;
    case pkCircle: {
        const int top = shape.top + (shape.bottom - shape.top - width) / 2;
        FillRoundRectColor(canvas, RECT{shape.left, top, shape.right, top + width}, width / 2 + 1,
                           color);
        break;
    }
    case pkTriangle: {
        const int side = width % 2 == 0 ? width + 1 : width;
        const int top = shape.top + (shape.bottom - shape.top - side) / 2;
        const RECT s{shape.left, top, shape.left + side, top + side};
        PolygonColor(canvas,
                     {TPoint{s.left + side / 2 + 1, s.top}, TPoint{s.right, s.bottom},
                      TPoint{s.left, s.bottom}},
                     color);
        break;
    }
    default:
        break;
    }
}

// Size ------------------------------------------------------------------------

int TSkCustomEdit::AutoHeight()
{
    RECT area;
    GetClientArea(area);
    return 2 * area.top + LineHeight();
}

bool TSkCustomEdit::SizesItself() const
{
    return autoSize_ && !ComponentState().Contains(csLoading);
}

void TSkCustomEdit::AdjustSize()
{
    if (SizesItself())
        SetBounds(Left(), Top(), Width(), Height());
}

// With AutoSize the height is always one line and its margins.
void TSkCustomEdit::SetBounds(int left, int top, int width, int height)
{
    TInherited::SetBounds(left, top, width, SizesItself() ? AutoHeight() : height);
}

void TSkCustomEdit::BorderChanged()
{
    TInherited::BorderChanged();
    AdjustSize();
}

void TSkCustomEdit::Loaded()
{
    TInherited::Loaded();
    AdjustSize();
}

// Focus, keys and mouse --------------------------------------------------------

void TSkCustomEdit::FocusEntered()
{
    SetCaret(0);
    if (autoSelect_)
        SelectAll();
}

// The system caret follows the window's real focus, which also comes and
// goes when another program is activated.
namespace {

// The conversion bits each specific mode asks for.
DWORD ModeConversion(TImeMode mode)
{
    switch (mode) {
    case imAlpha: return IME_CMODE_FULLSHAPE;
    case imHira: return IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
    case imSKata: return IME_CMODE_NATIVE | IME_CMODE_KATAKANA;
    case imKata: return IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_FULLSHAPE;
    case imChinese: return IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
    case imSHanguel: return IME_CMODE_NATIVE;
    case imHanguel: return IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
    default: return 0;
    }
}

HKL LayoutNamed(const std::wstring& name)
{
    const int count = GetKeyboardLayoutList(0, nullptr);
    std::vector<HKL> layouts(size_t(std::max(count, 0)));
    if (layouts.empty())
        return nullptr;
    GetKeyboardLayoutList(count, layouts.data());
    for (HKL layout : layouts) {
        wchar_t description[256] = {};
        if (ImmIsIME(layout) && ImmGetDescriptionW(layout, description, 255) > 0 &&
            lstrcmpiW(description, name.c_str()) == 0)
            return layout;
    }
    return nullptr;
}

} // namespace

void TSkCustomEdit::SetIme()
{
    if (!HandleAllocated() || ComponentState().Contains(csDesigning))
        return;
    if (!imeName_.empty()) {
        HKL wanted = LayoutNamed(imeName_);
        HKL current = GetKeyboardLayout(0);
        if (wanted && wanted != current && ActivateKeyboardLayout(wanted, 0))
            layoutBeforeIme_ = current;
    }
    if (imeMode_ == imDontCare)
        return;
    if (imeMode_ == imDisable) {
        if (!imeDetached_) {
            detachedContext_ = ImmAssociateContext(Handle(), nullptr);
            imeDetached_ = true;
        }
        return;
    }
    HIMC context = ImmGetContext(Handle());
    if (!context)
        return;
    ImmSetOpenStatus(context, imeMode_ != imClose);
    DWORD conversion = 0;
    DWORD sentence = 0;
    if (imeMode_ > imDontCare && ImmGetConversionStatus(context, &conversion, &sentence)) {
        constexpr DWORD Language = IME_CMODE_NATIVE | IME_CMODE_KATAKANA | IME_CMODE_FULLSHAPE;
        ImmSetConversionStatus(context, (conversion & ~Language) | ModeConversion(imeMode_),
                               sentence);
    }
    ImmReleaseContext(Handle(), context);
}

void TSkCustomEdit::ResetIme()
{
    if (!HandleAllocated())
        return;
    if (imeDetached_) {
        ImmAssociateContext(Handle(), detachedContext_);
        imeDetached_ = false;
        detachedContext_ = nullptr;
    }
    if (layoutBeforeIme_) {
        ActivateKeyboardLayout(layoutBeforeIme_, 0);
        layoutBeforeIme_ = nullptr;
    }
}

void TSkCustomEdit::CreateEditCaret()
{
    if (!HandleAllocated() || !caret_.Create(Handle(), 0, LineHeight()))
        return;
    caretAt_ = POINT{-1, -1};
    PlaceCaret(caretPos_);
    ShowEditCaret();
}

void TSkCustomEdit::KeyDown(unsigned short& key, unsigned shift)
{
    TInherited::KeyDown(key, shift);
    const bool ctrl = shift == CtrlOnly;
    const bool extend = (shift & ShiftOnly) != 0;
    switch (key) {
    case VK_LEFT:
        MoveCaret((shift & CtrlOnly) ? PreviousWordStart(caretPos_) : caretPos_ - 1, extend);
        break;
    case VK_RIGHT:
        MoveCaret((shift & CtrlOnly) ? NextWordStart(caretPos_) : caretPos_ + 1, extend);
        break;
    case VK_HOME:
        MoveCaret(0, extend);
        break;
    case VK_END:
        MoveCaret(Length(), extend);
        break;
    case 'C':
        if (ctrl)
            CopyToClipboard();
        break;
    case 'V':
        if (ctrl)
            PasteFromClipboard();
        break;
    case 'X':
        if (ctrl)
            CutToClipboard();
        break;
    case 'Z':
        if (ctrl)
            Undo();
        break;
    case VK_INSERT:
        if (ctrl)
            CopyToClipboard();
        else if (shift == ShiftOnly)
            PasteFromClipboard();
        break;
    case VK_BACK:
    case VK_DELETE:
        if (readOnly_)
            break;
        if (SelCount() > 0) {
            if (shift == ShiftOnly)
                CutToClipboard();
            else
                DeleteSelection();
        } else if (!text_.empty()) {
            std::wstring result = text_;
            if (key == VK_BACK && caretPos_ > 0) {
                undo_.RecordDeletion(caretPos_, text_.substr(size_t(caretPos_) - 1, 1));
                result.erase(size_t(caretPos_) - 1, 1);
                --caretPos_;
            } else if (key == VK_DELETE && caretPos_ < Length()) {
                undo_.RecordDeletion(caretPos_ + 1, text_.substr(size_t(caretPos_), 1));
                result.erase(size_t(caretPos_), 1);
            }
            AssignText(result);
        }
        break;
    default:
        break;
    }
    PlaceCaret(caretPos_);
}

void TSkCustomEdit::KeyPress(char& key)
{
    TInherited::KeyPress(key);
    if (static_cast<unsigned char>(key) < 32 || readOnly_)
        return;
    ReplaceSelection(AnsiToWide(std::string(1, key)));
}

void TSkCustomEdit::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    TInherited::MouseDown(button, shift, x, y);
    if (button == mbLeft)
        selecting_ = true;
    if (!HasFocus() && CanFocus())
        SetFocus();
    if (button == mbLeft)
        SetCaret(IndexAtX(x));
}

void TSkCustomEdit::MouseMove(unsigned shift, int x, int y)
{
    TInherited::MouseMove(shift, x, y);
    if (!selecting_)
        return;
    RECT area;
    GetTextArea(area);
    const int index = IndexAtX(x) + (x > area.right ? 1 : 0);
    MoveCaret(index, true);
    PlaceCaret(caretPos_);
}

void TSkCustomEdit::MouseUp(TMouseButton button, unsigned shift, int x, int y)
{
    TInherited::MouseUp(button, shift, x, y);
    selecting_ = false;
}

// Context menu --------------------------------------------------------------

std::unique_ptr<TSkEditMenu> TSkCustomEdit::CreatePopupMenu()
{
    return std::make_unique<TSkEditPopupMenu>();
}

void TSkCustomEdit::CreateMenuItem(TSkEditMenu& menu, int textId, std::function<void()> action)
{
    TSkEditMenu::Item item;
    item.Caption = SkEditMenuText(textId);
    item.Action = std::move(action);
    menu.Items().push_back(std::move(item));
}

void TSkCustomEdit::UpdateContextMenu()
{
    if (!contextMenu_) {
        contextMenu_ = CreatePopupMenu();
        TSkEditMenu& menu = *contextMenu_;
        CreateMenuItem(menu, SkEditMenuUndo, [this] { Undo(); });
        CreateMenuItem(menu, SkEditMenuSeparator, nullptr);
        CreateMenuItem(menu, SkEditMenuCut, [this] { CutToClipboard(); });
        CreateMenuItem(menu, SkEditMenuCopy, [this] { CopyToClipboard(); });
        CreateMenuItem(menu, SkEditMenuPaste, [this] { PasteFromClipboard(); });
        CreateMenuItem(menu, SkEditMenuDelete, [this] { DeleteSelection(); });
        CreateMenuItem(menu, SkEditMenuSeparator, nullptr);
        CreateMenuItem(menu, SkEditMenuSelectAll, [this] { SelectAll(); });
    }
    const bool selection = SelCount() > 0;
    const bool enabled[] = {undo_.AtLeast(1) && !readOnly_,
                            false,
                            selection && !Masked() && !readOnly_,
                            selection && !Masked(),
                            Clipboard().HasText() && !readOnly_,
                            selection && !readOnly_,
                            false,
                            SelCount() != Length()};
    std::vector<TSkEditMenu::Item>& items = contextMenu_->Items();
    for (size_t i = 0; i < items.size() && i < std::size(enabled); ++i)
        items[i].Enabled = enabled[i];
    contextMenu_->SetOptions(menuOptions_.get());
}

void TSkCustomEdit::ShowContextMenu(TMessage& message)
{
    if (ComponentState().Contains(csDesigning))
        return;
    UpdateContextMenu();
    POINT at{short(LOWORD(message.LParam)), short(HIWORD(message.LParam))};
    if (message.LParam == -1) {
        // From the keyboard: under the caret.
        RECT area;
        GetTextArea(area);
        at = POINT{CaretX(caretPos_), area.bottom};
        ::ClientToScreen(Handle(), &at);
    }
    SendMessageA(GetAncestor(Handle(), GA_ROOT), WM_CANCELMODE, 0, 0);
    contextMenu_->Popup(Handle(), at);
}

// Input method ---------------------------------------------------------------

void TSkCustomEdit::StartComposition()
{
    HIMC context = ImmGetContext(Handle());
    if (!context)
        return;
    LOGFONTW font{};
    if (GetObjectW(Font()->Handle(), sizeof(font), &font))
        ImmSetCompositionFontW(context, &font);
    RECT area;
    GetTextArea(area);
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_RECT;
    form.ptCurrentPos = POINT{CaretX(caretPos_), area.top};
    form.rcArea = area;
    ImmSetCompositionWindow(context, &form);
    ImmReleaseContext(Handle(), context);
}

bool TSkCustomEdit::TakeComposition(LPARAM flags)
{
    if (!(flags & GCS_RESULTSTR))
        return false;
    HIMC context = ImmGetContext(Handle());
    if (!context)
        return false;
    const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
    std::wstring result;
    if (bytes > 0) {
        result.resize(size_t(bytes) / sizeof(wchar_t));
        ImmGetCompositionStringW(context, GCS_RESULTSTR, &result[0], DWORD(bytes));
    }
    ImmReleaseContext(Handle(), context);
    for (wchar_t c : result)
        ReplaceSelection(std::wstring(1, c));
    return true;
}

// Messages ----------------------------------------------------------------------

void TSkCustomEdit::Dispatch(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT:
    case WM_DESTROY:
        repaintAsked_ = false;
        TInherited::Dispatch(message);
        return;
    case WM_CUT:
        CutToClipboard();
        return;
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        PasteFromClipboard();
        return;
    case WM_UNDO:
        Undo();
        return;
    case WM_GETDLGCODE:
        TInherited::Dispatch(message);
        message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_CONTEXTMENU:
        // A linked menu of the program's own replaces the edit's.
        if (PopupMenu() && PopupMenu()->AutoPopup()) {
            TInherited::Dispatch(message);
            return;
        }
        // Not passed on: the system would hand it to the parent, which
        // could show a menu of its own over this one.
        ShowContextMenu(message);
        return;
    case WM_LBUTTONDBLCLK: {
        TInherited::Dispatch(message);
        selecting_ = false;
        const int start = PreviousWordStart(caretPos_);
        Select(start, NextWordStart(start) - start);
        return;
    }
    case CM_ENTER:
        TInherited::Dispatch(message);
        FocusEntered();
        return;
    case CM_EXIT:
        TInherited::Dispatch(message);
        Repaint();
        return;
    case WM_SETFOCUS:
        TInherited::Dispatch(message);
        SetIme();
        CreateEditCaret();
        return;
    case WM_KILLFOCUS:
        TInherited::Dispatch(message);
        ResetIme();
        caret_.Destroy();
        return;
    case CM_FONTCHANGED:
        TInherited::Dispatch(message);
        AdjustSize();
        if (caret_.Exists())
            CreateEditCaret();
        return;
    case CM_TEXTCHANGED:
        TInherited::Dispatch(message);
        text_ = WideText();
        ShowTextToOthers();
        selLength_ = 0;
        caretPos_ = std::min(caretPos_, Length());
        Repaint();
        return;
    case CM_ENABLEDCHANGED:
        TInherited::Dispatch(message);
        if (HandleAllocated() && !ComponentState().Contains(csDesigning))
            EnableWindow(Handle(), Enabled());
        Repaint();
        return;
    case WM_IME_STARTCOMPOSITION:
        TInherited::Dispatch(message);
        StartComposition();
        return;
    case WM_IME_COMPOSITION:
        if (TakeComposition(message.LParam)) {
            message.Result = 0;
            return;
        }
        TInherited::Dispatch(message);
        return;
    default:
        TInherited::Dispatch(message);
    }
}

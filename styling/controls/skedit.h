// TSkCustomEdit: a single-line text box drawn and run entirely by the
// library, with no system edit control behind it. It keeps its own wide
// text, caret, selection, horizontal scroll and undo history, and talks to
// the clipboard, the system caret and the input method itself.
#pragma once

#include "framework/base/clipboard.h"
#include "framework/controls/controlkinds.h"
#include "framework/controls/textalign.h"
#include "styling/core/skcustomcontrol.h"
#include "styling/forms/skformoptions.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TPasswordKind { pkNone, pkChar, pkRect, pkRoundRect, pkCircle, pkTriangle };

// One step of the undo history.
struct TEditAction {
    static constexpr uint8_t Deleted = 0;
    static constexpr uint8_t Inserted = 1;
    uint8_t Kind = Deleted;
    // Undoing this step also undoes the one below it.
    bool Linked = false;
    int Position = 1;  // 1-based
    std::wstring Text;  // what was deleted
    int Count = 0;      // how many characters were inserted
};

// The undo history, last in first out. Runs of typing, of Backspace and of
// Delete each merge into one step.
class TEditActionStack {
public:
    void Push(TEditAction action) { items_.push_back(std::move(action)); }
    TEditAction Pop();
    const TEditAction* Peek() const { return items_.empty() ? nullptr : &items_.back(); }
    bool AtLeast(int count) const { return int(items_.size()) >= count; }
    int Count() const { return int(items_.size()); }
    void Clear() { items_.clear(); }

    void RecordDeletion(int position, const std::wstring& text);
    void RecordInsertion(int position, int count, bool linked);

private:
    std::vector<TEditAction> items_;
};

// The right-click menu behind one seam: the items, their enabled states and
// actions. This base shows them in a plain system popup menu; the edit uses
// the library's popup menu (TSkEditPopupMenu). Items run their action after
// the menu has closed.
class TSkEditMenu {
public:
    struct Item {
        std::wstring Caption;  // "-" is a separator
        bool Enabled = true;
        std::function<void()> Action;
    };

    virtual ~TSkEditMenu() = default;
    std::vector<Item>& Items() { return items_; }
    const Item* Find(const std::wstring& caption) const;
    // Shows the menu at a screen point and runs the chosen item.
    virtual void Popup(HWND owner, POINT screen);
    // The edit's options, handed over before every popup. The system menu
    // has no use for them; a themed one takes its look from them.
    virtual void SetOptions(const TSkPopupMenuOptions* options) { options_ = options; }
    const TSkPopupMenuOptions* Options() const { return options_; }

private:
    std::vector<Item> items_;
    const TSkPopupMenuOptions* options_ = nullptr;
};

// The context menu's texts, from the program's string table.
std::wstring SkEditMenuText(int id);

class TSkCustomEdit : public TSkCustomControl {
    FW_DECLARE_CLASS(TSkCustomEdit)
public:
    explicit TSkCustomEdit(TComponent* owner);
    ~TSkCustomEdit() override;

    const std::wstring& Text() const { return text_; }
    void SetText(const std::wstring& value);

    int CaretPos() const { return caretPos_; }
    int SelOrigin() const { return selOrigin_; }
    int SelLength() const { return selLength_; }
    int SelStart() const;
    int SelCount() const;
    std::wstring SelText() const;
    // 1-based index of the first character shown.
    int FirstVisible() const { return firstVisible_; }
    // Puts the caret at index (clamped) with no selection.
    void SetCaret(int index);
    // Selects count characters after start, caret at the far end.
    void Select(int start, int count);

    bool AutoSelect() const { return autoSelect_; }
    void SetAutoSelect(bool value) { autoSelect_ = value; }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase value);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool value);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value) { maxLength_ = value; }
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }
    wchar_t PasswordWideChar() const { return passwordChar_; }
    void SetPasswordWideChar(wchar_t value);
    int PasswordCharCode() const { return passwordChar_; }
    void SetPasswordCharCode(int value) { SetPasswordWideChar(wchar_t(value)); }
    TPasswordKind PasswordKind() const { return passwordKind_; }
    void SetPasswordKind(TPasswordKind value);
    TAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TAlignment value);
    void SetCursor(TCursor value);
    TImeMode ImeMode() const { return imeMode_; }
    void SetImeMode(TImeMode value) { imeMode_ = value; }
    // The description of the input method to switch to on focus; empty
    // keeps the current one.
    const std::wstring& ImeName() const { return imeName_; }
    void SetImeName(const std::wstring& value) { imeName_ = value; }
    TSkPopupMenuOptions* ContextMenuOptions() const { return menuOptions_.get(); }
    void SetContextMenuOptions(const TSkPopupMenuOptions* value);

    const TEditActionStack& UndoStack() const { return undo_; }
    // Null until the menu is first shown or updated.
    TSkEditMenu* ContextMenu() const { return contextMenu_.get(); }

    void SelectAll();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void DeleteSelection();
    void Undo();
    // What typing, a paste and the input method do.
    void ReplaceSelection(const std::wstring& value);

    // The caret's x in the control for a character index.
    int CaretX(int index);
    // The character index under x (the mouse's rule).
    int IndexAtX(int x);
    // Builds the context menu on first use and sets its enabled states.
    virtual void UpdateContextMenu();

    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;
    void Dispatch(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    // One line of text at the top of the client area.
    virtual void GetTextArea(RECT& rect);
    virtual int GetPasswordCharWidth();
    virtual void GetSelectionRect(RECT& rect);
    virtual void DrawEditText();
    virtual void DrawBackground(const RECT& rect, TCanvas* canvas);
    virtual void DrawSelectedText();
    virtual void DrawPasswordChar(const RECT& cell, bool selected);
    virtual bool CanChange(const std::wstring& value);
    virtual std::unique_ptr<TSkEditMenu> CreatePopupMenu();
    virtual void CreateMenuItem(TSkEditMenu& menu, int textId, std::function<void()> action);
    virtual void ShowEditCaret();
    virtual void HideEditCaret();
    virtual void Change();

    void PaintClient() override;
    void BorderChanged() override;
    void CreateWnd() override;
    void KeyDown(unsigned short& key, unsigned shift) override;
    void KeyPress(char& key) override;
    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseMove(unsigned shift, int x, int y) override;
    void MouseUp(TMouseButton button, unsigned shift, int x, int y) override;

private:
    using TInherited = TSkCustomControl;

    bool Masked() const { return passwordKind_ != pkNone; }
    int Length() const { return int(text_.size()); }
    // Assigns the text as a user edit would (case, repaint, Change).
    void AssignText(const std::wstring& value);
    void ShowTextToOthers();
    void PlaceCaret(int index);
    void ScrollToCaret();
    int FirstFitting(int lowest, int end, int width);
    void MoveCaret(int index, bool extend);
    void Repaint();
    void AdjustSize();
    int AutoHeight();
    bool SizesItself() const;
    int LineHeight();
    // Text measurement with the control's font, outside a paint as well.
    HDC MeasureDC();
    int TextWidth(int from, int to);
    int AlignmentOffset(const RECT& area);
    // Characters from index on that can show in width pixels, plus one.
    int VisibleCount(int index, int width);
    int PreviousWordStart(int index) const;
    int NextWordStart(int index) const;
    void FocusEntered();
    void CreateEditCaret();
    void ShowContextMenu(TMessage& message);
    void StartComposition();
    // Puts the input method in the state ImeMode and ImeName ask for while
    // the focus is here, and gives back the user's own on leaving.
    void SetIme();
    void ResetIme();
    bool TakeComposition(LPARAM flags);

    std::wstring text_;
    bool selecting_ = false;
    int caretPos_ = 0;
    int selOrigin_ = 0;
    int selLength_ = 0;
    int firstVisible_ = 1;
    std::unique_ptr<TSkEditMenu> contextMenu_;
    bool autoSelect_ = true;
    bool autoSize_ = true;
    TEditCharCase charCase_ = ecNormal;
    bool hideSelection_ = true;
    int maxLength_ = 0;
    bool readOnly_ = false;
    wchar_t passwordChar_ = 0;
    TPasswordKind passwordKind_ = pkNone;
    TAlignment textAlignment_ = taLeftJustify;
    TEditActionStack undo_;
    std::unique_ptr<TSkPopupMenuOptions> menuOptions_;
    TImeMode imeMode_ = imDontCare;
    std::wstring imeName_;
    HKL layoutBeforeIme_ = nullptr;
    bool imeDetached_ = false;
    HIMC detachedContext_ = nullptr;
    TCaret caret_;
    HDC measureDC_ = nullptr;
    POINT caretAt_{-1, -1};
    bool repaintAsked_ = false;
};

// Text boxes over the system "EDIT" class: the single-line edit and the
// multi-line memo with its line list.
#pragma once

#include "framework/components/strings.h"
#include "framework/controls/textalign.h"
#include "framework/controls/wincontrol.h"

#include <memory>

// What a memo raises (EInvalidOperation) for a text it cannot hold.
extern const char* const MemoCapacityMessage;

class TCustomEdit : public TWinControl {
    FW_DECLARE_CLASS(TCustomEdit)
public:
    explicit TCustomEdit(TComponent* owner);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    // Most characters the user may type; 0: as many as the window holds.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int value);
    // The height follows the font.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value);

    int SelStart();
    void SetSelStart(int value);
    int SelLength();
    void SetSelLength(int value);
    std::string SelText() const;
    void SelectAll();

    bool Modified() const;

    TNotifyEvent OnChange;
    // OnChange as a published event.
    TNotifyEvent ChangeEvent() const { return OnChange; }
    void SetChangeEvent(const TNotifyEvent& handler) { OnChange = handler; }

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void Change();
    void AdjustHeight();

private:
    void CNCommand(const TWMCommand& command);
    void CMTextChanged(TMessage& message);
    void CMFontChanged(TMessage& message);

    bool readOnly_ = false;
    int maxLength_ = 0;
    bool autoSize_ = true;
    bool settingInitialText_ = false;
};

class TEdit : public TCustomEdit {
    FW_DECLARE_CLASS(TEdit)
public:
    explicit TEdit(TComponent* owner);
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TCustomMemo;

// The memo's lines, read from and written to its window (or the text it
// holds until it has one). Setting the whole text turns every line break
// into CR LF and touches the window only when the text really differs.
class TMemoStrings : public TStrings {
    FW_DECLARE_CLASS(TMemoStrings)
public:
    explicit TMemoStrings(TCustomMemo* memo) : memo_(memo) {}

    int Count() const override;
    std::string Get(int index) const override;
    void Put(int index, const std::string& line) override;
    void Insert(int index, const std::string& line) override;
    void Delete(int index) override;
    void Clear() override;
    // The memo's text as it is: CR LF between lines, no break added.
    std::string Text() const override;
    void SetText(const std::string& text) override;

    // Every line at once (what the description stores).
    std::vector<std::string> AllLines() const { return Lines(); }
    void SetAllLines(const std::vector<std::string>& lines) { SetLines(lines, false); }

    void Assign(const TPersistent* source) override;
    TPersistent* GetOwner() const override;

protected:
    void SetUpdateState(bool updating) override;

private:
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines, bool trailingBreak);
    void CheckIndex(int index, int limit) const;

    TCustomMemo* memo_;
};

class TCustomMemo : public TCustomEdit {
    FW_DECLARE_CLASS(TCustomMemo)
public:
    explicit TCustomMemo(TComponent* owner);
    ~TCustomMemo() override;

    TStrings* Lines() const { return lines_.get(); }
    void SetLines(const TStrings* value) { lines_->Assign(value); }
    // Lines as the description stores them: "Lines.Strings".
    TPersistent* StoredLines() const { return lines_.get(); }

    bool WantReturns() const { return wantReturns_; }
    void SetWantReturns(bool value) { wantReturns_ = value; }
    bool WantTabs() const { return wantTabs_; }
    void SetWantTabs(bool value) { wantTabs_ = value; }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

    // Replaces the whole text; a text the window refuses, or would take
    // more than a second or two to lay out (a line past 65,536 characters,
    // very many short lines, thousands of tabs or control characters),
    // raises EInvalidOperation MemoCapacityMessage and leaves the old one.
    void ReplaceText(const std::string& text);
    // Characters the memo takes: MaxLength, the window's own limit, and
    // 1,048,576 at most when neither says less.
    size_t Capacity();
    // Lines wrap when WordWrap asks for it and the text is small enough to
    // wrap at once (64 K characters, no line of much more than 4,000).
    bool Wraps() const { return wordWrap_ && textWrapsQuickly_; }

    void Dispatch(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void KeyPress(char& key) override;

private:
    // Recreates the window for a style that cannot change on a live one.
    void StyleChanged();
    void RecreateWithText(const std::string& text, bool wrapsQuickly);
    void WMGetDlgCode(TMessage& message);
    void WMPaste(TMessage& message);

    std::unique_ptr<TMemoStrings> lines_;
    bool wantReturns_ = true;
    bool wantTabs_ = false;
    bool wordWrap_ = true;
    bool textWrapsQuickly_ = true;
    TScrollStyle scrollBars_ = ssNone;
    TAlignment alignment_ = taLeftJustify;
};

class TMemo : public TCustomMemo {
    FW_DECLARE_CLASS(TMemo)
public:
    explicit TMemo(TComponent* owner);
};

// TCustomForm and TForm: top-level windows with focus, modal loop and close.
#pragma once

#include "framework/graphics/canvas.h"
#include "framework/graphics/icon.h"
#include "framework/controls/wincontrol.h"

#include <memory>

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;

enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter,
};

enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

enum TWindowState { wsNormal, wsMinimized, wsMaximized };

enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = TSet<TFormStateItem>;

using TModalResult = int;

class TCustomForm : public TWinControl, public IFormSite {
    FW_DECLARE_CLASS(TCustomForm)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;
    void BeforeDestruction() override;

    // The second construction step, once the derived object is whole:
    // reads the stored description and fires OnCreate.
    virtual void AfterConstruction();

    // Creates a form of class T and completes its construction.
    template <class T>
    static T* Create(TComponent* owner)
    {
        T* form = new T(owner);
        try {
            form->AfterConstruction();
        } catch (...) {
            form->Free();
            throw;
        }
        return form;
    }

    bool Active() const { return active_; }
    // A client size read from a description holds once all of it is read,
    // whatever frame the rest gives the form (a border style read later, a
    // component that draws the frame itself).
    void SetClientWidth(int value);
    void SetClientHeight(int value);
    void Loaded() override;
    TWinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(TWinControl* control);
    // The form's answers to its controls (see IFormSite).
    IFormSite* FormSite() const override { return const_cast<TCustomForm*>(this); }
    void FocusControl(TWinControl* control) override;
    void SetFocusedControl(TWinControl* control) override;
    void DefocusControl(TWinControl* control) override;
    // Offers a key message to OnShortCut; true when it was handled.
    bool IsShortCut(const TWMKey& key) override;
    bool DialogKey(const TWMKey& key) override;
    bool DialogChar(const TWMKey& key) override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition value) { position_ = value; }
    TFormStyle FormStyle() const { return formStyle_; }
    // An MDI child is made inside the main form's client window, so the
    // main form must be an MDI frame with its window by then.
    void SetFormStyle(TFormStyle value);
    // The client window that holds an MDI frame's children; null for any
    // other form.
    HWND ClientHandle() const { return clientHandle_; }
    // The MDI frame's active child, or null.
    TCustomForm* ActiveMDIChild() const;
    TWindowState WindowState() const;
    void SetWindowState(TWindowState value);
    TFormState FormState() const { return formState_; }
    // The form's own icon (a copy of what is assigned), shown by its window.
    TIcon* Icon() const { return icon_.get(); }
    // Stored with the form for its designer; scrolling is not offered, and
    // the text height and resolution are kept only to be written back.
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value) { autoScroll_ = value; }
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }
    int TextHeight() const { return textHeight_; }
    void SetTextHeight(int value) { textHeight_ = value; }
    void SetIcon(const TIcon* icon) { icon_->Assign(icon); }

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult value) override { modalResult_ = value; }
    // Shows the form with every other window of the thread disabled and
    // runs messages until ModalResult is set or the form closes.
    TModalResult ShowModal();
    void Close();
    virtual bool CloseQuery();
    // Frees the form once the messages already queued have run.
    void Release();

    // The client area's surface while Paint (OnPaint) runs.
    TCanvas* Canvas() const { return canvas_.get(); }

    void SetVisible(bool value) override;
    void SetFocus() override;
    bool CanFocus() const override;
    void Dispatch(TMessage& message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    // A component on the form may replace this and chain to the old value.
    TShortCutEvent OnShortCut;

protected:
    // Reads the description stored in the program under the form's class
    // name; forms built in code have none and keep what they were given.
    virtual void ReadDescription();
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    // Draws the client area (OnPaint); PaintDC() is the target while it runs.
    virtual void Paint();
    HDC PaintDC() const { return paintDC_; }

    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void PaintWindow(HDC dc) override;
    // MDI frames and children run the system's MDI default procedures.
    void DefaultHandler(TMessage& message) override;
    // An MDI frame's client window takes what its aligned controls leave.
    void AlignControls(TControl* control, RECT& rect) override;

private:
    void WMActivate(const TWMActivate& activate);
    void WMSetFocus(TMessage& message);
    void WMSysCommand(const TWMSysCommand& command);
    void CMDialogKey(const TWMKey& key);
    static void CheckRadioReached(TWinControl* control);
    void ApplyPosition();
    void CloseModal();
    void FocusWindow(TWinControl* control);

    TWinControl* activeControl_ = nullptr;
    int readClientWidth_ = 0, readClientHeight_ = 0;
    TWinControl* focusedControl_ = nullptr;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_{biSystemMenu, biMinimize, biMaximize};
    TPosition position_ = poDesigned;
    TFormStyle formStyle_ = fsNormal;
    HWND clientHandle_ = nullptr;
    TWindowState windowState_ = wsNormal;
    TFormState formState_;
    void IconChanged();

    std::unique_ptr<TIcon> icon_;
    TModalResult modalResult_ = mrNone;
    std::unique_ptr<TCanvas> canvas_;
    HDC paintDC_ = nullptr;
    bool active_ = false;
    bool formTornDown_ = false;
    bool autoScroll_ = true;
    int pixelsPerInch_ = 96;
    int textHeight_ = 13;
};

// The form that holds control (the control itself when it is a form), or null.
TCustomForm* GetParentForm(const TControl* control);

class TForm : public TCustomForm {
    FW_DECLARE_CLASS(TForm)
public:
    explicit TForm(TComponent* owner);
};

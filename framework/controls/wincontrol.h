// TWinControl: a control with a window of its own, parent of other controls.
#pragma once

#include "framework/controls/control.h"
#include "framework/controls/formsite.h"

#include <vector>

// What CreateWnd hands to CreateWindowEx, filled by CreateParams.
struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    void* Param = nullptr;
    WNDCLASSA WindowClass{};
    // The class registered for the window: the framework class name, or a
    // copy of a system class under that name (see CreateSubClass).
    std::string WinClassName;
};

// True when control has a window of its own (a TWinControl).
bool IsWindowed(const TControl* control);

class TWinControl : public TControl {
    FW_DECLARE_CLASS(TWinControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    void BeforeDestruction() override;

    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded();
    void RecreateWnd();
    void DestroyHandle();

    // Children in insertion order (windowed and windowless).
    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(index); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const;
    // The windowless child at a client point, topmost first.
    TControl* ControlAtPos(POINT point, bool allowDisabled) const;
    // The control object behind a window handle (or its nearest framework ancestor).
    static TWinControl* FindControl(HWND window);

    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value);
    // Windowed descendants in tab order, each followed by its own.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    // The site this window offers the controls it holds when it is a form.
    virtual IFormSite* FormSite() const { return nullptr; }

    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();

    void Broadcast(TMessage& message);
    // Lays out aligned and anchored children in the adjusted client area.
    void Realign();

    void Invalidate() override;
    void Update() override;
    void SetBounds(int left, int top, int width, int height) override;
    void SetParent(TWinControl* parent) override;
    RECT ClientRect() const override;
    POINT ClientOrigin() const override;
    void PaintTo(HDC dc, int x, int y) override;
    void Dispatch(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    void Loaded() override;

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    virtual void CreateParams(TCreateParams& params);
    // Makes params describe a copy of a system window class ("BUTTON",
    // "EDIT") whose own procedure becomes this control's default handling.
    void CreateSubClass(TCreateParams& params, const char* systemClass);
    virtual void CreateWnd();
    virtual void CreateWindowHandle(const TCreateParams& params);
    virtual void DestroyWnd();
    virtual void CreateHandle();
    void ShowWideText() override;

    void WndProc(TMessage& message) override;
    // The client area used for alignment, in client coordinates.
    virtual void AdjustClientRect(RECT& rect) const;
    virtual void AlignControls(TControl* control, RECT& rect);
    // Paints the window's own content into dc (client coordinates).
    virtual void PaintWindow(HDC dc);
    void PaintControls(HDC dc);
    // Paints the window and its windowless children into dc, or through
    // BeginPaint when dc is null.
    void PaintHandler(HDC dc);
    // Fills dc's client area with the control's colour.
    virtual void EraseBackground(HDC dc);
    HBRUSH BrushHandle();

    virtual void DoEnter();
    virtual void DoExit();
    // The key events; true when a handler consumed the key (set it to 0).
    virtual bool DoKeyDown(const TWMKey& key);
    virtual bool DoKeyPress(const TWMKey& key);
    virtual bool DoKeyUp(const TWMKey& key);
    virtual void KeyDown(unsigned short& key, unsigned shift);
    virtual void KeyUp(unsigned short& key, unsigned shift);
    virtual void KeyPress(char& key);

    // Typed handlers.
    void WMPaint(const TWMPaint& paint);
    void WMPrintClient(const TWMPrintClient& print);
    void WMEraseBkgnd(const TWMEraseBkgnd& erase);
    void WMSetFocus(TMessage& message);
    void WMWindowPosChanged(TMessage& message);
    void WMSetCursor(const TWMSetCursor& setCursor);
    void WMMouseLeave(TMessage& message);
    void WMCaptureChanged(const TWMCaptureChanged& change);
    void WMNCDestroy(TMessage& message);
    void WMKeyDown(const TWMKey& key);
    void WMKeyUp(const TWMKey& key);
    void WMChar(const TWMKey& key);
    void ReflectToChild(TMessage& message);
    void CNKeyDown(const TWMKey& key);
    void CNChar(const TWMKey& key);
    void CNCtlColor(const TWMCtlColor& color);
    void CMEnabledChanged();
    void CMVisibleChanged();
    void CMColorChanged();
    void CMFontChanged();

    WNDPROC DefWndProc() const { return defWndProc_; }

private:
    friend class TControl;
    static LRESULT CALLBACK InitWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK StaticWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    bool IsControlMouseMsg(const TWMMouse& mouse);
    bool HasWindowlessChildren() const;
    bool PaintsItself() const;
    void TrackMouse(TControl* target);
    void UpdateBounds();
    void UpdateStyleBit(DWORD bit, bool on);
    void FreeBrush();
    void FixupTabList();

    HWND handle_ = nullptr;
    WNDPROC defWndProc_ = DefWindowProcA;
    HBRUSH brush_ = nullptr;
    TColor brushColor_ = 0;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    int storedTabOrder_ = -1;
    bool aligning_ = false;
    bool winTornDown_ = false;
};

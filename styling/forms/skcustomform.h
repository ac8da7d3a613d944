// TSkCustomForm: a hook on a form that takes over everything outside the
// client area. It sizes the non-client area itself, answers hit tests,
// paints caption, borders and caption buttons, tracks the mouse on them and
// moves and sizes the window with its own drag loop. It also paints the
// client background, for the form and for themed controls that ask for the
// part under them. Its drawing and metrics are virtual: this class draws a
// plain frame from fixed sizes, a themed descendant asks its theme.
#pragma once

#include "framework/base/events.h"
#include "styling/core/skbitmap.h"
#include "styling/core/skblending.h"
#include "styling/core/skcontrolpaint.h"
#include "styling/forms/skbackground.h"
#include "styling/forms/skformoptions.h"
#include "styling/forms/skframelayout.h"
#include "styling/forms/skhook.h"

#include <functional>
#include <memory>
#include <string>

class TCanvas;
class TPopupMenu;
class TSkCustomItem;
class TSkCustomMenuBar;
class TSkTrayIcon;

// Form part codes: what HitTestPart answers, and the pressed and hot parts.
enum : int {
    kfpNone = 0,
    kfpCaption = 1,
    kfpLeft = 2,
    kfpTop = 3,
    kfpRight = 4,
    kfpBottom = 5,
    kfpTopLeft = 7,
    kfpTopRight = 8,
    kfpBottomLeft = 9,
    kfpBottomRight = 10,
    kfpClose = 11,
    kfpHelp = 12,
    kfpMinimize = 13,
    kfpMaximize = 14,
    kfpRollup = 15,
    kfpTray = 16,
    kfpSystemMenu = 17,
    // Stored as the hot part by the window-state actions so that no button
    // stays highlighted.
    kfpNoHot = 18
};

// The part code of a caption button.
int ButtonPart(TSkBorderIcon icon);

// Posted to the form's own window.
constexpr UINT SK_RESTORECAPTION = 0x056D;
// Paints frame and client background into the DC in lParam, moved by the
// two 16-bit halves of wParam (x low, y high).
constexpr UINT SK_PAINTTO = 0xB1C8;

// What a themed control puts in lParam of WM_ERASEBKGND to have part of the
// form's background painted into its own DC: mode 0 limits the copy to Rect
// (client coordinates).
#pragma pack(push, 1)
struct TSkEraseRecord {
    uint8_t Mode;
    RECT Rect;
};
#pragma pack(pop)

// Size limits of the form; 0 is no limit.
class TSkSizeConstraints : public TPersistent {
    FW_DECLARE_CLASS(TSkSizeConstraints)
public:
    explicit TSkSizeConstraints(TPersistent* owner = nullptr) : owner_(owner) {}
    TPersistent* GetOwner() const override { return owner_; }
    void Assign(const TPersistent* source) override;

    int MaxHeight() const { return maxHeight_; }
    void SetMaxHeight(int value) { Store(maxHeight_, value); }
    int MaxWidth() const { return maxWidth_; }
    void SetMaxWidth(int value) { Store(maxWidth_, value); }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int value) { Store(minHeight_, value); }
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int value) { Store(minWidth_, value); }

    std::function<void()> OnChange;

private:
    void Store(int& field, int value);
    TPersistent* owner_;
    int maxHeight_ = 0, maxWidth_ = 0, minHeight_ = 0, minWidth_ = 0;
};

// Fired at the start of a window-state action; false stops the action.
using TSkFormActionEvent = std::function<void(TObject* sender, bool& allow)>;

class TSkVisualStyle;
class TSkShowAnimation;

class TSkCustomForm : public TSkHook, public ISkFormBackground {
    FW_DECLARE_CLASS(TSkCustomForm)
public:
    explicit TSkCustomForm(TComponent* owner);
    ~TSkCustomForm() override;
    void BeforeDestruction() override;
    // Attaches to the owner form and lays out its frame.
    void Loaded() override;

    TSkAnimation* Animation() const { return animation_.get(); }
    void SetAnimation(const TSkAnimation* value) { animation_->Assign(value); }
    TSkBlending* Blending() const { return blending_.get(); }
    void SetBlending(const TSkBlending* value) { blending_->Assign(value); }
    TSkShadow* Shadow() const { return shadow_.get(); }
    void SetShadow(const TSkShadow* value) { shadow_->Assign(value); }
    TSkGravitation* Gravitation() const { return gravitation_.get(); }
    void SetGravitation(const TSkGravitation* value) { gravitation_->Assign(value); }
    TSkDragging* Dragging() const { return dragging_.get(); }
    void SetDragging(const TSkDragging* value) { dragging_->Assign(value); }
    TSkPopupMenuOptions* SystemMenuOptions() const { return systemMenuOptions_.get(); }
    void SetSystemMenuOptions(const TSkPopupMenuOptions* value);
    TSkPopupMenuOptions* TrayMenuOptions() const { return trayMenuOptions_.get(); }
    void SetTrayMenuOptions(const TSkPopupMenuOptions* value);
    TSkSizeConstraints* Constraints() const { return constraints_.get(); }
    void SetConstraints(const TSkSizeConstraints* value) { constraints_->Assign(value); }

    TSkBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TSkBorderIcons value);
    TSkBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TSkBorderStyle value);
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& value);
    bool MinimizeApplication() const { return minimizeApplication_; }
    void SetMinimizeApplication(bool value) { minimizeApplication_ = value; }
    TSkFormPerformance Performance() const { return performance_; }
    void SetPerformance(TSkFormPerformance value) { performance_ = value; }
    bool StayOnTop() const { return stayOnTop_; }
    void SetStayOnTop(bool value);
    bool StretchBackground() const { return stretchBackground_; }
    void SetStretchBackground(bool value) { stretchBackground_ = value; }
    TSkWindowState WindowState() const { return windowState_; }
    void SetWindowState(TSkWindowState value);
    // The bar that takes the form's shortcuts and its Alt key first; cleared
    // when the bar is freed.
    TSkCustomMenuBar* MenuBar() const { return menuBar_; }
    void SetMenuBar(TSkCustomMenuBar* value);
    // A stored item for a list of windows; cleared when the item is freed.
    TSkCustomItem* WindowMenu() const { return windowMenu_; }
    void SetWindowMenu(TSkCustomItem* value);

    TSkFormActionEvent OnClose, OnMinimize, OnMaximize, OnRollup, OnMinToTray;
    TNotifyEvent OnCreate, OnPaint, OnResize;

    // The frame as the system sees it (frame plus shadow margin) and without
    // the shadow margin.
    int WindowWidth() const { return windowWidth_; }
    int WindowHeight() const { return windowHeight_; }
    int FrameWidth() const { return frameWidth_; }
    int FrameHeight() const { return frameHeight_; }
    int HotPart() const { return hotPart_; }
    int PressedPart() const { return pressedPart_; }
    bool Tracking() const { return tracking_; }
    bool PaintEnabled() const { return paintEnabled_; }
    bool FormActive() const { return formActive_; }
    // The rectangle last drawn as a drag outline, in screen coordinates;
    // empty when none is on the screen.
    TRect DragOutline() const { return dragOutline_; }

    virtual void UpdateRegion();
    // A new region of the window's shape, FrameWidth x FrameHeight.
    virtual HRGN CreateFormRegion();
    // Rectangle of one caption button in window coordinates; empty when
    // that icon is not shown.
    virtual void GetButtonRect(TSkBorderIcon kind, TRect& rect);
    // The client area in window coordinates.
    virtual void GetClientBounds(TRect& rect);
    virtual void GetMaximizedRect(TRect& rect);
    virtual void GetMaxTrackSize(TPoint& size);
    virtual void GetMinTrackSize(TPoint& size);
    // Caption, borders, caption text and buttons, in window coordinates.
    // The canvas may be the shared buffer's: leave its DC as it was found.
    virtual void PaintNonClient(TCanvas* canvas);
    // Fills the client area (canvas in client coordinates) with the form's colour.
    virtual void PaintBackground(TCanvas* canvas);
    // The form part code of a point in window coordinates.
    virtual int HitTestPart(int x, int y);

    void PaintFrame();
    // Tells a persistent buffer that what it holds is out of date (a theme
    // or colour change the frame cannot see).
    void FrameChanged() { ++frameGeneration_; }
    // Makes the system ask for the non-client size again, keeping the
    // client size where KeepsClientSize says so.
    void UpdateFrame();
    // A new frame keeps the client's size (the window grows or shrinks
    // round it) unless the window's size is what counts, as a popup's is.
    virtual bool KeepsClientSize() const { return true; }
    // The screen behind the window for rect (screen coordinates), which
    // blending and the shadow paint over; see TSkBackground.
    void TakeBackground(const TRect& rect);
    const TSkBackground& Background() const { return background_; }
    // The whole window as the show animation brings it in: frame and shadow,
    // client background, windowless and windowed children, the key colour
    // outside the window's region. Painted as if the form were active.
    void PaintPicture(TSkBitmap& picture);
    // A show animation is drawing; frames the last one drew (0 when none ran).
    bool Animating() const;
    int AnimationFrames() const;
    void ShowHelp();

    // Window states (skformstates.cpp). Each action fires its event first
    // and stops when the event says no; a second call in the same state
    // restores.
    void Maximize();
    void Restore();
    void Minimize();
    void Rollup();
    void MinimizeToTray();
    void Close();
    void ShowSystemMenu();
    // The tray icon takes the form's icon, else the application's.
    void UpdateTrayIcon();
    // The screen rectangles of the rolled-up and minimized form.
    virtual void GetRollupRect(TRect& rect);
    virtual void GetMinimizedRect(TRect& rect);
    // A new root item for the built-in system menu.
    virtual TSkCustomItem* CreateSystemMenuItem(TComponent* owner);
    // Rebuilds the built-in system menu for the current state and icons.
    void RebuildSystemMenu();
    TSkCustomItem* SystemMenu() const { return systemMenu_; }
    // Where the next system menu pops up (screen); (0, 0) is below the
    // caption's left end.
    TPoint SystemMenuPoint() const { return systemMenuPoint_; }
    void SetSystemMenuPoint(TPoint value) { systemMenuPoint_ = value; }
    TRect NormalBounds() const { return normalBounds_; }
    TSkWindowState PrevWindowState() const { return prevWindowState_; }
    TSkWindowState PendingState() const { return pendingState_; }
    TSkTrayIcon* TrayIcon() const { return tray_.get(); }
    // Menus shown instead of the built-in one: for the caption, and for the
    // notification-area icon. Cleared when the menu is freed.
    TPopupMenu* SystemMenuLink() const { return systemMenuLink_; }
    void SetSystemMenuLink(TPopupMenu* value);
    TPopupMenu* TrayMenuLink() const { return trayMenuLink_; }
    void SetTrayMenuLink(TPopupMenu* value);

    virtual void FrameMouseDown(TMouseButton button, unsigned shift, int x, int y);
    virtual void FrameMouseMove(unsigned shift, int x, int y);
    virtual void FrameMouseUp(TMouseButton button, unsigned shift, int x, int y);

    void AfterMessage(TMessage& message, bool& handled) override;
    // Paints the client background into dc (client coordinates).
    void EraseFormBackground(HDC dc) override;

protected:
    // The sizes the frame is laid out from; the fixed fallback sizes here.
    virtual TSkFrameMetrics FrameMetrics();
    // The one layout of the current frame: size, hit test and painting
    // read it, so a frame laid out differently overrides this alone.
    virtual TSkFrameLayout Layout();
    void HandleMessage(TMessage& message) override;
    // Runs the show animation's effect from background to picture at the
    // window's place on the screen; returns the frames drawn.
    virtual int RunShowEffect(const TRect& at, const TSkBitmap& picture,
                              const TSkBitmap& background);
    void Notification(TComponent* component, TOperation operation) override;
    // Draws the drag outline, or takes it away when drawn a second time.
    virtual void XorOutline(const TRect& rect);
    // Has the system ask for the non-client size of window again now.
    virtual void AskForFrame(HWND window);
    // Everything a frame's picture depends on: a buffer painted for the
    // same key still holds this very frame and only needs copying.
    struct TFrameKey {
        int width, height, hot, pressed, generation;
        bool active, tracking;
        TSkWindowState state;
        TSkBorderStyle style;
        uint64_t icons;
        std::wstring caption;
        bool operator==(const TFrameKey& o) const
        {
            return width == o.width && height == o.height && hot == o.hot &&
                   pressed == o.pressed && generation == o.generation && active == o.active &&
                   tracking == o.tracking && state == o.state && style == o.style && icons == o.icons &&
                   caption == o.caption;
        }
    };
    TFrameKey CurrentFrameKey() const;

private:
    // The frame drawn on a bitmap surface, or straight on the window's DC.
    void DrawFrameOn(TSkBitmap& surface, const TRect& client);
    void DrawFrameOnWindow(HDC dc, const TRect& client);
    void PaintNonClientOn(HDC dc);
    bool PaintStyledFrame(const TSkVisualStyle& style, HDC dc, const TSkFrameLayout& layout);
    int StyledButtonPart(TSkBorderIcon icon) const;
    void WMNCCalcSize(TMessage& message);
    void WMNCActivate(TMessage& message);
    void WMNCHitTest(TMessage& message);
    void WMNCButtonDown(TMessage& message, TMouseButton button);
    void WMNCButtonUp(TMessage& message, TMouseButton button);
    void WMNCButtonDblClk(TMessage& message);
    void WMMouseMove(TMessage& message);
    void WMLButtonUp(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void WMWindowPosChanging(TMessage& message);
    void WMSysCommand(TMessage& message);
    // The window-state messages; false for any other.
    bool HandleStateMessage(TMessage& message);
    void SaveNormalBounds(bool evenWhileApplying = false);
    void SetFormBounds(const TRect& rect);
    void NormalGeometry();
    void ReturnToPreviousState();
    void BringBackFromMinimized();
    bool IsModal() const;
    bool IsMDIChild() const;
    void PrepareTray();
    // After loading: parks the form and posts the stored state.
    void ApplyPendingState();
    void ApplyLoadedState(TSkWindowState state);
    void InstallApplicationHooks();
    void RemoveApplicationHooks();
    void SystemMenuClick(TSkCustomItem* item);
    // Shows a menu at a screen point; a library menu takes the options.
    void PopupLinkedMenu(TPopupMenu* menu, TPoint at, TSkPopupMenuOptions* options);
    void PaintTo(HDC dc, int x, int y);
    // The menu bar and MDI glue (skformmenubar.cpp).
    void InstallShortCutHandler();
    void RemoveShortCutHandler();
    // Alt and Alt+letter for the menu bar; false when the bar does not take it.
    bool KeyMenuToBar(TMessage& message);
    // The MDI parent's menu bar, for a child form.
    TSkCustomMenuBar* ParentMenuBar() const;
    // A maximized active child shows its buttons in the parent's bar.
    void SyncParentMenuBar(HWND activeChild);
    // The same for the child the client window has active now.
    void SyncParentMenuBar();
    void FitMaximizedChild();
    // A message of the MDI glue; false for any other.
    bool HandleMDIMessage(TMessage& message);

    HWND WindowHandle() const;
    TPoint ScreenToWindow(LPARAM lParam) const;
    TPoint ClientToWindow(LPARAM lParam);
    TRect FormBounds() const;
    TRect TargetScreenRect(const WINDOWPOS& pos) const;
    // A caption drag's target snapped to the work area when gravitation is on.
    TRect Gravitate(const TRect& target) const;
    bool ShowsFrame();
    // Shadow or blending: the frame is painted over the background snapshot.
    bool SeeThrough() const;
    bool HasShadow() const;
    // Where the window's (0, 0) lies in the background snapshot.
    POINT BackgroundOrigin() const;
    // What lies behind the window, under the frame's own half-transparent
    // edges: the snapshot copied into the surface (window coordinates).
    void CopyBackground(TSkBitmap& surface);
    void PaintShadow(TSkBitmap& surface);
    void BlendOverBackground(TSkBitmap& surface, const TRect& area, POINT windowOffset);
    // The form's region united with its shadow copy.
    HRGN CreateWindowRegion();
    void ShowAnimated(const WINDOWPOS& pos);
    // A surface for one paint of the whole window, by Performance; null
    // draws straight into the window DC.
    TSkBitmap* PaintSurface(std::unique_ptr<TSkBitmap>& owned);
    void PaintBackgroundInto(HDC dc, const TRect& area);
    void DrawOutline(const TRect& rect);
    void EraseOutline();
    // Ends a drag whatever stopped it: the button coming up or the capture
    // going elsewhere.
    void EndTracking();
    void PaintPendingMessages();
    void OptionsChanged();

    std::unique_ptr<TSkAnimation> animation_;
    std::unique_ptr<TSkBlending> blending_;
    std::unique_ptr<TSkShadow> shadow_;
    std::unique_ptr<TSkGravitation> gravitation_;
    std::unique_ptr<TSkDragging> dragging_;
    std::unique_ptr<TSkPopupMenuOptions> systemMenuOptions_;
    std::unique_ptr<TSkPopupMenuOptions> trayMenuOptions_;
    std::unique_ptr<TSkSizeConstraints> constraints_;
    std::unique_ptr<TSkBitmap> frameBitmap_;
    TSkBackground background_;
    friend class TSkShowAnimation;
    std::unique_ptr<TSkShowAnimation> showAnimation_;
    // While the show animation paints the window's picture, the frame goes
    // there rather than to the window.
    TSkBitmap* animationPicture_ = nullptr;

    TSkBorderIcons borderIcons_{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollup, kbiTray};
    TSkBorderStyle borderStyle_ = kbsStandard;
    std::wstring caption_;
    std::wstring lastText_;
    bool minimizeApplication_ = true;
    TSkFormPerformance performance_ = ksfpNoBuffer;
    bool stayOnTop_ = false;
    bool stretchBackground_ = false;
    TSkWindowState windowState_ = kwsNormal;
    TSkWindowState prevWindowState_ = kwsNormal;
    TSkWindowState pendingState_ = kwsNormal;
    TRect normalBounds_{};
    // A stored state is being applied: the form's bounds are not its own.
    bool applyingState_ = false;
    // The form waits below the screen for its stored state.
    bool parked_ = false;
    // The system's own SC_MINIMIZE is running Minimize: it minimizes the
    // window itself, so nothing is posted.
    bool systemMinimize_ = false;
    bool appHooksInstalled_ = false;
    TSkCustomItem* systemMenu_ = nullptr;
    TPopupMenu* systemMenuLink_ = nullptr;
    TSkCustomMenuBar* menuBar_ = nullptr;
    TSkCustomItem* windowMenu_ = nullptr;
    // The form's own shortcut handler, asked after the menu bar.
    TShortCutEvent savedShortCut_;
    bool shortCutInstalled_ = false;
    TPopupMenu* trayMenuLink_ = nullptr;
    TPoint systemMenuPoint_{};
    std::unique_ptr<TSkTrayIcon> tray_;

    int frameWidth_ = 0, frameHeight_ = 0;
    int windowWidth_ = 0, windowHeight_ = 0;
    bool formActive_ = false;
    int pressedPart_ = kfpNone;
    int hotPart_ = kfpNone;
    bool leftDown_ = false;
    bool tracking_ = false;
    TPoint dragStart_{}, dragLast_{};
    TRect dragOutline_{};
    bool outlineMode_ = false;
    bool paintEnabled_ = true;
    bool inUpdateFrame_ = false;
    bool endingDrag_ = false;
    // The frame's size from the window's, less the shadow's margin.
    void TakeWindowSize(int width, int height);
    TFrameKey paintedKey_{};
    std::unique_ptr<TCanvas> frameCanvas_;
    bool paintedValid_ = false;
    int frameGeneration_ = 0;
};

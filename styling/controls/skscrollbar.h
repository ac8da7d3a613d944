// TSkCustomScrollBar: a scroll bar without a window of its own. It lays out
// its arrow buttons, track, thumb and the page areas beside the thumb,
// follows the mouse over them, drags the thumb, repeats steps while a part
// is held and reports each change through OnScroll and OnChange.
// TSkThemeScrollBar (themescrollbars.h) lets a theme size and draw it.
#pragma once

#include "framework/controls/controlkinds.h"
#include "styling/core/skgraphiccontrol.h"

#include <cstdint>
#include <functional>
#include <memory>

class TTimer;

// The system's scroll codes (SB_LINEUP .. SB_ENDSCROLL), in their order.
enum TScrollCode : uint8_t {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};
using TScrollBarInc = int16_t;
using TSkScrollEvent = std::function<void(TObject* sender, TScrollCode code, int& position)>;

class TSkCustomScrollBar : public TSkGraphicControl {
    FW_DECLARE_CLASS(TSkCustomScrollBar)
public:
    explicit TSkCustomScrollBar(TComponent* owner);
    ~TSkCustomScrollBar() override;

    int Position() const { return position_; }
    // Kept within Min..Max; OnChange follows the repaint.
    void SetPosition(int value);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    // The visible share of the range; 0 gives a thumb of fixed size.
    int PageSize() const { return pageSize_; }
    void SetPageSize(int value);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int value);
    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind value);
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool value);
    TScrollBarInc LargeChange() const { return largeChange_; }
    void SetLargeChange(TScrollBarInc value) { largeChange_ = value; }
    TScrollBarInc SmallChange() const { return smallChange_; }
    void SetSmallChange(TScrollBarInc value) { smallChange_ = value; }
    // Steps towards Min or Max on the repeat timer until switched off or
    // the end is reached; one switches the other off.
    bool AutoScrollBack() const { return autoScrollBack_; }
    void SetAutoScrollBack(bool value);
    bool AutoScrollForward() const { return autoScrollForward_; }
    void SetAutoScrollForward(bool value);

    bool Dragging() const { return thumbGrab_ >= 0; }
    // The position the thumb stands for when its leading edge is at pixel
    // (along the bar), within Min..Max - PageSize + 1.
    int PositionAtPixel(int pixel);
    // Where the thumb's leading edge is, along the bar: a 16-bit coordinate.
    uint16_t ThumbOffset();

    virtual int GetButtonSize();
    virtual int GetThumbSize();
    virtual void GetFirstButtonRect(RECT& rect);
    virtual void GetSecondButtonRect(RECT& rect);
    virtual void GetThumbRect(RECT& rect);
    virtual void GetTrackRect(RECT& rect);
    virtual void GetFirstPageRect(RECT& rect);
    virtual void GetSecondPageRect(RECT& rect);
    virtual bool IsOnFirstButton(int x, int y);
    virtual bool IsOnSecondButton(int x, int y);
    virtual bool IsOnThumb(int x, int y);
    virtual bool IsOnFirstPage(int x, int y);
    virtual bool IsOnSecondPage(int x, int y);

    void Dispatch(TMessage& message) override;

    TNotifyEvent OnChange;
    TSkScrollEvent OnScroll;

protected:
    virtual void DrawFirstButton();
    virtual void DrawSecondButton();
    virtual void DrawFirstPage();
    virtual void DrawSecondPage();
    virtual void DrawThumb();
    virtual void DrawTrack();
    virtual void DrawBorder();
    virtual void Change();
    virtual void Scroll(TScrollCode code, int& position);
    void PaintClient() override;
    void MouseDown(TMouseButton button, unsigned shift, int x, int y) override;
    void MouseMove(unsigned shift, int x, int y) override;
    void MouseUp(TMouseButton button, unsigned shift, int x, int y) override;

    bool Vertical() const { return kind_ == sbVertical; }
    bool ThumbVisible();
    bool FirstButtonPressed() const { return firstButtonDown_ && firstButtonHot_; }
    bool SecondButtonPressed() const { return secondButtonDown_ && secondButtonHot_; }
    bool FirstPagePressed() const { return firstPageDown_ && firstPageHot_; }
    bool SecondPagePressed() const { return secondPageDown_ && secondPageHot_; }
    bool ThumbHot() const { return thumbHot_; }
    bool FirstButtonHot() const { return firstButtonHot_; }
    bool SecondButtonHot() const { return secondButtonHot_; }

private:
    using TInherited = TSkGraphicControl;

    int Length() const { return Vertical() ? Height() : Width(); }
    // Start and end of the track along the bar.
    int TrackStart();
    int TrackLength();
    int ThumbLength();
    // Max - Min - PageSize, one more with a page: the span the thumb travels.
    int TravelRange() const;
    int Along(int x, int y) const { return Vertical() ? y : x; }
    // A step: the new position within Min..Max, offered to OnScroll.
    void StepTo(int position, TScrollCode code);
    void PageBack();
    void PageForward();
    void LineBack();
    void LineForward();
    void StartRepeat();
    void StopRepeat();
    void RepeatTick();
    // The five Hot flags for the mouse at (x, y); true when any changed.
    bool UpdateHot(int x, int y);
    bool ClearHot();

    int mouseX_ = -1, mouseY_ = -1;
    std::unique_ptr<TTimer> repeatTimer_;
    int thumbGrab_ = -1;
    bool thumbHot_ = false, firstButtonHot_ = false, secondButtonHot_ = false;
    bool firstPageHot_ = false, secondPageHot_ = false;
    bool firstButtonDown_ = false, secondButtonDown_ = false;
    bool firstPageDown_ = false, secondPageDown_ = false;
    int position_ = 0;
    int min_ = 0;
    int borderWidth_ = 1;
    int max_ = 100;
    int pageSize_ = 0;
    TScrollBarKind kind_ = sbHorizontal;
    bool showButtons_ = true;
    TScrollBarInc largeChange_ = 1;
    TScrollBarInc smallChange_ = 1;
    bool autoScrollBack_ = false, autoScrollForward_ = false;
};

// TCanvas: drawing on a device context with the canvas's own font, pen and
// brush. The canvas selects them into the context only when a drawing call
// needs them, and puts the context's original objects back before it lets
// the context go, so a context handed back to its owner holds nothing of ours.
#pragma once

#include "framework/base/geometry.h"
#include "framework/graphics/graphicsobjects.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TGraphic;

enum TCanvasStateItem { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = TSet<TCanvasStateItem>;

using TCopyMode = DWORD;  // a ternary raster operation such as SRCCOPY

class TCanvas : public TPersistent {
    FW_DECLARE_CLASS(TCanvas)
public:
    TCanvas();
    ~TCanvas() override;

    // The device context drawn on. Asking for it with none set calls
    // CreateHandle; a canvas without one raises EInvalidGraphicOperation
    // "Canvas does not allow drawing".
    HDC Handle();
    // Hands a context to the canvas (the caller still owns it) or, with
    // nullptr, hands the current one back with its original objects selected.
    void SetHandle(HDC dc);
    bool HandleAllocated() const { return dc_ != nullptr; }
    // Puts the context's own objects back while keeping it; for code about
    // to draw on the context directly. The tools are selected again when next
    // needed.
    void Refresh() { DeselectHandles(); }

    // Serialises drawing from several threads; reentrant.
    void Lock();
    void Unlock();
    bool TryLock();
    int LockCount() const { return lockCount_; }

    // The canvas's own tools. Their OnChange belongs to the canvas (it
    // reselects them); assign from another object rather than sharing one.
    TFont* Font() const { return font_.get(); }
    void SetFont(const TFont* font) { font_->Assign(font); }
    TPen* Pen() const { return pen_.get(); }
    void SetPen(const TPen* pen) { pen_->Assign(pen); }
    TBrush* Brush() const { return brush_.get(); }
    void SetBrush(const TBrush* brush) { brush_->Assign(brush); }

    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }

    TPoint PenPos();
    void SetPenPos(const TPoint& pos) { MoveTo(pos.x, pos.y); }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);

    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& rect) { Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& rect) { Ellipse(rect.left, rect.top, rect.right, rect.bottom); }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Polygon(const TPoint* points, int count);
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const TPoint* points, int count);
    void Polyline(const std::vector<TPoint>& points);

    // With the brush only; the pen is not used.
    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    // The dotted focus rectangle, drawn by XOR: a second call removes it.
    void DrawFocusRect(const TRect& rect);

    // Text in the font and its colour; the background is filled with the
    // brush unless the brush is clear.
    void TextOut(int x, int y, const std::string& text);
    void TextOutW(int x, int y, const std::wstring& text);
    // Text clipped to the rectangle, which is filled with the brush first
    // unless the brush is clear.
    void TextRect(const TRect& rect, int x, int y, const std::string& text);
    TSize TextExtent(const std::string& text);
    int TextWidth(const std::string& text) { return TextExtent(text).cx; }
    int TextHeight(const std::string& text) { return TextExtent(text).cy; }

    // A graphic at its own size; transparent bitmaps leave their key colour out.
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& rect, TGraphic* graphic);
    // A block copy from another canvas with CopyMode.
    void CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect);

    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

    // The clipping box of the context, in logical units.
    TRect ClipRect();

    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;

protected:
    // Called when a handle is needed and none is set; a subclass obtains
    // its context here and passes it to SetHandle. Such a subclass calls
    // SetHandle(nullptr) before it releases the context (in its destructor
    // too: the base destructor cannot reach the subclass any more).
    virtual void CreateHandle() {}
    // Makes sure the context exists and the wanted tools are selected.
    void RequiredState(TCanvasState required);
    virtual void Changing();
    virtual void Changed();
    TCanvasState State() const { return state_; }

private:
    void CreateFont();
    void CreatePen();
    void CreateBrush();
    // Puts the context's own objects back; the canvas's tools stay valid
    // and are selected again when next needed.
    void DeselectHandles();
    void FontChanged();
    void PenChanged();
    void BrushChanged();

    HDC dc_ = nullptr;
    TCanvasState state_;
    std::unique_ptr<TFont> font_;
    std::unique_ptr<TPen> pen_;
    std::unique_ptr<TBrush> brush_;
    TCopyMode copyMode_ = SRCCOPY;
    HGDIOBJ originalFont_ = nullptr;
    HGDIOBJ originalPen_ = nullptr;
    HGDIOBJ originalBrush_ = nullptr;
    int originalRop2_ = R2_COPYPEN;
    COLORREF originalTextColor_ = 0;
    COLORREF originalBkColor_ = 0;
    int originalBkMode_ = OPAQUE;
    CRITICAL_SECTION lock_;
    int lockCount_ = 0;
};

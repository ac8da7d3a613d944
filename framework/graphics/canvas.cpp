#include "framework/graphics/canvas.h"

#include "framework/graphics/bitmap.h"

FW_IMPLEMENT_CLASS(TCanvas, TPersistent)

namespace {

const TCanvasState ToolStates{csFontValid, csPenValid, csBrushValid};

}  // namespace

TCanvas::TCanvas()
    : font_(std::make_unique<TFont>()), pen_(std::make_unique<TPen>()), brush_(std::make_unique<TBrush>())
{
    InitializeCriticalSection(&lock_);
    font_->OnChange = [this](TObject*) { FontChanged(); };
    pen_->OnChange = [this](TObject*) { PenChanged(); };
    brush_->OnChange = [this](TObject*) { BrushChanged(); };
}

TCanvas::~TCanvas()
{
    SetHandle(nullptr);
    DeleteCriticalSection(&lock_);
}

HDC TCanvas::Handle()
{
    RequiredState(TCanvasState{csHandleValid});
    return dc_;
}

void TCanvas::SetHandle(HDC dc)
{
    if (dc == dc_)
        return;
    if (dc_)
        DeselectHandles();
    dc_ = dc;
    state_ = dc ? TCanvasState{csHandleValid} : TCanvasState{};
    if (dc) {
        originalRop2_ = GetROP2(dc);
        originalTextColor_ = GetTextColor(dc);
        originalBkColor_ = GetBkColor(dc);
        originalBkMode_ = GetBkMode(dc);
    }
}

void TCanvas::DeselectHandles()
{
    if (state_.Contains(csFontValid))
        SelectObject(dc_, originalFont_);
    if (state_.Contains(csPenValid))
        SelectObject(dc_, originalPen_);
    if (state_.Contains(csBrushValid))
        SelectObject(dc_, originalBrush_);
    if (!(state_ * ToolStates).Empty()) {
        SetROP2(dc_, originalRop2_);
        SetTextColor(dc_, originalTextColor_);
        SetBkColor(dc_, originalBkColor_);
        SetBkMode(dc_, originalBkMode_);
    }
    originalFont_ = originalPen_ = originalBrush_ = nullptr;
    state_ = state_ - ToolStates;
}

void TCanvas::RequiredState(TCanvasState required)
{
    const TCanvasState needed = required - state_;
    if (needed.Empty())
        return;
    if (needed.Contains(csHandleValid)) {
        CreateHandle();
        if (!dc_)
            throw EInvalidGraphicOperation("Canvas does not allow drawing");
    }
    if (needed.Contains(csFontValid))
        CreateFont();
    if (needed.Contains(csPenValid))
        CreatePen();
    if (needed.Contains(csBrushValid))
        CreateBrush();
}

void TCanvas::CreateFont()
{
    HGDIOBJ previous = SelectObject(dc_, font_->Handle());
    if (!originalFont_)
        originalFont_ = previous;
    SetTextColor(dc_, ColorToRGB(font_->Color()));
    state_.Include(csFontValid);
}

void TCanvas::CreatePen()
{
    HGDIOBJ previous = SelectObject(dc_, pen_->Handle());
    if (!originalPen_)
        originalPen_ = previous;
    SetROP2(dc_, PenModeToRop2(pen_->Mode()));
    state_.Include(csPenValid);
}

void TCanvas::CreateBrush()
{
    HBRUSH brush = brush_->Handle();
    UnrealizeObject(brush);
    HGDIOBJ previous = SelectObject(dc_, brush);
    if (!originalBrush_)
        originalBrush_ = previous;
    // Hatches and one-bit patterns take their background from the context.
    const COLORREF color = ColorToRGB(brush_->Color());
    if (brush_->Style() == bsSolid) {
        SetBkColor(dc_, color);
        SetBkMode(dc_, OPAQUE);
    } else {
        SetBkColor(dc_, ~color & 0xFFFFFF);
        SetBkMode(dc_, TRANSPARENT);
    }
    state_.Include(csBrushValid);
}

void TCanvas::FontChanged()
{
    if (state_.Contains(csFontValid)) {
        state_.Exclude(csFontValid);
        SelectObject(dc_, originalFont_);
    }
}

void TCanvas::PenChanged()
{
    if (state_.Contains(csPenValid)) {
        state_.Exclude(csPenValid);
        SelectObject(dc_, originalPen_);
    }
}

void TCanvas::BrushChanged()
{
    if (state_.Contains(csBrushValid)) {
        state_.Exclude(csBrushValid);
        SelectObject(dc_, originalBrush_);
    }
}

void TCanvas::Lock()
{
    EnterCriticalSection(&lock_);
    ++lockCount_;
}

void TCanvas::Unlock()
{
    --lockCount_;
    LeaveCriticalSection(&lock_);
}

bool TCanvas::TryLock()
{
    if (!TryEnterCriticalSection(&lock_))
        return false;
    ++lockCount_;
    return true;
}

void TCanvas::Changing()
{
    if (OnChanging)
        OnChanging(this);
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange(this);
}

TPoint TCanvas::PenPos()
{
    RequiredState(TCanvasState{csHandleValid});
    TPoint pos{0, 0};
    GetCurrentPositionEx(dc_, &pos);
    return pos;
}

void TCanvas::MoveTo(int x, int y)
{
    RequiredState(TCanvasState{csHandleValid});
    MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csPenValid, csBrushValid});
    ::LineTo(dc_, x, y);
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csPenValid, csBrushValid});
    ::Rectangle(dc_, x1, y1, x2, y2);
    Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csPenValid, csBrushValid});
    ::RoundRect(dc_, x1, y1, x2, y2, cornerWidth, cornerHeight);
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csPenValid, csBrushValid});
    ::Ellipse(dc_, x1, y1, x2, y2);
    Changed();
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csPenValid, csBrushValid});
    ::Arc(dc_, x1, y1, x2, y2, x3, y3, x4, y4);
    Changed();
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csPenValid, csBrushValid});
    ::Pie(dc_, x1, y1, x2, y2, x3, y3, x4, y4);
    Changed();
}

void TCanvas::Polygon(const TPoint* points, int count)
{
    if (!points || count < 2)
        return;
    Changing();
    RequiredState(TCanvasState{csHandleValid, csPenValid, csBrushValid});
    ::Polygon(dc_, points, count);
    Changed();
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    Polygon(points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polyline(const TPoint* points, int count)
{
    if (!points || count < 2)
        return;
    Changing();
    RequiredState(TCanvasState{csHandleValid, csPenValid, csBrushValid});
    ::Polyline(dc_, points, count);
    Changed();
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    Polyline(points.data(), static_cast<int>(points.size()));
}

void TCanvas::FillRect(const TRect& rect)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csBrushValid});
    ::FillRect(dc_, &rect, brush_->Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& rect)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csBrushValid});
    ::FrameRect(dc_, &rect, brush_->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csBrushValid});
    ::DrawFocusRect(dc_, &rect);
    Changed();
}

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csFontValid, csBrushValid});
    ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
    MoveTo(x + TextWidth(text), y);
    Changed();
}

void TCanvas::TextOutW(int x, int y, const std::wstring& text)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csFontValid, csBrushValid});
    ::TextOutW(dc_, x, y, text.data(), static_cast<int>(text.size()));
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc_, text.data(), static_cast<int>(text.size()), &size);
    MoveTo(x + size.cx, y);
    Changed();
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csFontValid, csBrushValid});
    UINT options = ETO_CLIPPED;
    if (brush_->Style() != bsClear)
        options |= ETO_OPAQUE;
    ExtTextOutA(dc_, x, y, options, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
    Changed();
}

TSize TCanvas::TextExtent(const std::string& text)
{
    RequiredState(TCanvasState{csHandleValid, csFontValid});
    TSize size{0, 0};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size;
}

void TCanvas::Draw(int x, int y, TGraphic* graphic)
{
    if (!graphic || graphic->Empty())
        return;
    graphic->Draw(this, Bounds(x, y, graphic->Width(), graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic* graphic)
{
    if (!graphic || graphic->Empty())
        return;
    graphic->Draw(this, rect);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas* source, const TRect& sourceRect)
{
    if (!source)
        return;
    Changing();
    RequiredState(TCanvasState{csHandleValid, csFontValid, csBrushValid});
    HDC sourceDC = source->Handle();
    StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, sourceDC,
               sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
               sourceRect.bottom - sourceRect.top, copyMode_);
    Changed();
}

TColor TCanvas::Pixels(int x, int y)
{
    RequiredState(TCanvasState{csHandleValid});
    const COLORREF color = GetPixel(dc_, x, y);
    return color == CLR_INVALID ? clNone : static_cast<TColor>(color);
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    Changing();
    RequiredState(TCanvasState{csHandleValid, csPenValid});
    SetPixel(dc_, x, y, ColorToRGB(color));
    Changed();
}

TRect TCanvas::ClipRect()
{
    RequiredState(TCanvasState{csHandleValid});
    TRect rect{0, 0, 0, 0};
    GetClipBox(dc_, &rect);
    return rect;
}

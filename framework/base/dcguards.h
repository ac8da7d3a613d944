// Guards that put a device context back as they found it, on every way out
// of a scope, exceptions included. One type per kind of state.
#pragma once

#include <windows.h>

// The screen's device context, borrowed for a scope.
class TScreenDC {
public:
    TScreenDC() : dc_(GetDC(nullptr)) {}
    ~TScreenDC() { ReleaseDC(nullptr, dc_); }
    TScreenDC(const TScreenDC&) = delete;
    TScreenDC& operator=(const TScreenDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a DC for a scope and puts the previous one back.
class TSelectGuard {
public:
    TSelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~TSelectGuard()
    {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    TSelectGuard(const TSelectGuard&) = delete;
    TSelectGuard& operator=(const TSelectGuard&) = delete;
    bool Failed() const { return !previous_ || previous_ == HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Sets a DC's stretch mode for a scope.
class TStretchModeGuard {
public:
    TStretchModeGuard(HDC dc, int mode) : dc_(dc), previous_(SetStretchBltMode(dc, mode)) {}
    ~TStretchModeGuard()
    {
        if (previous_)
            SetStretchBltMode(dc_, previous_);
    }
    TStretchModeGuard(const TStretchModeGuard&) = delete;
    TStretchModeGuard& operator=(const TStretchModeGuard&) = delete;

private:
    HDC dc_;
    int previous_;
};


// Saves a device context's whole state (objects, clip, origins, modes) and
// restores it.
class TDCStateGuard {
public:
    explicit TDCStateGuard(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~TDCStateGuard()
    {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    TDCStateGuard(const TDCStateGuard&) = delete;
    TDCStateGuard& operator=(const TDCStateGuard&) = delete;

private:
    HDC dc_;
    int saved_;
};

// BeginPaint and EndPaint as a pair.
class TPaintGuard {
public:
    explicit TPaintGuard(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
    ~TPaintGuard() { EndPaint(window_, &ps_); }
    TPaintGuard(const TPaintGuard&) = delete;
    TPaintGuard& operator=(const TPaintGuard&) = delete;
    HDC DC() const { return dc_; }
    const PAINTSTRUCT& Info() const { return ps_; }

private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

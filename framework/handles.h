// Owning wrappers of GDI and module handles, and guards that put a device
// context back as they found it.
#pragma once

#include <windows.h>

#include <utility>

// Owns a handle and frees it with Free when destroyed or reset.
template <class THandle, BOOL(WINAPI* Free)(THandle)>
class TOwnedHandle {
public:
    TOwnedHandle() = default;
    explicit TOwnedHandle(THandle handle) : handle_(handle) {}
    ~TOwnedHandle() { Reset(); }
    TOwnedHandle(TOwnedHandle&& other) noexcept : handle_(other.Release()) {}
    TOwnedHandle& operator=(TOwnedHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    TOwnedHandle(const TOwnedHandle&) = delete;
    TOwnedHandle& operator=(const TOwnedHandle&) = delete;

    THandle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    THandle Release() { return std::exchange(handle_, nullptr); }
    void Reset(THandle handle = nullptr)
    {
        if (handle_)
            Free(handle_);
        handle_ = handle;
    }

private:
    THandle handle_ = nullptr;
};

using TOwnedDC = TOwnedHandle<HDC, DeleteDC>;            // a memory DC made here
using TOwnedModule = TOwnedHandle<HMODULE, FreeLibrary>;  // a library loaded here

// A GDI object (bitmap, brush, pen, font, region) made here.
class TOwnedGdiObject {
public:
    TOwnedGdiObject() = default;
    explicit TOwnedGdiObject(HGDIOBJ object) : object_(object) {}
    ~TOwnedGdiObject() { Reset(); }
    TOwnedGdiObject(TOwnedGdiObject&& other) noexcept : object_(other.Release()) {}
    TOwnedGdiObject& operator=(TOwnedGdiObject&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    TOwnedGdiObject(const TOwnedGdiObject&) = delete;
    TOwnedGdiObject& operator=(const TOwnedGdiObject&) = delete;

    HGDIOBJ Get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    HGDIOBJ Release() { return std::exchange(object_, nullptr); }
    void Reset(HGDIOBJ object = nullptr)
    {
        if (object_)
            DeleteObject(object_);
        object_ = object;
    }

private:
    HGDIOBJ object_ = nullptr;
};

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

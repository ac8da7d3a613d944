// Owning wrappers of GDI and module handles.
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

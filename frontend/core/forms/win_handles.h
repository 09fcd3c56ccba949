// Owners for the Win32 handles the forms layer holds: each releases its handle exactly once,
// in the reverse order of acquisition when they are stacked in one scope.
#pragma once

#include <windows.h>

#include <utility>

namespace forms {

// Owns one handle and releases it with `Release` exactly once.
template <class T, class Release>
class UniqueOwner {
public:
    UniqueOwner() = default;
    explicit UniqueOwner(T handle) : handle_(handle) {}
    ~UniqueOwner() { reset(); }
    UniqueOwner(UniqueOwner&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueOwner& operator=(UniqueOwner&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    UniqueOwner(const UniqueOwner&) = delete;
    UniqueOwner& operator=(const UniqueOwner&) = delete;

    T get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(T handle = nullptr) {
        if (handle_) Release{}(handle_);
        handle_ = handle;
    }

private:
    T handle_ = nullptr;
};

struct CloseKernelHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

// A kernel handle (process, thread) closed with CloseHandle.
using UniqueHandle = UniqueOwner<HANDLE, CloseKernelHandle>;

// A GDI object (bitmap, font, brush, pen) deleted with DeleteObject.
template <class T>
using GdiObject = UniqueOwner<T, DeleteGdiObject>;

// Selects an object into a DC for one scope and puts the previous one back.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A memory DC compatible with `reference` (the screen when null), deleted at scope end.
class MemoryDc {
public:
    explicit MemoryDc(HDC reference = nullptr) : dc_(CreateCompatibleDC(reference)) {}
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// The screen's DC for one scope.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_) ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace forms

// Scoped ownership of COM for the shortcut code: the thread's initialisation
// and an interface pointer, each released on every way out.
#pragma once

#include "platform/include/Platform.h"

#include <utility>

// CoInitialize on construction; CoUninitialize on destruction, but only when
// the initialisation succeeded: a failed one (a thread already in another
// apartment model) must not undo its caller's.
class ComInit {
public:
    ComInit() : result(CoInitialize(nullptr)) {}
    ~ComInit() {
        if (SUCCEEDED(result)) CoUninitialize();
    }
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;

    HRESULT get() const { return result; }

private:
    HRESULT result;
};

// Holds one reference to an interface and releases it.
template <class Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : pointer(other.release()) {}
    ComPtr& operator=(ComPtr&& other) noexcept {
        if (this != &other) {
            reset();
            pointer = other.release();
        }
        return *this;
    }

    Interface* get() const { return pointer; }
    Interface* operator->() const { return pointer; }
    // Gives up the reference without releasing it.
    Interface* release() { return std::exchange(pointer, nullptr); }
    void reset() {
        if (pointer != nullptr) std::exchange(pointer, nullptr)->Release();
    }
    // The out-parameter of CoCreateInstance or QueryInterface; drops what was held.
    void** put() {
        reset();
        return reinterpret_cast<void**>(&pointer);
    }

private:
    Interface* pointer = nullptr;
};

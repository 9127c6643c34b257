#pragma once
// Owns one reference to a COM interface.
#include <unknwn.h>

#include <utility>

template <class Interface>
class TComPtr {
public:
    TComPtr() = default;
    ~TComPtr() { Reset(); }
    TComPtr(const TComPtr&) = delete;
    TComPtr& operator=(const TComPtr&) = delete;
    TComPtr(TComPtr&& Other) noexcept : Pointer(std::exchange(Other.Pointer, nullptr)) {}
    TComPtr& operator=(TComPtr&& Other) noexcept
    {
        if (this != &Other) {
            Reset();
            Pointer = std::exchange(Other.Pointer, nullptr);
        }
        return *this;
    }

    Interface* operator->() const { return Pointer; }
    Interface* Get() const { return Pointer; }
    explicit operator bool() const { return Pointer != nullptr; }

    // For calls that hand out a new reference, such as CoCreateInstance.
    void** Receive()
    {
        Reset();
        return reinterpret_cast<void**>(&Pointer);
    }

    void Reset()
    {
        if (Pointer)
            std::exchange(Pointer, nullptr)->Release();
    }

private:
    Interface* Pointer = nullptr;
};

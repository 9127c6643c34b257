#pragma once
// Owning wrappers of Win32 handles: one owner, moved never copied, released
// in the destructor. Non-owning uses take the raw handle from Get().
#include <windows.h>
#include <commctrl.h>

#include <utility>

template <typename Handle, typename Traits>
class TOwned {
public:
    TOwned() = default;
    explicit TOwned(Handle Value) : Value(Value) {}
    TOwned(TOwned&& Other) noexcept : Value(std::exchange(Other.Value, Handle{})) {}
    TOwned& operator=(TOwned&& Other) noexcept
    {
        if (this != &Other)
            Reset(std::exchange(Other.Value, Handle{}));
        return *this;
    }
    TOwned(const TOwned&) = delete;
    TOwned& operator=(const TOwned&) = delete;
    ~TOwned() { Reset(); }

    Handle Get() const { return Value; }
    explicit operator bool() const { return Value != Handle{}; }
    void Reset(Handle NewValue = Handle{})
    {
        if (Value != Handle{})
            Traits::Release(Value);
        Value = NewValue;
    }

private:
    Handle Value{};
};

struct TGdiTraits {
    static void Release(HGDIOBJ Object) { DeleteObject(Object); }
};
struct TImageListTraits {
    static void Release(HIMAGELIST List);  // through the run-time loaded comctl32
};
struct TKeyTraits {
    static void Release(HKEY Key) { RegCloseKey(Key); }
};
struct TScreenDcTraits {
    static void Release(HDC Dc) { ReleaseDC(nullptr, Dc); }
};
struct TMemoryDcTraits {
    static void Release(HDC Dc) { DeleteDC(Dc); }
};

using TOwnedFont = TOwned<HFONT, TGdiTraits>;
using TOwnedBitmap = TOwned<HBITMAP, TGdiTraits>;
using TOwnedBrush = TOwned<HBRUSH, TGdiTraits>;
using TOwnedImageList = TOwned<HIMAGELIST, TImageListTraits>;
using TOwnedKey = TOwned<HKEY, TKeyTraits>;
using TScreenDc = TOwned<HDC, TScreenDcTraits>;
using TMemoryDc = TOwned<HDC, TMemoryDcTraits>;

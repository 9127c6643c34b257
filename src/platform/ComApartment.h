#pragma once
// COM for the calling thread, single-threaded apartment, for the lifetime of
// the object: the user-interface thread holds one from start to end.
#include <objbase.h>

class TComApartment {
public:
    TComApartment() : Result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~TComApartment()
    {
        if (SUCCEEDED(Result))
            CoUninitialize();
    }
    TComApartment(const TComApartment&) = delete;
    TComApartment& operator=(const TComApartment&) = delete;

    HRESULT Result;
};

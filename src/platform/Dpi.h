#pragma once
// Positions and sizes are designed at 96 DPI. The program declares itself
// DPI-aware (system-aware, in its manifest), so it sees the screen's real
// DPI and scales every position, size and font height by it itself.
#include <windows.h>

class TScale {
public:
    explicit TScale(int Dpi) : Dpi(Dpi) {}
    // The screen's DPI, as a DPI-aware program sees it.
    static TScale OfScreen();

    int operator()(int DesignPixels) const { return MulDiv(DesignPixels, Dpi, 96); }

private:
    int Dpi;
};

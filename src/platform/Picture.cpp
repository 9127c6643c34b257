#include "Controls.h"
#include "JpegImage.h"

TPicture::TPicture(const TControlRow& Row, const TPlacement& Placement)
    : TControl(Row, Placement, "STATIC", SS_BITMAP | SS_REALSIZECONTROL)
{
}

bool TPicture::SetJpeg(const void* Data, std::size_t Size)
{
    std::optional<TRgbImage> Image = DecodeJpeg(Data, Size);
    RECT Client;
    GetClientRect(Handle(), &Client);
    TOwnedBitmap Scaled;
    if (Image && Client.right > 0 && Client.bottom > 0) {
        // Scaled once to the control's size (which follows the DPI), so
        // that painting is a plain copy.
        BITMAPINFO Info{};
        Info.bmiHeader.biSize = sizeof Info.bmiHeader;
        Info.bmiHeader.biWidth = Client.right;
        Info.bmiHeader.biHeight = -Client.bottom;
        Info.bmiHeader.biPlanes = 1;
        Info.bmiHeader.biBitCount = 24;
        Info.bmiHeader.biCompression = BI_RGB;
        void* Bits = nullptr;
        Scaled.Reset(CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0));
        TMemoryDc Dc(CreateCompatibleDC(nullptr));
        if (Scaled && Dc) {
            HGDIOBJ Old = SelectObject(Dc.Get(), Scaled.Get());
            SetStretchBltMode(Dc.Get(), HALFTONE);
            SetBrushOrgEx(Dc.Get(), 0, 0, nullptr);
            BITMAPINFO Source = Info;
            Source.bmiHeader.biWidth = Image->Width;
            Source.bmiHeader.biHeight = -Image->Height;
            StretchDIBits(Dc.Get(), 0, 0, Client.right, Client.bottom, 0, 0, Image->Width, Image->Height,
                          Image->Pixels.data(), &Source, DIB_RGB_COLORS, SRCCOPY);
            SelectObject(Dc.Get(), Old);
        }
    }
    SendMessageA(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(Scaled.Get()));
    Bitmap = std::move(Scaled);
    InvalidateRect(Handle(), nullptr, TRUE);
    return Image.has_value();
}

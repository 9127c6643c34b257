#include "ImageList.h"

#include "CommonControls.h"

TOwnedImageList LoadImageList(const TScale& Scale, int DesignSize, std::initializer_list<const char*> BitmapNames,
                              COLORREF Mask)
{
    int Size = Scale(DesignSize);
    TOwnedImageList List(CommonControls().ImageList_Create(Size, Size, ILC_COLOR24 | ILC_MASK, static_cast<int>(BitmapNames.size()), 0));
    if (!List)
        return List;
    HINSTANCE Instance = GetModuleHandleA(nullptr);
    for (const char* Name : BitmapNames) {
        TOwnedBitmap Design(static_cast<HBITMAP>(LoadImageA(Instance, Name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        if (!Design)
            continue;
        // Nearest-pixel scaling keeps the mask colour exact.
        TOwnedBitmap Scaled(static_cast<HBITMAP>(CopyImage(Design.Get(), IMAGE_BITMAP, Size, Size, LR_CREATEDIBSECTION)));
        CommonControls().ImageList_AddMasked(List.Get(), Scaled ? Scaled.Get() : Design.Get(), Mask);
    }
    return List;
}

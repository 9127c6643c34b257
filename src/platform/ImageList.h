#pragma once
// An image list of square bitmaps from the program's resources, scaled from
// their design size by the DPI. Pixels of the mask colour are transparent.
#include "Dpi.h"
#include "Handles.h"

#include <initializer_list>

TOwnedImageList LoadImageList(const TScale& Scale, int DesignSize, std::initializer_list<const char*> BitmapNames,
                              COLORREF Mask);

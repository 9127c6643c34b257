#pragma once
// The progress dialog: 363 x 153 at 96 DPI, no title-bar buttons. Its
// controls come with the extraction.
#include "Layout.h"

namespace ExtractFormLayout {
inline constexpr TFormLayout Form = {"", 363, 153, TFormBorder::DialogNoSysMenu, {}};
}

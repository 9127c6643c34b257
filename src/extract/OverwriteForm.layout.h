#pragma once
// The overwrite prompt: 315 x 115 at 96 DPI, no title-bar buttons. Its
// controls come with the file copy.
#include "Layout.h"

namespace OverwriteFormLayout {
inline constexpr TFormLayout Form = {"", 315, 115, TFormBorder::DialogNoSysMenu, {}};
}

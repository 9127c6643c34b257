#pragma once
// The background: no border, no caption bar, no controls. Its size is the
// screen's, set when the wizard is first shown.
#include "Layout.h"

namespace FullScreenFormLayout {
inline constexpr TFormLayout Form = {"Tessarine Setup", 0, 0, TFormBorder::None, {}};
}

#pragma once
// The exit confirmation: 345 x 185 at 96 DPI. Rows in tab order.
#include "ControlIds.h"
#include "Layout.h"

namespace ExitFormLayout {
using K = TControlKind;
using namespace LayoutFlag;
namespace Id = ExitFormId;

inline constexpr TControlRow Controls[] = {
    // name           id                kind        parent   x    y    w    h  flags
    {"TextLabel",     Id::TextLabel,    K::Label,   0,      16,  16, 313, 129, 0,       "Exit Setup text"},
    {"ExitButton",    Id::ExitButton,   K::Button,  0,     256, 152,  75,  25, Cancel,  "E&xit Setup"},
    {"ResumeButton",  Id::ResumeButton, K::Button,  0,     176, 152,  75,  25, Default, "&Resume"},
};

inline constexpr TFormLayout Form = {"Exit Setup", 345, 185, TFormBorder::Dialog, Controls};
}  // namespace ExitFormLayout

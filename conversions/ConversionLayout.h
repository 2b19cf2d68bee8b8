#pragma once

#include "worksheet/controls/Twips.h"

// The conversions dialog as designed, in twips: the client area on the screen, the controls
// from its top left.
namespace ConversionLayout {

inline constexpr TwipsRect clientArea{3945, 1680, 4545, 2115};

inline constexpr TwipsRect labels[2] = {{480, 240, 1752, 252}, {480, 1020, 1035, 255}};
inline constexpr TwipsRect boxes[2] = {{480, 480, 1575, 315}, {480, 1260, 1575, 315}};
inline constexpr TwipsRect buttons[2] = {{3120, 720, 915, 435}, {3120, 1200, 915, 435}};

} // namespace ConversionLayout

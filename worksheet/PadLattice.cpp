#include "PadLattice.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace PadLattice {

namespace {

// A pointer position reaches us through pixels and back (twips -> pixels -> window ->
// widget -> twips), which leaves noise in the last bits: a half such as 119.5 may arrive as
// 119.49999999999996. Positions are taken to a millionth of a twip first, far finer than any
// pixel, so that a half is still a half when it is rounded.
constexpr double resolution = 1e6;

double heldToIntRange(double twips) {
    if (std::isnan(twips))
        return 0.0;
    return std::clamp(twips, static_cast<double>(std::numeric_limits<int>::min()),
                      static_cast<double>(std::numeric_limits<int>::max()));
}

// Nearest whole number, a half going to the even neighbour, whatever the floating-point
// environment's rounding mode.
double nearestHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

} // namespace

int latticeIndex(double twips) {
    const double settled = std::round(heldToIntRange(twips) * resolution) / resolution;
    const double whole = heldToIntRange(nearestHalfEven(settled));
    return static_cast<int>(whole) / stepTwips; // C++ division truncates toward zero
}

Setting settingAt(double xTwips, double yTwips) {
    Setting setting;
    setting.across = latticeIndex(xTwips);
    setting.down = latticeIndex(yTwips);
    setting.snappedX = setting.across * stepTwips;
    setting.snappedY = setting.down * stepTwips;
    setting.term = std::max(setting.across, 0);
    setting.growth = topGrowth - setting.down;
    return setting;
}

bool isOnPad(const Setting& setting) {
    return setting.across >= 0 && setting.across <= lastAcross && setting.down >= 0 &&
           setting.down <= lastDown;
}

} // namespace PadLattice

#pragma once

// Where a point on the term and growth pad lands. The pad is a lattice of 120-twip steps:
// across, the term in whole years; down, the growth rate, 41 % in the top strip and one
// percent less in each strip below. A pointer position (twips from the pad's top left, any
// size and sign: the pad reports positions outside itself while a button is held) becomes
//   lattice index   the position to the nearest whole twip, halves to the even neighbour,
//                   then integer-divided by 120, truncating toward zero (so -119 -> 0)
//   snapped point   the index times 120, where the cross-hair goes
//   term            the across index, but never below 0
//   growth          41 minus the down index
namespace PadLattice {

inline constexpr int stepTwips = 120;
inline constexpr int topGrowth = 41;
// The last lattice point inside the pad each way: term 18 years, growth 0 %.
inline constexpr int lastAcross = 18;
inline constexpr int lastDown = topGrowth;

// The index of one coordinate. Far-off positions are held to the int range first (and a
// position that is not a number counts as 0), so that no step of the arithmetic overflows.
int latticeIndex(double twips);

struct Setting {
    int across = 0; // lattice index a
    int down = 0;   // lattice index b
    int snappedX = 0;
    int snappedY = 0;
    int term = 0;
    int growth = 0;
};

Setting settingAt(double xTwips, double yTwips);

// Whether the setting's point lies on the pad.
bool isOnPad(const Setting& setting);

} // namespace PadLattice

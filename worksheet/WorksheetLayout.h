#pragma once

#include "worksheet/controls/Twips.h"

#include <QColor>

// The worksheet's controls as designed, in twips from the top left of its client area
// (the cross-hair lines from the top left of the pad). Nothing is laid out anew later.
namespace WorksheetLayout {

inline constexpr TwipsRect clientArea{1995, 2850, 8430, 6720};

inline constexpr TwipsRect yieldList{3240, 360, 795, 2790};
inline constexpr TwipsRect termScale{300, 5490, 2760, 345};  // Picture3
inline constexpr TwipsRect growthScale{180, 360, 540, 5040}; // Picture2
inline constexpr TwipsRect pad{840, 360, 2220, 5040};        // Picture1
inline constexpr double verticalLineX = 660;
inline constexpr double horizontalLineY = 2340;
inline constexpr TwipsRect editor{10500, 2820, 1212, 360};     // off the visible area on purpose
inline constexpr TwipsRect termCaption{1380, 5850, 1215, 255}; // Label3
inline constexpr TwipsRect detailGrid{3240, 3540, 4935, 2415};
inline constexpr TwipsRect parameterGrid{4560, 900, 3615, 1680};
inline constexpr TwipsRect hintBox{4500, 390, 1635, 225}; // Yellowbox
inline constexpr TwipsRect valueBox{4560, 2940, 3615, 375};
inline constexpr TwipsRect warningBox{3300, 3780, 4635, 1935};
inline constexpr TwipsRect growthCaption{0, 60, 855, 255};      // Label2
inline constexpr TwipsRect valueCaption{4560, 2700, 3375, 255}; // Label1
inline constexpr TwipsRect commentBox{300, 3660, 1332, 2652};
inline constexpr TwipsRect yieldCaption{3240, 60, 1215, 255}; // Thelabel(0)

inline constexpr double buttonWidth = 360;
inline constexpr double buttonHeight = 330;
inline constexpr double buttonTop = 30;
// Designed lefts of the visible buttons 0 to 5; start-up lines them up again.
inline constexpr double buttonLefts[6] = {4500, 4860, 5220, 5700, 6060, 6540};
// Hidden picture stores: element i + 10 keeps button i's raised picture, i + 20 its pressed one.
inline constexpr double raisedStoreLefts[6] = {3120, 3480, 3840, 4200, 4560, 4920};
inline constexpr double raisedStoreTops[6] = {6270, 6270, 6270, 6300, 6300, 6300};
inline constexpr double pressedStoreTops[6] = {6600, 6600, 6600, 6630, 6630, 6600};

inline const QColor lightGrey{192, 192, 192};
inline const QColor lightYellow{255, 255, 128};

} // namespace WorksheetLayout

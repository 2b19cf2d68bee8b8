#pragma once

#include <QString>

// The open conversions dialog as {"caption", "labels", "boxes", "focus"}, or null: its
// caption, the texts of Conversionlabel0/1 and Conversionbox0/1, and the control of the
// dialog that holds its focus.
QString conversionsDialogJson();

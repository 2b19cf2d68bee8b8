#pragma once

#include <QFont>

// The worksheet's font: MS Sans Serif where it exists, else the closest sans-serif face
// installed (Liberation Sans and Arimo share its metrics best).
QFont worksheetFont(double pointSize = 8.25, bool bold = false);

#pragma once

#include <QRect>
#include <QSize>

// Where the help window goes, in outer (frame-inclusive) screen coordinates: beside the
// program's frame (right of it, else left of it) when it fits there on the frame's screen,
// else centred on the frame; in every case whole on the screen's available area, shrunk to
// that area when it is larger.
QRect helpWindowPlace(const QRect& frame, const QSize& window, const QRect& available);

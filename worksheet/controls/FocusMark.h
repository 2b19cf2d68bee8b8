#pragma once

class QPainter;
class QRect;

// The mark a drawn control (the pad, a scale) shows while it has the keyboard: a dotted
// rectangle just inside `area`, one logical pixel wide, in black and white so that it shows
// on any background.
void drawFocusMark(QPainter& painter, const QRect& area);

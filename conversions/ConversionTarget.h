#pragma once

#include "engine/Conversion.h"

class QString;

// What the conversions dialog does to the worksheet, and nothing more. After a successful
// conversion the dialog calls, in this order: storeFigure, writeParameter, emptyEditor, then
// closes itself, then focusEditor and recalculate. A failed conversion calls nothing.
class ConversionTarget {
public:
    virtual ~ConversionTarget() = default;

    // The figure into the valuation's record: its earnings or its dividends.
    virtual void storeFigure(PerShareFigure figure, float value) = 0;
    // The figure's parameter row becomes the grid's current row, its value cell gets `text`,
    // and that one cell is highlighted.
    virtual void writeParameter(PerShareFigure figure, const QString& text) = 0;
    // The worksheet's editor gets an empty text and the selection (0, 0). A blank editor
    // never overwrites its cell, so the text just written stays.
    virtual void emptyEditor() = 0;
    virtual void focusEditor() = 0;
    virtual void recalculate() = 0;
};

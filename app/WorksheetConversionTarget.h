#pragma once

#include "conversions/ConversionTarget.h"

#include <functional>

class EditorControl;
class ParameterCursor;
class Valkubeform;
struct ValuationState;

// The worksheet as the conversions dialog sees it: the parameter cursor to write and
// highlight the cell, the editor to empty and focus, the valuation record and the
// recalculation.
class WorksheetConversionTarget : public ConversionTarget {
public:
    WorksheetConversionTarget(ParameterCursor& cursor, EditorControl& editor,
                              ValuationState& valuation, std::function<void()> recalculate);
    // The parts of `form`, recalculating through its computeValuation().
    WorksheetConversionTarget(Valkubeform& form, ValuationState& valuation);

    void storeFigure(PerShareFigure figure, float value) override;
    void writeParameter(PerShareFigure figure, const QString& text) override;
    void emptyEditor() override;
    void focusEditor() override;
    void recalculate() override;

private:
    ParameterCursor& cursor_;
    EditorControl& editor_;
    ValuationState& valuation_;
    std::function<void()> recalculate_;
};

#pragma once

class CaptionedLabel;
class GridControl;
class ParameterCursor;
class WorksheetActions;
struct NumberLocale;
struct ValuationState;

// Builds the year-by-year table in Detailgrid from a fresh valuation and shows it with the
// Valuation row highlighted. Whatever happens, the build ends with row 1 of the parameter
// grid current and the editor holding the focus.
class DetailTableView {
public:
    DetailTableView(GridControl& parameters, GridControl& detail, CaptionedLabel& commentBox,
                    ParameterCursor& cursor, WorksheetActions& worksheet,
                    const ValuationState& valuation, const NumberLocale& locale);

    void fillDetailTable();

private:
    void prepareColumns();

    GridControl& parameters_;
    GridControl& detail_;
    CaptionedLabel& commentBox_;
    ParameterCursor& cursor_;
    WorksheetActions& worksheet_;
    const ValuationState& valuation_;
    const NumberLocale& locale_;
};

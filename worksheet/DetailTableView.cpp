#include "DetailTableView.h"

#include "DetailTableTexts.h"
#include "engine/DetailTable.h"
#include "worksheet/controls/GridControl.h"
#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "WorksheetActions.h"
#include "engine/ValuationFailure.h"

#include "worksheet/controls/CaptionedLabel.h"

#include <memory>

namespace {
constexpr int columnCount = 5;
constexpr double columnWidths[columnCount] = {600, 900, 900, 900, 1200};
} // namespace

DetailTableView::DetailTableView(GridControl& parameters, GridControl& detail,
                                 CaptionedLabel& commentBox, ParameterCursor& cursor,
                                 WorksheetActions& worksheet, const ValuationState& valuation,
                                 const NumberLocale& locale)
    : parameters_(parameters), detail_(detail), commentBox_(commentBox), cursor_(cursor),
      worksheet_(worksheet), valuation_(valuation), locale_(locale) {}

void DetailTableView::fillDetailTable() {
    parameters_.setRow(ParameterRow::first);
    parameters_.setColumn(ParameterRow::valueColumn);
    if (worksheet_.computeValuation() == ValuationOutcome::ValueShown) {
        try {
            // Built in full before anything is shown: a failure leaves the table hidden.
            DetailTable table = buildDetailTable(valuation_, locale_);
            commentBox_.setText(QString());
            prepareColumns();
            const int valuationRow = table.valuationRow();
            detail_.setTexts(std::make_unique<DetailTableTexts>(std::move(table)));
            detail_.scrollToTop(); // a fresh table reads from its first year
            detail_.show();
            detail_.setHighlight({valuationRow, 0, valuationRow, columnCount - 1});
        } catch (const ValuationFailure&) {
            // The table stays hidden; the value box already shows the valuation.
        }
    }
    cursor_.returnToFirstRow();
}

void DetailTableView::prepareColumns() {
    for (int column = 0; column < columnCount; ++column) {
        detail_.setColumnWidthTwips(column, columnWidths[column]);
        detail_.setColumnAlignment(column, Qt::AlignRight | Qt::AlignVCenter,
                                Qt::AlignRight | Qt::AlignVCenter);
    }
}

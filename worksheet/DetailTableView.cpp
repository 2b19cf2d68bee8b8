#include "DetailTableView.h"

#include "engine/DetailTable.h"
#include "worksheet/controls/GridControl.h"
#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "WorksheetActions.h"
#include "engine/ValuationFailure.h"

#include "worksheet/controls/CaptionedLabel.h"

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
            const DetailTable table =
                buildDetailTable(valuation_, locale_);
            commentBox_.setText(QString());
            prepareColumns();
            GridControl& grid = detail_;
            const int rowCount = static_cast<int>(table.rows.size());
            grid.setRowCount(rowCount);
            for (int row = 0; row < rowCount; ++row) {
                const auto& cells = table.rows[static_cast<std::size_t>(row)];
                for (int column = 0; column < columnCount; ++column)
                    grid.setCellText(
                        row, column,
                        QString::fromStdString(cells[static_cast<std::size_t>(column)]));
            }
            grid.scrollToTop(); // a fresh table reads from its first year
            grid.show();
            const int valuationRow = rowCount - 1;
            grid.setHighlight({valuationRow, 0, valuationRow, columnCount - 1});
        } catch (const ValuationFailure&) {
            // The table stays hidden; the value box already shows the valuation.
        }
    }
    cursor_.returnToFirstRow();
}

void DetailTableView::prepareColumns() {
    GridControl& grid = detail_;
    for (int column = 0; column < columnCount; ++column) {
        grid.setColumnWidthTwips(column, columnWidths[column]);
        grid.setColumnAlignment(column, Qt::AlignRight | Qt::AlignVCenter,
                                Qt::AlignRight | Qt::AlignVCenter);
    }
}

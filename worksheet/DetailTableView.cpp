#include "DetailTableView.h"

#include "DetailTable.h"
#include "GridControl.h"
#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "Valkubeform.h"
#include "ValuationFailure.h"

#include <QLabel>

namespace {
constexpr int columnCount = 5;
constexpr double columnWidths[columnCount] = {600, 900, 900, 900, 1200};
} // namespace

DetailTableView::DetailTableView(Valkubeform& form) : form_(form) {}

void DetailTableView::fillDetailTable() {
    GridControl& parameters = form_.Thegrid();
    parameters.setRow(ParameterRow::first);
    parameters.setColumn(ParameterRow::valueColumn);
    if (form_.computeValuation() == ValuationOutcome::ValueShown) {
        try {
            // Built in full before anything is shown: a failure leaves the table hidden.
            const DetailTable table =
                buildDetailTable(form_.context().valuation, form_.context().locale);
            form_.commentbox().setText(QString());
            prepareColumns();
            GridControl& grid = form_.Detailgrid();
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
    form_.cursor().returnToFirstRow();
}

void DetailTableView::prepareColumns() {
    GridControl& grid = form_.Detailgrid();
    for (int column = 0; column < columnCount; ++column) {
        grid.setColumnWidthTwips(column, columnWidths[column]);
        grid.setColumnAlignment(column, Qt::AlignRight | Qt::AlignVCenter,
                                Qt::AlignRight | Qt::AlignVCenter);
    }
}

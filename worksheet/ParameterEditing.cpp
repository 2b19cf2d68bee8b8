#include "ParameterEditing.h"

#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "engine/LocaleNumber.h"
#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "PlatformServices.h"
#include "WorksheetActions.h"
#include "engine/ValuationState.h"

#include <QCoreApplication>
#include <QWidget>

namespace {

constexpr int enterCode = 13;
constexpr int backspaceCode = 8;
constexpr int commaCode = 44;
constexpr int minusCode = 45;
constexpr int periodCode = 46;
constexpr int upKey = 38;
constexpr int downKey = 40;
constexpr int printKey = 44;
constexpr int deleteKey = 46;

} // namespace

ParameterEditing::ParameterEditing(EditorControl& editor, GridControl& grid,
                                   ParameterCursor& cursor, WorksheetActions& worksheet,
                                   const WorksheetContext& context)
    : editor_(editor), grid_(grid), cursor_(cursor), worksheet_(worksheet), context_(context) {
    editor_.setReactions(this);
    QObject::connect(&grid_, &GridControl::userMovedCurrentCell, &grid_,
                     [this] { cellEntered(); });
}

void ParameterEditing::cellEntered() {
    QCoreApplication::processEvents();
    if (grid_.column() == ParameterRow::titleColumn) {
        grid_.setColumn(ParameterRow::valueColumn);
        return;
    }
    worksheet_.hideDetailTable();
    editor_.setText(grid_.text());
    // A zero is shown in the cell but not offered for editing: the first key replaces it.
    if (editor_.text() == QLatin1String("0"))
        editor_.setText(QString());
    cursor_.selectCell(grid_.row(), grid_.column());
    cursor_.refocusEditor();
}

void ParameterEditing::changed() {
    const QString text = editor_.text();
    const QString trimmed = text.trimmed();
    if (!trimmed.isEmpty()) {
        const bool partial = trimmed == QLatin1String(".") || trimmed == QLatin1String("-") ||
                             trimmed == QLatin1String(",");
        if (!partial && !isLocaleNumber(trimmed.toStdString(), context_.locale)) {
            context_.services.showMessage({QStringLiteral("Invalid entry"), context_.messageTitle,
                                                  MessageButtons::Ok, MessageIcon::None});
            return;
        }
        grid_.setText(text);
    }
    if (worksheet_.Holdcalc() != 1)
        worksheet_.computeValuation();
}

void ParameterEditing::keyPress(int& charCode) {
    if (charCode == enterCode) {
        worksheet_.setHoldcalc(1);
        charCode = 0;
        const int row = grid_.row();
        moveToRow(ParameterRow::below(row));
        return;
    }
    if (charCode < '0' || charCode > '9') {
        const int row = grid_.row();
        const bool signAllowed = ParameterRow::mayBeNegative(row);
        const bool passes = charCode == backspaceCode || charCode == periodCode ||
                            charCode == commaCode || (signAllowed && charCode == minusCode);
        if (!passes)
            charCode = 0;
        return;
    }
    worksheet_.setHoldcalc(0);
}

void ParameterEditing::keyDown(int& keyCode) {
    const int row = grid_.row();
    if (keyCode == downKey) {
        worksheet_.setHoldcalc(1);
        keyCode = 0;
        moveToRow(ParameterRow::below(row));
    } else if (keyCode == upKey) {
        worksheet_.setHoldcalc(1);
        keyCode = 0;
        moveToRow(ParameterRow::above(row));
    } else if (keyCode == deleteKey || keyCode == printKey) {
        // The editor then deletes as usual; its own change runs the edit check.
        grid_.setText(QString());
    }
}

void ParameterEditing::keyUp(int /*keyCode*/) {
    if (context_.valuation.earnings > 0)
        worksheet_.computeValuation();
}

// Enter and the arrow keys: the editor keeps the text of the row it came from, wholly
// selected, so the first key typed replaces it and lands in the new row.
void ParameterEditing::moveToRow(int row) {
    cursor_.moveToRow(row);
    QCoreApplication::processEvents();
}

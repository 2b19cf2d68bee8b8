#include "ParameterEditing.h"

#include "ConversionEntries.h"
#include "EditorControl.h"
#include "GridControl.h"
#include "LocaleNumber.h"
#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "PlatformServices.h"
#include "ProgramRecords.h"
#include "Valkubeform.h"
#include "ValuationState.h"

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

ParameterEditing::ParameterEditing(Valkubeform& form) : form_(form) {
    form_.Entry().setReactions(this);
    QObject::connect(&form_.Thegrid(), &GridControl::userMovedCurrentCell, &form_,
                     [this] { cellEntered(); });
}

void ParameterEditing::cellEntered() {
    QCoreApplication::processEvents();
    GridControl& grid = form_.Thegrid();
    if (grid.column() == ParameterRow::titleColumn) {
        grid.setColumn(ParameterRow::valueColumn);
        return;
    }
    form_.Detailgrid().hide();
    EditorControl& editor = form_.Entry();
    editor.setText(grid.text());
    // A zero is shown in the cell but not offered for editing: the first key replaces it.
    if (editor.text() == QLatin1String("0"))
        editor.setText(QString());
    form_.cursor().selectCell(grid.row(), grid.column());
    form_.cursor().refocusEditor();
}

void ParameterEditing::changed() {
    const QString text = form_.Entry().text();
    const QString trimmed = text.trimmed();
    if (!trimmed.isEmpty()) {
        const bool partial = trimmed == QLatin1String(".") || trimmed == QLatin1String("-") ||
                             trimmed == QLatin1String(",");
        if (!partial && !isLocaleNumber(trimmed.toStdString(), form_.context().locale)) {
            form_.context().services.showMessage({QStringLiteral("Invalid entry"), programTitle,
                                                  MessageButtons::Ok, MessageIcon::None});
            return;
        }
        form_.Thegrid().setText(text);
    }
    if (form_.Holdcalc() != 1)
        form_.computeValuation();
}

void ParameterEditing::keyPress(int& charCode) {
    if (charCode == enterCode) {
        form_.setHoldcalc(1);
        charCode = 0;
        const int row = form_.Thegrid().row();
        moveToRow(ParameterRow::below(row));
        return;
    }
    if (charCode < '0' || charCode > '9') {
        const int row = form_.Thegrid().row();
        const bool signAllowed = ParameterRow::mayBeNegative(row);
        const bool passes = charCode == backspaceCode || charCode == periodCode ||
                            charCode == commaCode || (signAllowed && charCode == minusCode);
        if (!passes)
            charCode = 0;
        return;
    }
    form_.setHoldcalc(0);
}

void ParameterEditing::keyDown(int& keyCode) {
    const int row = form_.Thegrid().row();
    if (keyCode == downKey) {
        form_.setHoldcalc(1);
        keyCode = 0;
        moveToRow(ParameterRow::below(row));
    } else if (keyCode == upKey) {
        form_.setHoldcalc(1);
        keyCode = 0;
        moveToRow(ParameterRow::above(row));
    } else if (keyCode == deleteKey || keyCode == printKey) {
        // The editor then deletes as usual; its own change runs the edit check.
        form_.Thegrid().setText(QString());
    }
}

void ParameterEditing::keyUp(int /*keyCode*/) {
    if (form_.context().valuation.earnings > 0)
        form_.computeValuation();
}

void ParameterEditing::convertMenuOpened() {
    form_.conversionEntries().offerForRow(form_.Thegrid().row());
}

// Enter and the arrow keys: the editor keeps the text of the row it came from, wholly
// selected, so the first key typed replaces it and lands in the new row.
void ParameterEditing::moveToRow(int row) {
    form_.cursor().moveToRow(row);
    QCoreApplication::processEvents();
}

#include "CommandButtons.h"

#include "CellNumberText.h"
#include "ConversionEntries.h"
#include "DetailTableView.h"
#include "EditorControl.h"
#include "Fonts.h"
#include "GridControl.h"
#include "HoverLabel.h"
#include "LeadingNumber.h"
#include "ListControl.h"
#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "PictureButton.h"
#include "PlatformServices.h"
#include "Valkubeform.h"
#include "ValuationFailure.h"
#include "ValuationState.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>

namespace {

constexpr double hintPadding = 84; // twips beside the hint text

// The cell's value as the computation reads it; a text that cannot be read counts as no step.
bool readCell(const QString& text, const NumberLocale& locale, double& value) {
    try {
        value = readLeadingNumber(text.toStdString(), locale);
        return true;
    } catch (const ValuationFailure&) {
        return false;
    }
}

} // namespace

CommandButtons::CommandButtons(Valkubeform& form) : form_(form) {
    for (int element = Clear; element <= Help; ++element) {
        PictureButton& button = form_.Thebutton(element);
        QObject::connect(&button, &PictureButton::pressed, &form_, [this](int i) { press(i); });
        QObject::connect(&button, &PictureButton::moved, &form_, [this](int i) { move(i); });
        QObject::connect(&button, &PictureButton::released, &form_, [this](int i) { release(i); });
    }
}

QString CommandButtons::hintText(int element) {
    static const char* const hints[] = {"Clear", "Detail", "Close", "Up +1", "Down -1", "Help"};
    return QString::fromLatin1(hints[element]);
}

void CommandButtons::press(int element) {
    form_.Thebutton(element).setPicture(form_.Thebutton(element + 20).picture());
}

void CommandButtons::move(int element) {
    const QString hint = hintText(element);
    HoverLabel& box = form_.Yellowbox();
    if (box.text() == hint)
        return; // moving within one button must not redraw the hint
    box.setText(hint);
    const double textWidth =
        form_.scale().toTwips(QFontMetrics(worksheetFont()).horizontalAdvance(hint));
    form_.setHintGeometry(form_.buttonRect(element).left, textWidth + hintPadding);
}

void CommandButtons::release(int element) {
    form_.Thebutton(element).setPicture(form_.Thebutton(element + 10).picture());
    QCoreApplication::processEvents(); // the raised picture shows before the command runs

    switch (element) {
    case Clear:
        clearWorksheet();
        break;
    case Detail:
        if (form_.Detailgrid().isVisible())
            form_.Detailgrid().hide();
        else
            form_.detailTableView().fillDetailTable();
        break;
    case Close: {
        const MessageResult answer = form_.context().services.showMessage(
            {QStringLiteral("Are you sure you want to exit the system?"), QStringLiteral("Exit"),
             MessageButtons::YesNoCancel, MessageIcon::Question});
        if (answer == MessageResult::Yes)
            form_.context().services.endProgram();
        break;
    }
    case Up:
        stepCurrentCell(+1);
        break;
    case Down:
        stepCurrentCell(-1);
        break;
    case Help:
        form_.requestHelp();
        break;
    default:
        break;
    }
}

// Up +1 and Down -1 change the grid cell only; the editor keeps its text.
void CommandButtons::stepCurrentCell(double step) {
    GridControl& grid = form_.Thegrid();
    PlatformServices& services = form_.context().services;
    const NumberLocale& locale = form_.context().locale;
    double value = 0;
    if (readCell(grid.text(), locale, value)) {
        if (step > 0 || ParameterRow::mayBeNegative(grid.row()) || value >= 1)
            grid.setText(QString::fromStdString(cellNumberText(value + step, locale)));
        else
            services.beep();
    }
    double shown = 0;
    if (step < 0 && readCell(grid.text(), locale, shown) && shown < 0)
        services.beep();
    form_.computeValuation();
}

void CommandButtons::clearWorksheet() {
    form_.Detailgrid().hide();
    form_.conversionEntries().offerYieldToDividends();
    // May run the edit check, and a computation on the old figures; the steps below wipe it.
    form_.Entry().setText(QString());
    form_.commentbox().setText(QString());
    ValuationState& state = form_.context().valuation;
    state.theoreticValue = 0;
    state.yieldPercent = 0;
    state.termYears = 0;
    state.earnings = 0;
    state.growthPercent = 0;
    state.dividends = 0;
    form_.Valuebox().setText(QString());
    GridControl& grid = form_.Thegrid();
    grid.setColumn(ParameterRow::valueColumn);
    for (int row = ParameterRow::first; row <= ParameterRow::last; ++row)
        form_.cursor().writeParameter(row, QString());
    form_.Yieldlist().clearSelectedPosition();
    form_.cursor().returnToFirstRow();
}

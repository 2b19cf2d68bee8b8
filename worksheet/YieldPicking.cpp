#include "YieldPicking.h"

#include "worksheet/controls/ListControl.h"
#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "WorksheetActions.h"

namespace {
constexpr int startingYield = 4;
} // namespace

YieldPicking::YieldPicking(ListControl& list, ParameterCursor& cursor, WorksheetActions& worksheet)
    : list_(list), cursor_(cursor), worksheet_(worksheet) {
    QObject::connect(&list_, &ListControl::picked, &list_, [this] { pick(); });
}

void YieldPicking::fillYieldList() {
    list_.addItem(QString());
    for (int percent = 1; percent <= 100; ++percent)
        list_.addItem(QString::number(percent));
    list_.selectPosition(startingYield);
    list_.clearSelectedPosition();
}

void YieldPicking::pick() {
    if (worksheet_.Holdcalc() == 1)
        return;
    const int position = list_.selectedPosition();
    cursor_.writeParameter(ParameterRow::Yield,
                                  position >= 0 ? list_.item(position)->text() : QString());
    cursor_.selectCell(ParameterRow::Yield, ParameterRow::valueColumn);
    worksheet_.computeValuation();
    worksheet_.setHoldcalc(1);
    list_.selectPosition(0); // raises a pick of its own, which the flag turns away
    worksheet_.setHoldcalc(0);
    // The keyboard stays with the editor: what the user types next replaces its text and
    // lands in the yield row.
    cursor_.refocusEditor();
}

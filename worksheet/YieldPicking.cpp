#include "YieldPicking.h"

#include "ListControl.h"
#include "ParameterCursor.h"
#include "ParameterRow.h"
#include "Valkubeform.h"

namespace {
constexpr int startingYield = 4;
} // namespace

YieldPicking::YieldPicking(Valkubeform& form) : form_(form) {
    QObject::connect(&form_.Yieldlist(), &ListControl::picked, &form_, [this] { pick(); });
}

void YieldPicking::fillYieldList() {
    ListControl& list = form_.Yieldlist();
    list.addItem(QString());
    for (int percent = 1; percent <= 100; ++percent)
        list.addItem(QString::number(percent));
    list.selectPosition(startingYield);
    list.clearSelectedPosition();
}

void YieldPicking::pick() {
    if (form_.Holdcalc() == 1)
        return;
    ListControl& list = form_.Yieldlist();
    const int position = list.selectedPosition();
    form_.cursor().writeParameter(ParameterRow::Yield,
                                  position >= 0 ? list.item(position)->text() : QString());
    form_.cursor().selectCell(ParameterRow::Yield, ParameterRow::valueColumn);
    form_.computeValuation();
    form_.setHoldcalc(1);
    list.selectPosition(0); // raises a pick of its own, which the flag turns away
    form_.setHoldcalc(0);
    // The keyboard stays with the editor: what the user types next replaces its text and
    // lands in the yield row.
    form_.cursor().refocusEditor();
}

#include "WorksheetAccessibility.h"

#include "AccessibleControls.h"
#include "CaptionedLabel.h"
#include "CommandButtons.h"
#include "DrawingStrip.h"
#include "EditorControl.h"
#include "EditorRowName.h"
#include "GridCellTitles.h"
#include "GridControl.h"
#include "HoverLabel.h"
#include "HoverSurface.h"
#include "ListControl.h"
#include "PadControl.h"
#include "PictureButton.h"
#include "Valkubeform.h"

namespace {

void describe(QWidget& widget, const QString& name, const QString& description) {
    widget.setAccessibleName(name);
    widget.setAccessibleDescription(description);
}

void describeButtons(Valkubeform& form) {
    static const char* const whatTheyDo[] = {
        "Empties the parameters and the value",  "Shows or hides the year-by-year detail table",
        "Ends the program after asking",         "Raises the highlighted parameter by 1",
        "Lowers the highlighted parameter by 1", "Opens the user's guide",
    };
    for (int element = CommandButtons::Clear; element <= CommandButtons::Help; ++element)
        describe(form.Thebutton(element), CommandButtons::hintText(element),
                 QString::fromLatin1(whatTheyDo[element]));
}

void describeInputs(Valkubeform& form) {
    describe(form.Thegrid(), QStringLiteral("Parameters"),
             QStringLiteral("The five parameters of the valuation; the highlighted value takes "
                            "what is typed"));
    new GridCellTitles(form.Thegrid());
    form.Entry().setAccessibleDescription(
        QStringLiteral("Typing goes into the highlighted parameter; Enter and the arrow keys "
                       "move to the next or the previous one"));
    new EditorRowName(form.Thegrid(), form.Entry());
    describe(form.Yieldlist(), QStringLiteral("Target Yield"),
             QStringLiteral("Picks the target yield in whole percent"));
    describe(form.Picture1(), QStringLiteral("Term and growth pad"),
             QStringLiteral("Dragging with the left mouse button sets the term, across, from 0 "
                            "to 18 years and the growth rate, down, from 41 to 0 percent"));
}

void describeOutputs(Valkubeform& form) {
    form.Valuebox().setCaption(QStringLiteral("Theoretic Stock Value"));
    form.commentbox().setCaption(QStringLiteral("Detail comment"));
    describe(form.Detailgrid(), QStringLiteral("Year-by-year detail"),
             QStringLiteral("Earnings, dividends and present values for each year of the term"));
    new GridCellTitles(form.Detailgrid());
    describe(form.Picture2(), QStringLiteral("Growth scale"),
             QStringLiteral("Growth rate in percent beside the pad, 40 at the top to 0 at the "
                            "bottom"));
    describe(form.Picture3(), QStringLiteral("Term scale"),
             QStringLiteral("Term in years under the pad, marked every five years"));
    form.Yellowbox().setAccessibleDescription(
        QStringLiteral("Hint for the command button under the pointer"));
    form.Warningbox().setAccessibleDescription(QStringLiteral("Disclaimer"));
}

} // namespace

void makeWorksheetAccessible(Valkubeform& form) {
    installAccessibleControls();
    form.setAccessibleName(QStringLiteral("Valuation worksheet"));
    form.surface().setAccessibleName(QStringLiteral("Worksheet"));
    describeButtons(form);
    describeInputs(form);
    describeOutputs(form);
}

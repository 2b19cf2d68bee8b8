#include "WorksheetAccessibility.h"

#include "worksheet/controls/AccessibleControls.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "CommandButtons.h"
#include "worksheet/controls/DrawingStrip.h"
#include "worksheet/controls/EditorControl.h"
#include "EditorRowName.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/HoverLabel.h"
#include "worksheet/controls/HoverSurface.h"
#include "worksheet/controls/ListControl.h"
#include "worksheet/controls/PadControl.h"
#include "worksheet/controls/PictureButton.h"
#include "WorksheetControls.h"

namespace {

void describe(QWidget& widget, const QString& name, const QString& description) {
    widget.setAccessibleName(name);
    widget.setAccessibleDescription(description);
}

void describeButtons(const WorksheetControls& controls) {
    static const char* const whatTheyDo[] = {
        "Empties the parameters and the value (Ctrl+N)",
        "Shows or hides the year-by-year detail table (Ctrl+T)",
        "Ends the program after asking",
        "Raises the highlighted parameter by 1 (PageUp)",
        "Lowers the highlighted parameter by 1 (PageDown)",
        "Opens the user's guide (F1)",
    };
    for (int element = CommandButtons::Clear; element <= CommandButtons::Help; ++element)
        describe(controls.Thebutton(element), CommandButtons::hintText(element),
                 QString::fromLatin1(whatTheyDo[element]));
}

void describeInputs(const WorksheetControls& controls) {
    describe(controls.Thegrid, QStringLiteral("Parameters"),
             QStringLiteral("The five parameters of the valuation; the highlighted value takes "
                            "what is typed"));
    controls.Entry.setAccessibleDescription(
        QStringLiteral("Typing goes into the highlighted parameter; Enter and the arrow keys "
                       "move to the next or the previous one"));
    new EditorRowName(controls.Thegrid, controls.Entry);
    describe(controls.Yieldlist, QStringLiteral("Target Yield"),
             QStringLiteral("Picks the target yield in whole percent"));
    describe(controls.Picture1, QStringLiteral("Term and growth pad"),
             QStringLiteral("Dragging with the left mouse button sets the term, across, from 0 "
                            "to 18 years and the growth rate, down, from 41 to 0 percent"));
}

void describeOutputs(const WorksheetControls& controls) {
    controls.Valuebox.setCaption(QStringLiteral("Theoretic Stock Value"));
    controls.Valuebox.setAccessibleDescription(
        QStringLiteral("The value of one share; Ctrl+C copies it"));
    controls.commentbox.setCaption(QStringLiteral("Detail comment"));
    describe(controls.Detailgrid, QStringLiteral("Year-by-year detail"),
             QStringLiteral("Earnings, dividends and present values for each year of the term; "
                            "Ctrl+C copies the whole table"));
    describe(controls.Picture2, QStringLiteral("Growth scale"),
             QStringLiteral("Growth rate in percent beside the pad, 40 at the top to 0 at the "
                            "bottom"));
    describe(controls.Picture3, QStringLiteral("Term scale"),
             QStringLiteral("Term in years under the pad, marked every five years"));
    controls.Yellowbox.setAccessibleDescription(
        QStringLiteral("Hint for the command button under the pointer"));
    controls.Warningbox.setAccessibleDescription(QStringLiteral("Disclaimer"));
}

} // namespace

void makeWorksheetAccessible(QWidget& window, const WorksheetControls& controls) {
    installAccessibleControls();
    window.setAccessibleName(QStringLiteral("Valuation worksheet"));
    controls.surface.setAccessibleName(QStringLiteral("Worksheet"));
    describeButtons(controls);
    describeInputs(controls);
    describeOutputs(controls);
}

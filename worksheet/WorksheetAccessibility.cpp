#include "WorksheetAccessibility.h"

#include "CommandButtons.h"
#include "EditorRowName.h"
#include "Valkubeform.h"
#include "WorksheetControls.h"
#include "worksheet/controls/AccessibleControls.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "worksheet/controls/DrawingStrip.h"
#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "worksheet/controls/HoverLabel.h"
#include "worksheet/controls/HoverSurface.h"
#include "worksheet/controls/ListControl.h"
#include "worksheet/controls/PadControl.h"
#include "worksheet/controls/PictureButton.h"

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

void describeInputs(Valkubeform& window, const WorksheetControls& controls) {
    describe(controls.Thegrid, QStringLiteral("Parameters"),
             QStringLiteral("The five parameters of the valuation; the highlighted value takes "
                            "what is typed"));
    auto* editorReading = new EditorRowName(controls.Thegrid, controls.Entry, controls.Valuebox);
    QObject::connect(&window, &Valkubeform::valued, editorReading, &EditorRowName::scheduleUpdate);
    describe(controls.Yieldlist, QStringLiteral("Target Yield"),
             QStringLiteral("Picks the target yield in whole percent"));
    // The pad's name is its point (PadControl::pointName); this one counts until it has one.
    describe(controls.Picture1, QStringLiteral("Term and growth pad"),
             QStringLiteral("Term and growth pad: dragging with the left mouse button or the "
                            "arrow keys set the term, across, from 0 to 18 years and the growth "
                            "rate, down, from 41 percent in the top strip to 0 at the bottom"));
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
             QStringLiteral("Growth rate in percent beside the pad, marked from 40 just below "
                            "the pad's top strip, which is 41, to 0 at the bottom"));
    describe(controls.Picture3, QStringLiteral("Term scale"),
             QStringLiteral("Term in years under the pad, marked every five years"));
    controls.Yellowbox.setAccessibleDescription(
        QStringLiteral("Hint for the command button under the pointer"));
    controls.Warningbox.setAccessibleDescription(QStringLiteral("Disclaimer"));
}

} // namespace

void makeWorksheetAccessible(Valkubeform& window, const WorksheetControls& controls) {
    installAccessibleControls();
    window.setAccessibleName(QStringLiteral("Valuation worksheet"));
    controls.surface.setAccessibleName(QStringLiteral("Worksheet"));
    describeButtons(controls);
    // The outputs first: the editor reads the value box by its caption.
    describeOutputs(controls);
    describeInputs(window, controls);
}

#pragma once

#include <array>
#include <cstddef>

class CaptionedLabel;
class DrawingStrip;
class EditorControl;
class GridControl;
class HoverLabel;
class HoverSurface;
class ListControl;
class PadControl;
class PictureButton;
class QLabel;
class QWidget;
class TwipsScale;

// The worksheet's controls, by the names the rest of the program knows them. The window
// builds and owns them; reactions, start-up and the tests take from here what they need.
struct WorksheetControls {
    HoverSurface& surface;         // the grey client area every control lies on
    GridControl& Thegrid;          // the parameters: titles in column 0, values in column 1
    GridControl& Detailgrid;       // the year-by-year detail table
    EditorControl& Entry;          // the invisible editor that takes all typing
    ListControl& Yieldlist;        // the target yields
    PadControl& Picture1;          // the term and growth pad
    DrawingStrip& Picture2;        // the growth scale beside the pad
    DrawingStrip& Picture3;        // the term scale under the pad
    HoverLabel& Yellowbox;         // the hint under the command buttons
    CaptionedLabel& Valuebox;      // the value or the message that explains its absence
    QLabel& Warningbox;            // the disclaimer
    CaptionedLabel& commentbox;    // the detail table's comment
    // Elements 0 to 5 are the visible command buttons; 10 to 15 and 20 to 25 the hidden
    // stores of their raised and pressed pictures.
    std::array<PictureButton*, 26> buttons;

    PictureButton& Thebutton(int element) const {
        return *buttons.at(static_cast<std::size_t>(element));
    }
};

// Creates the controls on a new surface in `window`, each in its designed place, colours and
// font, in the stacking order the design gives them.
WorksheetControls buildWorksheetControls(QWidget& window, const TwipsScale& scale);

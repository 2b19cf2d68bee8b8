#pragma once

class CommandButtons;
class EditorControl;
class QWidget;

// Keys for the commands whose picture buttons never take the keyboard: PageUp (Up +1),
// PageDown (Down -1), Ctrl+T (Detail: show or hide the table) and Ctrl+N (Clear). Each does
// what releasing its button does, wherever the keyboard is in the worksheet, the editor
// included (the editor's own key reactions never see these keys).
class CommandKeys {
public:
    CommandKeys(QWidget& worksheet, EditorControl& editor, CommandButtons& buttons);
};

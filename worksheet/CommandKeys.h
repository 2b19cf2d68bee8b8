#pragma once

#include <QKeyCombination>

#include <functional>

class CommandButtons;
class EditorControl;
class ResultCopy;
class QWidget;

// Keys for the commands whose picture buttons never take the keyboard: PageUp (Up +1),
// PageDown (Down -1), Ctrl+T (Detail: show or hide the table) and Ctrl+N (Clear), each doing
// what releasing its button does; and Ctrl+C, which copies the result. They act wherever the
// keyboard is in the worksheet, the editor included (the editor's own key reactions never
// see these keys, their releases included).
class CommandKeys {
public:
    CommandKeys(QWidget& worksheet, EditorControl& editor, CommandButtons& buttons,
                const ResultCopy& copy);

private:
    void addKey(QKeyCombination keys, std::function<void()> command);

    QWidget& worksheet_;
    EditorControl& editor_;
};

#pragma once

#include <QObject>

#include <initializer_list>

class EditorControl;
class ParameterCursor;
class QWidget;

// The controls that Tab reaches but that have no use for a digit (the parameter grid, the
// pad and its scales) send what the editor types back to it: a digit, the point, the comma
// or the minus key refocuses the editor (its whole text selected, as after a move between
// rows) and is typed there, so that typing after a Tab is never lost.
class TypingRedirection : public QObject {
    Q_OBJECT

public:
    TypingRedirection(EditorControl& editor, ParameterCursor& cursor,
                      std::initializer_list<QWidget*> controls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EditorControl& editor_;
    ParameterCursor& cursor_;
};

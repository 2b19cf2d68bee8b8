#include "TypingRedirection.h"

#include "ParameterCursor.h"
#include "worksheet/controls/EditorControl.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

bool isParameterCharacter(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString text = key.text();
    return text.size() == 1 &&
           (text.front().isDigit() || QStringLiteral(".,-").contains(text.front()));
}

} // namespace

TypingRedirection::TypingRedirection(EditorControl& editor, ParameterCursor& cursor,
                                     std::initializer_list<QWidget*> controls)
    : QObject(&editor), editor_(editor), cursor_(cursor) {
    for (QWidget* control : controls)
        control->installEventFilter(this);
}

bool TypingRedirection::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !isParameterCharacter(*static_cast<QKeyEvent*>(event)))
        return QObject::eventFilter(watched, event);
    cursor_.refocusEditor();
    // The editor's own reactions decide what the character does; its release follows the
    // keyboard there.
    QCoreApplication::sendEvent(&editor_, event);
    return true;
}

#include "CommandKeys.h"

#include "CommandButtons.h"
#include "worksheet/controls/EditorControl.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

CommandKeys::CommandKeys(QWidget& worksheet, EditorControl& editor, CommandButtons& buttons) {
    struct Key {
        QKeyCombination keys;
        CommandButtons::Element element;
    };
    const Key keys[] = {{QKeyCombination(Qt::Key_PageUp), CommandButtons::Up},
                        {QKeyCombination(Qt::Key_PageDown), CommandButtons::Down},
                        {QKeyCombination(Qt::ControlModifier, Qt::Key_T), CommandButtons::Detail},
                        {QKeyCombination(Qt::ControlModifier, Qt::Key_N), CommandButtons::Clear}};
    for (const Key& key : keys) {
        auto* action = new QAction(&worksheet);
        action->setShortcut(QKeySequence(key.keys));
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        const int element = key.element;
        const QKeyCombination keys = key.keys;
        QObject::connect(action, &QAction::triggered, &worksheet,
                         [&editor, &buttons, element, keys] {
                             // The editor would recalculate on the release, hiding a table just
                             // shown.
                             editor.ignoreReleasesOf(keys);
                             buttons.release(element);
                         });
        worksheet.addAction(action);
    }
}

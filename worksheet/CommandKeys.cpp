#include "CommandKeys.h"

#include "CommandButtons.h"
#include "ResultCopy.h"
#include "worksheet/controls/EditorControl.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

CommandKeys::CommandKeys(QWidget& worksheet, EditorControl& editor, CommandButtons& buttons,
                         const ResultCopy& copy)
    : worksheet_(worksheet), editor_(editor) {
    struct Key {
        QKeyCombination keys;
        CommandButtons::Element element;
    };
    const Key keys[] = {{QKeyCombination(Qt::Key_PageUp), CommandButtons::Up},
                        {QKeyCombination(Qt::Key_PageDown), CommandButtons::Down},
                        {QKeyCombination(Qt::ControlModifier, Qt::Key_T), CommandButtons::Detail},
                        {QKeyCombination(Qt::ControlModifier, Qt::Key_N), CommandButtons::Clear}};
    for (const Key& key : keys) {
        const int element = key.element;
        addKey(key.keys, [&buttons, element] { buttons.release(element); });
    }
    addKey(QKeyCombination(Qt::ControlModifier, Qt::Key_C), [&copy] { copy.copyToClipboard(); });
}

void CommandKeys::addKey(QKeyCombination keys, std::function<void()> command) {
    auto* action = new QAction(&worksheet_);
    action->setShortcut(QKeySequence(keys));
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    EditorControl* editor = &editor_;
    QObject::connect(action, &QAction::triggered, &worksheet_,
                     [editor, keys, command = std::move(command)] {
                         // The editor would recalculate on the release, hiding a table just
                         // shown.
                         editor->ignoreReleasesOf(keys);
                         command();
                     });
    worksheet_.addAction(action);
}

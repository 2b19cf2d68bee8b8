#include "EditorRowName.h"

#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "ParameterRow.h"

EditorRowName::EditorRowName(GridControl& grid, EditorControl& editor)
    : QObject(&editor), grid_(grid), editor_(editor) {
    // Program moves of the current cell raise no notification of the grid's own, but Qt's
    // current index follows them.
    connect(&grid_, &QTableWidget::currentCellChanged, this, &EditorRowName::scheduleUpdate);
    // A title written into the current row.
    connect(&grid_, &QTableWidget::itemChanged, this, &EditorRowName::scheduleUpdate);
    update();
}

void EditorRowName::update() {
    updatePending_ = false;
    const QString title = grid_.cellText(grid_.row(), ParameterRow::titleColumn).trimmed();
    if (editor_.accessibleName() != title)
        editor_.setAccessibleName(title);
}

void EditorRowName::scheduleUpdate() {
    if (updatePending_)
        return;
    updatePending_ = true;
    QMetaObject::invokeMethod(this, &EditorRowName::update, Qt::QueuedConnection);
}

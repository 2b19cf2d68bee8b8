#include "EditorRowName.h"

#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"
#include "ParameterRow.h"

EditorRowName::EditorRowName(GridControl& grid, EditorControl& editor)
    : QObject(&editor), grid_(grid), editor_(editor) {
    // Every move of the current cell, the program's included, and a title written.
    connect(&grid_, &GridControl::currentCellChanged, this, &EditorRowName::scheduleUpdate);
    connect(&grid_, &GridControl::cellChanged, this, &EditorRowName::scheduleUpdate);
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

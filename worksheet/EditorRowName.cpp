#include "EditorRowName.h"

#include "ParameterRow.h"
#include "worksheet/controls/CaptionedLabel.h"
#include "worksheet/controls/EditorControl.h"
#include "worksheet/controls/GridControl.h"

EditorRowName::EditorRowName(GridControl& grid, EditorControl& editor,
                             const CaptionedLabel& valueBox)
    : QObject(&editor), grid_(grid), editor_(editor), valueBox_(valueBox) {
    // Every move of the current cell, the program's included.
    connect(&grid_, &GridControl::currentCellChanged, this, &EditorRowName::scheduleUpdate);
    // A title or a value written into a cell.
    connect(&grid_, &GridControl::cellChanged, this, &EditorRowName::scheduleUpdate);
    update();
}

void EditorRowName::update() {
    updatePending_ = false;
    const int row = grid_.highlight().startRow;
    const QString title = grid_.cellText(row, ParameterRow::titleColumn).trimmed();
    if (editor_.accessibleName() != title)
        editor_.setAccessibleName(title);
    editor_.setShownText(grid_.cellText(row, ParameterRow::valueColumn));
    const QString reading = valueBox_.spokenName();
    if (editor_.accessibleDescription() != reading)
        editor_.setAccessibleDescription(reading);
}

void EditorRowName::scheduleUpdate() {
    if (updatePending_)
        return;
    updatePending_ = true;
    QMetaObject::invokeMethod(this, &EditorRowName::update, Qt::QueuedConnection);
}

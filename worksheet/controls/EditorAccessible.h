#pragma once

class EditorControl;
class QAccessibleInterface;

// The editor as assistive technology sees it: an editable text whose text is what the user
// sees for the parameter being edited (EditorControl::shownText), not the editor's own text,
// which may still hold the row it came from.
QAccessibleInterface* editorAccessible(EditorControl* editor);

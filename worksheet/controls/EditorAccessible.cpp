#include "EditorAccessible.h"

#include "EditorControl.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace {

class EditorAccessibleInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit EditorAccessibleInterface(EditorControl* editor)
        : QAccessibleWidget(editor, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value)
            return shown();
        return QAccessibleWidget::text(kind);
    }

    // QAccessibleTextInterface. The editor's own caret and selection count only while its
    // text is the one shown.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && ownTextShown() && editor()->hasSelectedText()) {
            *startOffset = editor()->selectionStart();
            *endOffset = *startOffset + editor()->selectionLength();
        }
    }
    int selectionCount() const override {
        return ownTextShown() && editor()->hasSelectedText() ? 1 : 0;
    }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0)
            editor()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0 && ownTextShown())
            editor()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override {
        return std::min(editor()->cursorPosition(), characterCount());
    }
    void setCursorPosition(int position) override {
        if (ownTextShown())
            editor()->setCursorPosition(position);
    }
    QString text(int startOffset, int endOffset) const override {
        const QString text = shown();
        startOffset = std::clamp(startOffset, 0, static_cast<int>(text.size()));
        endOffset = std::clamp(endOffset, startOffset, static_cast<int>(text.size()));
        return text.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    EditorControl* editor() const { return static_cast<EditorControl*>(widget()); }
    QString shown() const { return editor()->shownText(); }
    bool ownTextShown() const { return editor()->text() == shown(); }
};

} // namespace

QAccessibleInterface* editorAccessible(EditorControl* editor) {
    return new EditorAccessibleInterface(editor);
}

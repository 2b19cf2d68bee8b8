#include "HelpPageAccessible.h"

#include "HelpBrowser.h"

#include <QAccessibleWidget>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

// The document's characters one for one, so that offsets stay positions in the document:
// frame and table markers and the other private-use characters become line breaks.
QString readableText(const QTextDocument& document) {
    QString text = document.toRawText();
    for (QChar& character : text) {
        const char16_t code = character.unicode();
        const bool privateUse =
            (code >= 0xE000 && code <= 0xF8FF) || (code >= 0xFDD0 && code <= 0xFDEF);
        if (privateUse || character == QChar::ParagraphSeparator ||
            character == QChar::LineSeparator)
            character = u'\n';
        else if (character == QChar::Nbsp)
            character = u' ';
    }
    // The document ends in a paragraph separator of its own that no cursor reaches.
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

class HelpPageInterface : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit HelpPageInterface(HelpBrowser* page)
        : QAccessibleWidget(page, QAccessible::Document) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The page's scroll bars and viewport are no part of what is read.
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        const QTextCursor cursor = page()->textCursor();
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && cursor.hasSelection()) {
            *startOffset = cursor.selectionStart();
            *endOffset = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return page()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = page()->textCursor();
        cursor.clearSelection();
        page()->setTextCursor(cursor);
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex != 0)
            return;
        QTextCursor cursor = page()->textCursor();
        cursor.setPosition(clamped(startOffset));
        cursor.setPosition(clamped(endOffset), QTextCursor::KeepAnchor);
        page()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return page()->textCursor().position(); }
    void setCursorPosition(int position) override {
        QTextCursor cursor = page()->textCursor();
        cursor.setPosition(clamped(position));
        page()->setTextCursor(cursor);
    }
    QString text(int startOffset, int endOffset) const override {
        const QString all = readableText(*page()->document());
        startOffset = std::clamp(startOffset, 0, static_cast<int>(all.size()));
        endOffset = std::clamp(endOffset, startOffset, static_cast<int>(all.size()));
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override {
        return static_cast<int>(readableText(*page()->document()).size());
    }
    QRect characterRect(int offset) const override {
        QTextCursor cursor(page()->document());
        cursor.setPosition(clamped(offset));
        QRect rect = page()->cursorRect(cursor);
        rect.setWidth(std::max(rect.width(), page()->fontMetrics().averageCharWidth()));
        return QRect(page()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint inViewport = page()->viewport()->mapFromGlobal(point);
        return page()->cursorForPosition(inViewport).position();
    }
    void scrollToSubstring(int startIndex, int /*endIndex*/) override {
        QTextCursor cursor(page()->document());
        cursor.setPosition(clamped(startIndex));
        page()->setTextCursor(cursor);
        page()->ensureCursorVisible();
    }
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    HelpBrowser* page() const { return static_cast<HelpBrowser*>(widget()); }
    int clamped(int offset) const { return std::clamp(offset, 0, characterCount()); }
};

QAccessibleInterface* helpPageInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("HelpBrowser"))
        return new HelpPageInterface(static_cast<HelpBrowser*>(object));
    return nullptr;
}

} // namespace

void installHelpPageAccessible() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(helpPageInterface);
        return true;
    }();
}

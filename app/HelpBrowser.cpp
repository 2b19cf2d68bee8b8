#include "HelpBrowser.h"

#include "HelpPageAccessible.h"

#include <QAccessible>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    // Before the name below: assistive technology keeps the first interface it gets.
    installHelpPageAccessible();
    setObjectName(QStringLiteral("Helppage"));
    setAccessibleName(QStringLiteral("User's guide"));
    // The viewer decides where a link leads; the browser follows none on its own.
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

void HelpBrowser::showDocument(const QUrl& url, const QString& html) {
    const bool sameDocument = url == documentUrl_ && source().isValid();
    documentUrl_ = url;
    documentText_ = html;
    if (sameDocument)
        reload();
    else
        setSource(url, QTextDocument::HtmlResource);
    clearHistory();
}

void HelpBrowser::goTo(const QUrl& target) {
    keepPlaceOnly();
    setSource(target, QTextDocument::HtmlResource);
}

void HelpBrowser::backward() {
    keepPlaceOnly();
    QTextBrowser::backward();
}

void HelpBrowser::forward() {
    keepPlaceOnly();
    QTextBrowser::forward();
}

// The history remembers a link that has the keyboard's focus (a clicked one, say) and would
// scroll back to that link rather than to the place the user left; a plain cursor at the
// top of the view leaves it only the place to remember.
void HelpBrowser::keepPlaceOnly() {
    setTextCursor(cursorForPosition(QPoint(0, 0)));
}

// Tab selects the next link without the text browser's selection or cursor signals; a
// screen reader follows the selection by these events.
bool HelpBrowser::focusNextPrevChild(bool next) {
    const QTextCursor before = textCursor();
    if (!QTextBrowser::focusNextPrevChild(next))
        return false;
    const QTextCursor after = textCursor();
    if (after.selectionStart() != before.selectionStart() ||
        after.selectionEnd() != before.selectionEnd()) {
        QAccessibleTextSelectionEvent selected(this, after.selectionStart(), after.selectionEnd());
        selected.setCursorPosition(after.position());
        QAccessible::updateAccessibility(&selected);
        QAccessibleTextCursorEvent moved(this, after.position());
        QAccessible::updateAccessibility(&moved);
    }
    return true;
}

bool HelpBrowser::hasAnchor(const QString& name) const {
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().anchorNames().contains(name))
                return true;
        }
    }
    return false;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::HtmlResource && name.adjusted(QUrl::RemoveFragment) == documentUrl_)
        return documentText_;
    return {};
}

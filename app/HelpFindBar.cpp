#include "HelpFindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolButton>

namespace {

QToolButton* textButton(const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setObjectName(name);
    button->setAutoRaise(true);
    return button;
}

} // namespace

HelpFindBar::HelpFindBar(QTextEdit& page, QWidget* parent)
    : QWidget(parent), page_(page), text_(new QLineEdit(this)), status_(new QLabel(this)) {
    setObjectName(QStringLiteral("Helpfindbar"));
    text_->setObjectName(QStringLiteral("Helpfindtext"));
    text_->setPlaceholderText(QStringLiteral("Find in this page"));
    text_->setClearButtonEnabled(true);
    for (QToolButton* clear : text_->findChildren<QToolButton*>())
        clear->setAccessibleName(QStringLiteral("Clear the find text"));
    text_->installEventFilter(this);
    status_->setObjectName(QStringLiteral("Helpfindstatus"));

    QToolButton* previous = textButton(QStringLiteral("&Previous"), "Helpfindprevious", this);
    QToolButton* next = textButton(QStringLiteral("&Next"), "Helpfindnext", this);
    QToolButton* done = textButton(QStringLiteral("Close"), "Helpfindclose", this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    auto* caption = new QLabel(QStringLiteral("Find:"), this);
    caption->setBuddy(text_); // a screen reader names the box by it
    layout->addWidget(caption);
    layout->addWidget(text_, 1);
    layout->addWidget(previous);
    layout->addWidget(next);
    layout->addWidget(status_);
    layout->addStretch();
    layout->addWidget(done);

    connect(text_, &QLineEdit::textEdited, this, [this] { find({}, true); });
    connect(previous, &QToolButton::clicked, this, &HelpFindBar::findPrevious);
    connect(next, &QToolButton::clicked, this, &HelpFindBar::findNext);
    connect(done, &QToolButton::clicked, this, &HelpFindBar::close);
    hide();
}

void HelpFindBar::open() {
    show();
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
}

void HelpFindBar::close() {
    hide();
    page_.setFocus(Qt::OtherFocusReason);
}

void HelpFindBar::findNext() {
    if (isHidden())
        open();
    find({}, false);
}

void HelpFindBar::findPrevious() {
    if (isHidden())
        open();
    find(QTextDocument::FindBackward, false);
}

bool HelpFindBar::eventFilter(QObject* watched, QEvent* event) {
    // Escape in the find box is the box's, not the window's shortcut (which closes the help
    // window): claiming it here lets the key press through to close only the bar.
    if (watched == text_ && event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    if (watched == text_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (key->modifiers() & Qt::ShiftModifier)
                findPrevious();
            else
                findNext();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HelpFindBar::find(QTextDocument::FindFlags direction, bool fromSelectionStart) {
    const QString wanted = text_->text();
    QTextCursor cursor = page_.textCursor();
    if (wanted.isEmpty()) {
        cursor.clearSelection();
        page_.setTextCursor(cursor);
        status_->clear();
        notFound_ = false;
        text_->setPalette(QPalette());
        return;
    }
    if (fromSelectionStart)
        cursor.setPosition(cursor.selectionStart());
    QTextDocument& document = *page_.document();
    QTextCursor match = document.find(wanted, cursor, direction);
    bool wrapped = false;
    if (match.isNull()) {
        // Once round the page: from the other end.
        QTextCursor end(&document);
        end.movePosition(direction & QTextDocument::FindBackward ? QTextCursor::End
                                                                 : QTextCursor::Start);
        match = document.find(wanted, end, direction);
        wrapped = !match.isNull();
    }
    if (!match.isNull()) {
        page_.setTextCursor(match);
        page_.ensureCursorVisible();
    } else {
        // No earlier match stays highlighted as if it were one. The cursor stays at its start,
        // so that taking back the last letter finds it again.
        cursor = page_.textCursor();
        cursor.setPosition(cursor.selectionStart());
        page_.setTextCursor(cursor);
    }
    showOutcome(!match.isNull(), wrapped);
}

void HelpFindBar::showOutcome(bool found, bool wrapped) {
    notFound_ = !found;
    QPalette palette;
    if (!found)
        palette.setColor(QPalette::Base, QColor(255, 200, 200));
    text_->setPalette(palette);
    if (!found)
        status_->setText(QStringLiteral("Not found"));
    else if (wrapped)
        status_->setText(QStringLiteral("Continued from the other end of the page"));
    else
        status_->clear();
}

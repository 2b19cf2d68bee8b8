#include "EditorControl.h"

#include "EditorReactions.h"
#include "KeyCodes.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace {

// Keys that move the caret or extend the selection; the line edit's own handling is right.
bool isCaretKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

bool isModifierKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

} // namespace

EditorControl::EditorControl(const TwipsScale& scale, QWidget* parent)
    : QLineEdit(parent), TwipsGeometry(*this, scale) {
    setAcceptDrops(false);
    setDragEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        // The line edit has told assistive technology of its own change already.
        shownText_ = text;
        if (reactions_ != nullptr)
            reactions_->changed();
    });
}

int EditorControl::selectionStartIndex() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int EditorControl::selectionLengthCount() const {
    return hasSelectedText() ? selectionLength() : 0;
}

void EditorControl::setShownText(const QString& text) {
    if (text == shownText_)
        return;
    QAccessibleTextUpdateEvent changed(this, 0, shownText_, text);
    shownText_ = text;
    QAccessible::updateAccessibility(&changed);
}

bool EditorControl::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Accepting the override keeps the key from the window's shortcuts.
        event->setAccepted(claimsShortcut(*static_cast<QKeyEvent*>(event)));
        return true;
    }
    return QLineEdit::event(event);
}

// The editor claims what it types and the caret keys; Ctrl combinations (the menus'
// Ctrl+E, Ctrl+D), Alt combinations and function keys (F1 for help) go to the window.
bool EditorControl::claimsShortcut(const QKeyEvent& event) const {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (isCaretKey(key) || key == Qt::Key_Delete || key == Qt::Key_Backspace)
        return true;
    if (modifiers.testFlag(Qt::ControlModifier))
        return false;
    return characterCode(event) >= 0;
}

void EditorControl::ignoreReleasesOf(QKeyCombination keys) {
    ignoredReleases_ = {keys.key()};
    const Qt::KeyboardModifiers modifiers = keys.keyboardModifiers();
    if (modifiers.testFlag(Qt::ControlModifier))
        ignoredReleases_.append(Qt::Key_Control);
    if (modifiers.testFlag(Qt::ShiftModifier))
        ignoredReleases_.append(Qt::Key_Shift);
    if (modifiers.testFlag(Qt::AltModifier))
        ignoredReleases_.append(Qt::Key_Alt);
}

// A modifier held since before (Shift of a Shift+Tab that came here) is released alone.
void EditorControl::focusInEvent(QFocusEvent* event) {
    modifiersAlone_ = true;
    QLineEdit::focusInEvent(event);
}

void EditorControl::keyPressEvent(QKeyEvent* event) {
    event->accept();
    ignoredReleases_.clear();
    modifiersAlone_ = isModifierKey(event->key());
    if (modifiersAlone_)
        return;
    const QPointer<EditorControl> alive(this);

    int keyCode = windowsKeyCode(*event);
    if (reactions_ != nullptr)
        reactions_->keyDown(keyCode);
    if (keyCode == 0 || alive.isNull())
        return;

    if (const int charCode = characterCode(*event); charCode >= 0) {
        typeCharacter(charCode);
        return;
    }
    const int key = event->key();
    if (isCaretKey(key) && !event->modifiers().testFlag(Qt::AltModifier)) {
        QLineEdit::keyPressEvent(event);
        // The line edit passes Up and Down on; here they stop at the editor like any key.
        event->accept();
    } else if (key == Qt::Key_Delete) {
        // Shift+Delete would cut; here every Delete just deletes.
        del();
    }
}

void EditorControl::typeCharacter(int charCode) {
    const QPointer<EditorControl> alive(this);
    if (reactions_ != nullptr)
        reactions_->keyPress(charCode);
    if (charCode == 0 || alive.isNull())
        return;
    if (charCode == 8) {
        backspace();
        return;
    }
    if (charCode < 32 || charCode == 127)
        return;
    const auto character = static_cast<char32_t>(charCode);
    insert(QString::fromUcs4(&character, 1));
}

void EditorControl::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    if (event->isAutoRepeat())
        return;
    if (ignoredReleases_.removeOne(event->key()))
        return;
    if (modifiersAlone_ && isModifierKey(event->key()))
        return;
    if (reactions_ != nullptr)
        reactions_->keyUp(windowsKeyCode(*event));
}

// The middle button pastes the X11 selection; it does nothing here.
void EditorControl::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void EditorControl::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EditorControl::inputMethodEvent(QInputMethodEvent* event) {
    event->ignore();
}

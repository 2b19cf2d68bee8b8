#pragma once

#include "TwipsGeometry.h"

#include <QKeyCombination>
#include <QLineEdit>
#include <QList>

class EditorReactions;

// A one-line text box whose keys run EditorReactions the old platform's way. For one key:
//   1. keyDown(keyCode); 0 consumes the key.
//   2. If the key types a character: keyPress(charCode); 0 discards it. Otherwise the editor
//      applies it: backspace deletes the selection or the character before the caret, a
//      printable character replaces the selection; any other control character (Enter,
//      Escape, the clipboard shortcuts) leaves the text alone.
//   3. A key that types nothing (arrows, Home, End, Delete, with Shift for selecting) moves
//      the caret or deletes as a line edit does.
//   4. keyUp(keyCode) when the key is released.
// changed() follows every real change of the text, typed or set. Text enters only by typing:
// no clipboard, undo, drag and drop, context menu or input method. Ctrl combinations and F1
// are left to the window's shortcuts; Tab moves the focus as usual. A modifier key pressed
// and released alone (Shift, Ctrl, AltGr, Meta, Caps Lock, Num Lock) raises no reaction:
// it types nothing, and screen-reader users press Ctrl to silence speech.
class EditorControl : public QLineEdit, public TwipsGeometry {
    Q_OBJECT

public:
    explicit EditorControl(const TwipsScale& scale, QWidget* parent = nullptr);

    // Not owned; nullptr lets every key through.
    void setReactions(EditorReactions* reactions) { reactions_ = reactions; }
    // The window took the press of `keys` as a shortcut: the releases of the key and of its
    // modifier keys raise no keyUp either, so that the shortcut means nothing to the
    // editor's reactions. The next press that reaches the editor forgets them.
    void ignoreReleasesOf(QKeyCombination keys);

    // The selection as the old platform reports it: with nothing selected, the caret
    // position and length 0.
    int selectionStartIndex() const;
    int selectionLengthCount() const;

    // What the user sees of the parameter being edited, which assistive technology reads as
    // the editor's text. Each change of the editor's own text makes it that text; setting
    // another announces the change.
    QString shownText() const { return shownText_; }
    void setShownText(const QString& text);

protected:
    bool event(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    bool claimsShortcut(const QKeyEvent& event) const;
    void typeCharacter(int charCode);

    EditorReactions* reactions_ = nullptr;
    QList<int> ignoredReleases_;
    // No key but modifier keys went down since the last other key.
    bool modifiersAlone_ = false;
    QString shownText_;
};

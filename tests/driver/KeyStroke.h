#pragma once

#include <QChar>
#include <QString>
#include <Qt>

#include <optional>

// One key as the keyboard reports it: the key, the modifiers held with it and the text it
// types (empty for keys that type nothing), the way the X11 platform reports them.
struct KeyStroke {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text;
};

// The script's key names: Enter, Up, Down, Left, Right, Home, End, Delete, Backspace, Tab,
// Escape, F1, and Ctrl+X for a letter X.
std::optional<KeyStroke> keyStrokeForName(const QString& name);

// The key that types `character`.
KeyStroke keyStrokeForCharacter(QChar character);

// One combination of a key sequence (Ctrl+E, F1, ...); nullopt for an unknown key.
std::optional<KeyStroke> keyStrokeForCombination(Qt::Key key, Qt::KeyboardModifiers modifiers);

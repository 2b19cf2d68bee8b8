#include "KeyStroke.h"

#include <array>
#include <utility>

namespace {

struct NamedKey {
    const char* name;
    Qt::Key key;
    const char* text;
};

constexpr std::array namedKeys{
    NamedKey{"Enter", Qt::Key_Return, "\r"},
    NamedKey{"Up", Qt::Key_Up, ""},
    NamedKey{"Down", Qt::Key_Down, ""},
    NamedKey{"Left", Qt::Key_Left, ""},
    NamedKey{"Right", Qt::Key_Right, ""},
    NamedKey{"Home", Qt::Key_Home, ""},
    NamedKey{"End", Qt::Key_End, ""},
    NamedKey{"PageUp", Qt::Key_PageUp, ""},
    NamedKey{"PageDown", Qt::Key_PageDown, ""},
    NamedKey{"Delete", Qt::Key_Delete, "\x7f"},
    NamedKey{"Backspace", Qt::Key_Backspace, "\b"},
    NamedKey{"Tab", Qt::Key_Tab, "\t"},
    NamedKey{"Escape", Qt::Key_Escape, "\x1b"},
    NamedKey{"F1", Qt::Key_F1, ""},
};

bool isLetterKey(int key) {
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

// With Ctrl a letter types its control character (Ctrl+A is 1), as on X11.
QString controlCharacter(int letterKey) {
    return QString(QChar(static_cast<char16_t>(letterKey - Qt::Key_A + 1)));
}

} // namespace

std::optional<KeyStroke> keyStrokeForName(const QString& name) {
    for (const NamedKey& named : namedKeys) {
        if (name == QLatin1String(named.name))
            return KeyStroke{named.key, Qt::NoModifier, QString::fromLatin1(named.text)};
    }
    const QString prefix = QStringLiteral("Ctrl+");
    if (name.size() == prefix.size() + 1 && name.startsWith(prefix)) {
        const int key = name.back().toUpper().unicode();
        if (isLetterKey(key))
            return KeyStroke{static_cast<Qt::Key>(key), Qt::ControlModifier, controlCharacter(key)};
    }
    return std::nullopt;
}

KeyStroke keyStrokeForCharacter(QChar character) {
    switch (character.unicode()) {
    case u'\r':
    case u'\n':
        return KeyStroke{Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")};
    case u'\t':
        return KeyStroke{Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t")};
    default:
        // Qt names the keys of printable characters by their upper-case code.
        return KeyStroke{static_cast<Qt::Key>(character.toUpper().unicode()), Qt::NoModifier,
                         QString(character)};
    }
}

std::optional<KeyStroke> keyStrokeForCombination(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (key == Qt::Key_unknown || key == 0)
        return std::nullopt;
    for (const NamedKey& named : namedKeys) {
        if (named.key == key && modifiers == Qt::NoModifier)
            return KeyStroke{key, modifiers, QString::fromLatin1(named.text)};
    }
    QString text;
    if (modifiers & Qt::ControlModifier) {
        if (isLetterKey(key))
            text = controlCharacter(key);
    } else if (!(modifiers & Qt::AltModifier) && key >= Qt::Key_Space &&
               key <= Qt::Key_AsciiTilde) {
        const QChar character(static_cast<char16_t>(key));
        text = (modifiers & Qt::ShiftModifier) ? QString(character) : QString(character.toLower());
    }
    return KeyStroke{key, modifiers, text};
}

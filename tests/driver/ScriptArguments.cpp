#include "ScriptArguments.h"

#include <QRegularExpression>

namespace ScriptArguments {

[[noreturn]] void reject(const QString& message) {
    throw BadArgument{message};
}

QString quoted(const QString& word) {
    return QLatin1Char('"') + word + QLatin1Char('"');
}

void expectCount(const QStringList& words, qsizetype least, qsizetype most, const char* usage) {
    if (words.size() < least || words.size() > most)
        reject(QStringLiteral("expected %1").arg(QLatin1String(usage)));
}

int wholeNumber(const QString& word) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    if (!digits.match(word).hasMatch())
        reject(quoted(word) + QStringLiteral(" is not a whole number"));
    return word.toInt();
}

int signedNumber(const QString& word) {
    return word.startsWith(QLatin1Char('-')) ? -wholeNumber(word.mid(1)) : wholeNumber(word);
}

int element(const QString& word, int last) {
    const int number = wholeNumber(word);
    if (number > last)
        reject(QStringLiteral("element %1 is not one of 0 to %2").arg(number).arg(last));
    return number;
}

double coordinate(const QString& word) {
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    if (!decimal.match(word).hasMatch())
        reject(quoted(word) + QStringLiteral(" is not a number"));
    return word.toDouble();
}

Qt::MouseButton mouseButton(const QString& word, bool noneAllowed) {
    if (word == QLatin1String("left"))
        return Qt::LeftButton;
    if (word == QLatin1String("right"))
        return Qt::RightButton;
    if (word == QLatin1String("middle"))
        return Qt::MiddleButton;
    if (noneAllowed && word == QLatin1String("none"))
        return Qt::NoButton;
    reject(QStringLiteral("unknown mouse button %1 (left, right, middle%2)")
               .arg(quoted(word), noneAllowed ? QStringLiteral(" or none") : QString()));
}

QString oneOf(const QString& word, std::initializer_list<const char*> names, const char* what) {
    for (const char* name : names) {
        if (word == QLatin1String(name))
            return word;
    }
    reject(QStringLiteral("unknown %1 %2").arg(QLatin1String(what), quoted(word)));
}

QPointF padPoint(const QStringList& words, qsizetype at) {
    return QPointF(coordinate(words[at]), coordinate(words[at + 1]));
}

} // namespace ScriptArguments

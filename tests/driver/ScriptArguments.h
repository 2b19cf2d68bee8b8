#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>
#include <Qt>

#include <initializer_list>

// Reading the words of one script line. Each reader either returns the value or throws
// BadArgument with a message that names the offending word.
namespace ScriptArguments {

struct BadArgument {
    QString message;
};

[[noreturn]] void reject(const QString& message);
QString quoted(const QString& word);

// Between `least` and `most` words, else "expected <usage>".
void expectCount(const QStringList& words, qsizetype least, qsizetype most, const char* usage);
// Digits only: 0, 12.
int wholeNumber(const QString& word);
// A whole number with an optional minus sign.
int signedNumber(const QString& word);
// A whole number from 0 to `last`.
int element(const QString& word, int last);
// Twips, optionally negative and with decimals: 659, -239.5.
double coordinate(const QString& word);
// left, right or middle; none too where `noneAllowed`.
Qt::MouseButton mouseButton(const QString& word, bool noneAllowed);
// `word` if it is one of `names`, else "unknown <what> ...".
QString oneOf(const QString& word, std::initializer_list<const char*> names, const char* what);
// The point of the two coordinates at `at` and `at + 1`.
QPointF padPoint(const QStringList& words, qsizetype at);

} // namespace ScriptArguments

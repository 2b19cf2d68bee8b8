#pragma once

#include <QString>
#include <QStringList>

// JSON text written by hand, so that object keys keep the order they are added in and
// numbers print as their shortest round-trip text (QJsonDocument sorts keys and prints
// doubles with 17 digits).
namespace json {

QString string(const QString& text);
QString number(double value);
// A single-precision figure by its own shortest text: 20.3f prints as 20.3.
QString number(float value);
QString number(int value);
QString boolean(bool value);
QString null();
// `items` are JSON texts already.
QString array(const QStringList& items);

// An object whose members print in the order they were added.
class Object {
public:
    Object& add(const char* key, const QString& jsonValue);
    QString text() const;

private:
    QStringList members_;
};

} // namespace json

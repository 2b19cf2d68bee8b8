#include "DialogJson.h"

#include "ControlNames.h"
#include "JsonText.h"

#include <QWidget>

namespace {

// The text of a label or box; a control that is missing reads as null.
QString controlTexts(const QWidget& dialog, const char* arrayName) {
    QStringList texts;
    for (int element = 0; element < 2; ++element) {
        const auto* control = dialog.findChild<QWidget*>(
            QStringLiteral("%1%2").arg(QLatin1String(arrayName)).arg(element));
        texts.append(control != nullptr ? json::string(control->property("text").toString())
                                        : json::null());
    }
    return json::array(texts);
}

} // namespace

QString conversionsDialogJson() {
    const QWidget* dialog = ControlNames::openWindow(ControlNames::conversionsDialog);
    if (dialog == nullptr)
        return json::null();
    const QString focus = ControlNames::focusName(dialog->focusWidget());
    return json::Object()
        .add("caption", json::string(dialog->windowTitle()))
        .add("labels", controlTexts(*dialog, "Conversionlabel"))
        .add("boxes", controlTexts(*dialog, "Conversionbox"))
        .add("focus", focus.isEmpty() ? json::null() : json::string(focus))
        .text();
}

#include "ResultCopy.h"

#include "worksheet/controls/GridControl.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

ResultCopy::ResultCopy(const GridControl& detail, const QLabel& valueBox)
    : detail_(detail), valueBox_(valueBox) {}

QString ResultCopy::text() const {
    if (detail_.isHidden())
        return valueBox_.text();
    QString table;
    for (int row = 0; row < detail_.rowCount(); ++row) {
        for (int column = 0; column < detail_.columnCount(); ++column) {
            if (column > 0)
                table += QLatin1Char('\t');
            table += detail_.cellText(row, column);
        }
        table += QLatin1Char('\n');
    }
    return table;
}

void ResultCopy::copyToClipboard() const {
    QGuiApplication::clipboard()->setText(text());
}

#pragma once

#include <QString>

class GridControl;
class QLabel;

// Ctrl+C: what the worksheet shows as its result, onto the clipboard as plain text. While
// the detail table is shown that is the whole table, one line a row (the heading row, each
// year, the Valuation row) with its cells as shown and separated by tabs, so that a
// spreadsheet takes it as a table; otherwise the value box's text as shown. Copying
// changes nothing in the worksheet.
class ResultCopy {
public:
    ResultCopy(const GridControl& detail, const QLabel& valueBox);

    QString text() const;
    void copyToClipboard() const;

private:
    const GridControl& detail_;
    const QLabel& valueBox_;
};

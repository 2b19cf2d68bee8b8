#pragma once

#include "conversions/ConversionTarget.h"

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

// Logs each call with its arguments and whether the dialog was still open at that moment:
// "store Earnings 3.2 open", "write Earnings 3.20 open", "empty open", "focus closed", ...
class RecordingTarget : public ConversionTarget {
public:
    void storeFigure(PerShareFigure figure, float value) override {
        log("store " + name(figure) + " " + QString::number(value).toStdString());
    }
    void writeParameter(PerShareFigure figure, const QString& text) override {
        log("write " + name(figure) + " " + text.toStdString());
    }
    void emptyEditor() override { log("empty"); }
    void focusEditor() override { log("focus"); }
    void recalculate() override { log("recalculate"); }

    const QWidget* dialog = nullptr;
    std::vector<std::string> calls;

private:
    static std::string name(PerShareFigure figure) {
        return figure == PerShareFigure::Earnings ? "Earnings" : "Dividends";
    }
    void log(const std::string& call) {
        const bool open = dialog != nullptr && dialog->isVisible();
        calls.push_back(call + (open ? " open" : " closed"));
    }
};

#include "ValmoraProgram.h"

#include "Valkubeform.h"
#include "WorksheetStartup.h"

#include <QLocale>

NumberLocale systemNumberLocale() {
    const QLocale system = QLocale::system();
    return NumberLocale{system.decimalPoint().toStdString(), system.groupSeparator().toStdString()};
}

ValmoraProgram::ValmoraProgram(PlatformServices& services, NumberLocale locale)
    : services_(services), locale_(std::move(locale)) {
    worksheet_ =
        std::make_unique<Valkubeform>(WorksheetContext{valuation_, locale_, records_, services_});
    startup_ = std::make_unique<WorksheetStartup>(*worksheet_);
}

ValmoraProgram::~ValmoraProgram() = default;

void ValmoraProgram::start() {
    startup_->load();
}

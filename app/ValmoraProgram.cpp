#include "ValmoraProgram.h"

#include "ConversionEntries.h"
#include "Conversionform.h"
#include "MDIForm1.h"
#include "MenuCommands.h"
#include "NoticeDialogOwner.h"
#include "Noticeform.h"
#include "ProgramMenus.h"
#include "Valkubeform.h"
#include "WorksheetConversionTarget.h"
#include "WorksheetStartup.h"

#include <QLocale>

NumberLocale systemNumberLocale() {
    const QLocale system = QLocale::system();
    return NumberLocale{system.decimalPoint().toStdString(), system.groupSeparator().toStdString()};
}

ValmoraProgram::ValmoraProgram(PlatformServices& services, NumberLocale locale)
    : services_(services), locale_(std::move(locale)), frame_(std::make_unique<MDIForm1>()) {
    worksheet_ = new Valkubeform(WorksheetContext{valuation_, locale_, records_, services_});
    frame_->holdWorksheet(*worksheet_);
    menus_ = std::make_unique<ProgramMenus>(*frame_);
    worksheet_->setConversionEntries({menus_->entry(QStringLiteral("PEtoearnings")),
                                      menus_->entry(QStringLiteral("yieldtodividends"))});
    notice_ = std::make_unique<NoticeDialogOwner>();
    MenuCommands::Dialogs dialogs;
    dialogs.showConversions = [this] { showConversions(); };
    dialogs.showNotice = [this] { notice_->show(frame_.get()); };
    commands_ = std::make_unique<MenuCommands>(*menus_, services_, records_,
                                               worksheet_->parameterEditing(), std::move(dialogs));
    startup_ = std::make_unique<WorksheetStartup>(*worksheet_, *frame_);
}

ValmoraProgram::~ValmoraProgram() = default;

void ValmoraProgram::start() {
    startup_->load();
}

void ValmoraProgram::showConversions() {
    WorksheetConversionTarget target(*worksheet_);
    Conversionform dialog(target, records_.conversionKind, locale_, frame_.get());
    dialog.exec();
}

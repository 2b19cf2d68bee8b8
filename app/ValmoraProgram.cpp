#include "ValmoraProgram.h"

#include "ConversionEntries.h"
#include "conversions/Conversionform.h"
#include "MDIForm1.h"
#include "MenuCommands.h"
#include "NoticeDialogOwner.h"
#include "Noticeform.h"
#include "ProgramMenus.h"
#include "worksheet/PlatformServices.h"
#include "worksheet/Valkubeform.h"
#include "worksheet/controls/GridControl.h"
#include "WorksheetConversionTarget.h"
#include "WorksheetStartup.h"

#include <QLocale>
#include <QPointer>

NumberLocale systemNumberLocale() {
    const QLocale system = QLocale::system();
    return NumberLocale{system.decimalPoint().toStdString(), system.groupSeparator().toStdString()};
}

ValmoraProgram::ValmoraProgram(PlatformServices& services, NumberLocale locale)
    : services_(services), locale_(std::move(locale)), frame_(std::make_unique<MDIForm1>()) {
    worksheet_ = new Valkubeform(
        WorksheetContext{valuation_, locale_, services_, records_.helpFile, programTitle});
    frame_->holdWorksheet(*worksheet_);
    menus_ = std::make_unique<ProgramMenus>(*frame_);
    const ConversionEntries conversions{menus_->entry(QStringLiteral("PEtoearnings")),
                                        menus_->entry(QStringLiteral("yieldtodividends"))};
    QObject::connect(worksheet_, &Valkubeform::cleared, worksheet_,
                     [conversions] { conversions.offerYieldToDividends(); });
    notice_ = std::make_unique<NoticeDialogOwner>();
    MenuCommands::Hooks hooks;
    hooks.showConversions = [this] { showConversions(); };
    hooks.showNotice = [this] { notice_->show(frame_.get()); };
    hooks.offerConversions = [worksheet = QPointer<Valkubeform>(worksheet_), conversions] {
        if (!worksheet.isNull())
            conversions.offerForRow(worksheet->controls().Thegrid.row());
    };
    commands_ = std::make_unique<MenuCommands>(*menus_, services_, records_, std::move(hooks));
    startup_ = std::make_unique<WorksheetStartup>(*worksheet_, *frame_, records_, services_);
}

ValmoraProgram::~ValmoraProgram() = default;

void ValmoraProgram::start() {
    startup_->load();
}

void ValmoraProgram::showConversions() {
    // The end may have been asked for earlier in the same batch of input.
    if (services_.endRequested())
        return;
    WorksheetConversionTarget target(*worksheet_, valuation_);
    Conversionform dialog(target, records_.conversionKind, locale_, frame_.get());
    dialog.exec();
}

#include "QtPlatformServices.h"

#include "HelpViewer.h"
#include "ProgramRecords.h"
#include "worksheet/controls/Twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

MessageResult QtPlatformServices::showMessage(const MessageRequest& request) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(request.title.isEmpty() ? programTitle : request.title);
    box.setText(request.text);
    switch (request.icon) {
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MessageIcon::None:
        break;
    }
    if (request.buttons == MessageButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageResult::Yes;
    case QMessageBox::No:
        return MessageResult::No;
    case QMessageBox::Cancel:
        return MessageResult::Cancel;
    default:
        return request.buttons == MessageButtons::YesNoCancel ? MessageResult::Cancel
                                                              : MessageResult::Ok;
    }
}

void QtPlatformServices::beep() {
    QApplication::beep();
}

QtPlatformServices::QtPlatformServices() = default;

QtPlatformServices::~QtPlatformServices() = default;

void QtPlatformServices::openHelp(const QString& helpFile) {
    // One help window for the whole run, made when it is first asked for.
    if (!helpViewer_)
        helpViewer_ = std::make_unique<HelpViewer>(*this);
    helpViewer_->showContents(helpFile);
}

void QtPlatformServices::endProgram() {
    // Leaving the event loop ends the run; the program object then takes its windows down.
    QCoreApplication::exit(0);
}

QSizeF QtPlatformServices::screenSizeTwips() const {
    return primaryScreenSizeTwips();
}

QString QtPlatformServices::executablePath() const {
    return QCoreApplication::applicationFilePath();
}

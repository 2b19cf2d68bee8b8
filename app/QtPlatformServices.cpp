#include "QtPlatformServices.h"

#include "HelpViewer.h"
#include "ProgramRecords.h"
#include "worksheet/controls/Twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

MessageResult QtPlatformServices::showMessage(const MessageRequest& request) {
    // Nothing opens once the end is asked for: the box is answered as its Escape key would.
    if (endRequested_)
        return request.buttons == MessageButtons::YesNoCancel ? MessageResult::Cancel
                                                              : MessageResult::Ok;
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

QtPlatformServices::QtPlatformServices() {
    endingTimer_.setInterval(5);
    QObject::connect(&endingTimer_, &QTimer::timeout, &endingTimer_,
                     [] { QCoreApplication::exit(0); });
}

QtPlatformServices::~QtPlatformServices() = default;

void QtPlatformServices::openHelp(const QString& helpFile) {
    // One help window for the whole run, made when it is first asked for.
    if (!helpViewer_)
        helpViewer_ = std::make_unique<HelpViewer>(*this);
    helpViewer_->showContents(helpFile);
}

void QtPlatformServices::endProgram() {
    // Leaving the event loop ends the run; the program object then takes its windows down.
    endRequested_ = true;
    QCoreApplication::exit(0);
    // exit() ends only the loops running now: an end asked for before the main loop starts
    // (while start-up handles pending events) would be lost, and so would one that a loop
    // begun later outlives. Asking again until main() returns ends those too.
    endingTimer_.start();
}

QSizeF QtPlatformServices::screenSizeTwips() const {
    return primaryScreenSizeTwips();
}

QString QtPlatformServices::executablePath() const {
    return QCoreApplication::applicationFilePath();
}

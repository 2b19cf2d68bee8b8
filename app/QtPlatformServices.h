#pragma once

#include "worksheet/PlatformServices.h"

#include <QTimer>

#include <memory>

class HelpViewer;

// The real world: Qt's message boxes, the system beep, the program's own help window, the
// primary screen and the running executable. Create it after the QApplication and let it
// go before: it owns the help window.
class QtPlatformServices : public PlatformServices {
public:
    QtPlatformServices();
    ~QtPlatformServices() override;

    MessageResult showMessage(const MessageRequest& request) override;
    void beep() override;
    void openHelp(const QString& helpFile) override;
    void endProgram() override;
    bool endRequested() const override { return endRequested_; }
    QSizeF screenSizeTwips() const override;
    QString executablePath() const override;

    // The help window, once help has been asked for; nullptr before.
    HelpViewer* helpViewer() const { return helpViewer_.get(); }

private:
    std::unique_ptr<HelpViewer> helpViewer_;
    bool endRequested_ = false;
    QTimer endingTimer_;
};

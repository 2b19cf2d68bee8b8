#pragma once

#include "PlatformServices.h"

// The real world: Qt's message boxes, the system beep, the desktop's viewer for the help
// file, the primary screen and the running executable.
class QtPlatformServices : public PlatformServices {
public:
    MessageResult showMessage(const MessageRequest& request) override;
    void beep() override;
    void openHelp(const QString& helpFile) override;
    void endProgram() override;
    QSizeF screenSizeTwips() const override;
    QString executablePath() const override;
};

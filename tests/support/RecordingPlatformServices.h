#pragma once

#include "worksheet/PlatformServices.h"

#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// A stand-in for the outside world: records every message box, beep and help request,
// answers message boxes at once (with the next scripted answer, then the default again),
// and reports the program's end instead of ending the process.
class RecordingPlatformServices : public PlatformServices {
public:
    RecordingPlatformServices(QSizeF screenSizeTwips, QString executablePath);

    MessageResult showMessage(const MessageRequest& request) override;
    void beep() override;
    void openHelp(const QString& helpFile) override;
    void endProgram() override;
    bool endRequested() const override { return ended_; }
    QSizeF screenSizeTwips() const override { return screenSize_; }
    QString executablePath() const override { return executablePath_; }

    // The answer the next message box gets; afterwards OK, or Cancel where there is no OK.
    void setNextAnswer(MessageResult answer) { nextAnswer_ = answer; }
    // Called once when the program asks to end.
    void setEndHandler(std::function<void()> handler) { endHandler_ = std::move(handler); }

    // What happened since the last take.
    std::vector<MessageRequest> takeMessages();
    int takeBeeps();
    QStringList takeHelpRequests();

private:
    QSizeF screenSize_;
    QString executablePath_;
    std::optional<MessageResult> nextAnswer_;
    std::function<void()> endHandler_;
    std::vector<MessageRequest> messages_;
    int beeps_ = 0;
    QStringList helpRequests_;
    bool ended_ = false;
};

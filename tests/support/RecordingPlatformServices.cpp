#include "RecordingPlatformServices.h"

#include <utility>

RecordingPlatformServices::RecordingPlatformServices(QSizeF screenSizeTwips, QString executablePath)
    : screenSize_(screenSizeTwips), executablePath_(std::move(executablePath)) {}

MessageResult RecordingPlatformServices::showMessage(const MessageRequest& request) {
    messages_.push_back(request);
    const MessageResult fallback =
        request.buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Cancel;
    const MessageResult answer = nextAnswer_.value_or(fallback);
    nextAnswer_.reset();
    // An answer that the box does not offer falls back to its default.
    const bool offered = request.buttons == MessageButtons::Ok ? answer == MessageResult::Ok
                                                               : answer != MessageResult::Ok;
    return offered ? answer : fallback;
}

void RecordingPlatformServices::beep() {
    ++beeps_;
}

void RecordingPlatformServices::openHelp(const QString& helpFile) {
    helpRequests_.append(helpFile);
}

void RecordingPlatformServices::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    if (endHandler_)
        endHandler_();
}

std::vector<MessageRequest> RecordingPlatformServices::takeMessages() {
    return std::exchange(messages_, {});
}

int RecordingPlatformServices::takeBeeps() {
    return std::exchange(beeps_, 0);
}

QStringList RecordingPlatformServices::takeHelpRequests() {
    return std::exchange(helpRequests_, {});
}

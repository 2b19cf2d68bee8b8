#pragma once

#include <QSizeF>
#include <QString>

// Everything the program asks of the world outside Qt's widgets: message boxes, the beep,
// the help viewer, ending the program, the screen's size and where the executable lives.
// The program uses one real implementation; tests and the scenario driver install a
// recording one, so that nothing here ever blocks or leaves the process.

enum class MessageButtons { Ok, YesNoCancel };
enum class MessageIcon { None, Information, Question };
enum class MessageResult { Ok, Yes, No, Cancel };

struct MessageRequest {
    QString text;
    QString title;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    virtual MessageResult showMessage(const MessageRequest& request) = 0;
    virtual void beep() = 0;
    // Opens the help file at its contents; a missing file is the viewer's to report.
    virtual void openHelp(const QString& helpFile) = 0;
    // Ends the program at once; nothing is saved.
    virtual void endProgram() = 0;
    // Whether the end has been asked for; nothing new opens after it.
    virtual bool endRequested() const = 0;
    virtual QSizeF screenSizeTwips() const = 0;
    virtual QString executablePath() const = 0;
};

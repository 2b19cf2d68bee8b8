#pragma once

#include <QSizeF>
#include <QTemporaryFile>

// The offscreen platform's screen, made the size the script asks for (--screen), so that the
// maximised frame holds the worksheet wherever start-up places it and clicks land on it.
// Must be set up before the application object exists; the file lives as long as this.
class OffscreenScreen {
public:
    // Does nothing unless QT_QPA_PLATFORM is plainly "offscreen".
    void configure(QSizeF screenTwips);

private:
    QTemporaryFile config_;
};

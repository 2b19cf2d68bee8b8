#pragma once

#include "app/QtPlatformServices.h"
#include "app/ValmoraProgram.h"

#include <QPoint>
#include <QString>

#include <array>
#include <string>

class QWidget;
class QWindow;

// The real program, started as main() starts it (the real platform services, the frame, the
// worksheet) and shown on the current platform, with input delivered the way the windowing
// system delivers it: to the frame's window, through Qt's event processing.
class RunningWorksheet {
public:
    RunningWorksheet();

    Valkubeform& form() const { return program_.worksheet(); }

    // Writes the five parameter cells directly (no reaction runs).
    void setParameters(const std::array<std::string, 5>& texts);

    void pressLeft(const QWidget& widget, QPoint pixels);
    void moveHoldingLeft(const QWidget& widget, QPoint pixels);
    void releaseLeft(const QWidget& widget, QPoint pixels);
    // The left button down in the middle of `widget`, and everything it set off delivered.
    void pressButton(const QWidget& widget);
    // Key down and key up of a key that types `text`, to the window with the keyboard.
    void typeKey(int key, const QString& text);

    // Paints the whole worksheet now, hands the frame to the platform, and delivers what the
    // step left posted, so that nothing is skipped or merged into the next step's paint.
    void repaintNow();
    // Delivers everything pending, outside the measured steps.
    void settle();

private:
    void sendMouse(const QWidget& widget, QPoint pixels, Qt::MouseButtons held,
                   Qt::MouseButton button, int type);

    QtPlatformServices services_;
    ValmoraProgram program_;
    QWindow* window_ = nullptr;
    ulong timestamp_ = 0;
};

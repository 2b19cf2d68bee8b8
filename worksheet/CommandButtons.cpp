#include "CommandButtons.h"

#include "WorksheetCommands.h"
#include "worksheet/controls/Fonts.h"
#include "worksheet/controls/HoverLabel.h"
#include "worksheet/controls/PictureButton.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include <cstddef>

namespace {

constexpr double hintPadding = 84; // twips beside the hint text
constexpr int raisedStore = 10;    // element + 10 keeps the raised picture
constexpr int pressedStore = 20;   // element + 20 the pressed one

} // namespace

CommandButtons::CommandButtons(const std::array<PictureButton*, 26>& buttons,
                               HoverLabel& hintBox, WorksheetCommands& commands)
    : buttons_(buttons), hintBox_(hintBox), commands_(commands) {
    for (int element = Clear; element <= Help; ++element) {
        PictureButton& visible = button(element);
        QObject::connect(&visible, &PictureButton::pressed, &visible, [this](int i) { press(i); });
        QObject::connect(&visible, &PictureButton::moved, &visible, [this](int i) { move(i); });
        QObject::connect(&visible, &PictureButton::released, &visible,
                         [this](int i) { release(i); });
    }
}

QString CommandButtons::hintText(int element) {
    static const char* const hints[] = {"Clear", "Detail", "Close", "Up +1", "Down -1", "Help"};
    return QString::fromLatin1(hints[element]);
}

PictureButton& CommandButtons::button(int element) const {
    return *buttons_.at(static_cast<std::size_t>(element));
}

void CommandButtons::press(int element) {
    button(element).setPicture(button(element + pressedStore).picture());
}

void CommandButtons::move(int element) {
    const QString hint = hintText(element);
    if (hintBox_.text() == hint)
        return; // moving within one button must not redraw the hint
    hintBox_.setText(hint);
    const double textWidth = hintBox_.twipsScale().toTwips(
        QFontMetrics(worksheetFont()).horizontalAdvance(hint));
    TwipsRect rect = hintBox_.geometryTwips();
    rect.left = button(element).geometryTwips().left;
    rect.width = textWidth + hintPadding;
    hintBox_.setGeometryTwips(rect);
}

void CommandButtons::release(int element) {
    button(element).setPicture(button(element + raisedStore).picture());
    QCoreApplication::processEvents(); // the raised picture shows before the command runs

    switch (element) {
    case Clear:
        commands_.clearWorksheet();
        break;
    case Detail:
        commands_.showOrHideDetail();
        break;
    case Close:
        commands_.closeAfterAsking();
        break;
    case Up:
        commands_.stepCurrentCell(+1);
        break;
    case Down:
        commands_.stepCurrentCell(-1);
        break;
    case Help:
        commands_.openHelp();
        break;
    default:
        break;
    }
}

#pragma once

#include <QString>

#include <array>

class HoverLabel;
class PictureButton;
class WorksheetCommands;

// The six picture buttons over the parameter grid. A button looks pressed from the mouse
// button's press to its release, shows its hint under the bar while the pointer moves over
// it, and performs its command on the release, wherever the pointer is by then.
class CommandButtons {
public:
    enum Element { Clear = 0, Detail = 1, Close = 2, Up = 3, Down = 4, Help = 5 };

    // `buttons` as the worksheet's controls hold them: the visible buttons and the stores of
    // their raised and pressed pictures.
    CommandButtons(const std::array<PictureButton*, 26>& buttons, HoverLabel& hintBox,
                   WorksheetCommands& commands);

    void press(int element);
    void move(int element);
    void release(int element);

    static QString hintText(int element);

private:
    PictureButton& button(int element) const;

    const std::array<PictureButton*, 26>& buttons_;
    HoverLabel& hintBox_;
    WorksheetCommands& commands_;
};

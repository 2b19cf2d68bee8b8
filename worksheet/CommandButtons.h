#pragma once

#include <QString>

class Valkubeform;

// The six picture buttons over the parameter grid. A button looks pressed from the mouse
// button's press to its release, shows its hint under the bar while the pointer moves over
// it, and performs its command on the release, wherever the pointer is by then.
class CommandButtons {
public:
    enum Element { Clear = 0, Detail = 1, Close = 2, Up = 3, Down = 4, Help = 5 };

    explicit CommandButtons(Valkubeform& form);

    void press(int element);
    void move(int element);
    void release(int element);

    // Empties the parameters, the value and the editor; the warning box and Holdcalc stay.
    void clearWorksheet();

    static QString hintText(int element);

private:
    void stepCurrentCell(double step);

    Valkubeform& form_;
};

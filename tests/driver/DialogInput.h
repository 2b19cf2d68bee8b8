#pragma once

#include <QString>

class UserInput;

// The dialogs' commands. Each finds its dialog among the open top-level windows
// (Conversionform, Noticeform) and its controls by their names (Conversionbox0/1,
// Thebutton0/1, Noticeclose); a dialog that is not open is a failure.
class DialogInput {
public:
    explicit DialogInput(UserInput& input);

    void focusBox(int element);
    void clickButton(int element);
    void closeConversions();
    void closeNotice();

private:
    void clickControl(const char* dialogName, const QString& controlName);

    UserInput& input_;
};

#pragma once

// What the worksheet does with the keys and changes of an EditorControl, in the order the
// editor calls it for one key: keyDown (key code), keyPress (character code, only for keys
// that produce a character), the change of the text if the character is applied, keyUp.
// A reaction may replace the code by 0 to discard the key or the character.
class EditorReactions {
public:
    virtual ~EditorReactions() = default;

    // A key went down; keyCode is the Windows virtual-key code (13 Enter, 38 up arrow, ...).
    virtual void keyDown(int& keyCode) = 0;
    // The key produced a character (13 Enter, 8 backspace, 1..26 Ctrl+letter, else Unicode);
    // a replacement other than 0 is applied in place of the typed character.
    virtual void keyPress(int& charCode) = 0;
    virtual void keyUp(int keyCode) = 0;
    // The text really changed, by typing or by setText(); called synchronously.
    virtual void changed() = 0;
};

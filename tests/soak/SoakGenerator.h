#pragma once

#include "SoakAction.h"

#include <QStringList>

#include <cstdint>
#include <random>

// Makes up user actions from a seeded random stream, so that a seed repeats a run exactly:
// keys (control characters and non-ASCII text among them), clicks on cells, list entries
// and scroll bars with every mouse button, button presses and releases anywhere, drags on
// the pad and far outside it, menu choices and input into the dialogs. Actions that need
// something open (a dialog, a held button) come only while it is.
class SoakGenerator {
public:
    explicit SoakGenerator(std::uint64_t seed) : random_(seed) {}

    SoakAction next(const SoakView& view);
    // A fresh program holds no mouse button.
    void restart() { held_ = Held::Nothing; }

private:
    enum class Held { Nothing, Button, Pad };

    SoakAction worksheetAction(const SoakView& view);
    SoakAction conversionsAction();
    SoakAction whileButtonHeld();
    SoakAction whilePadHeld();

    SoakAction typeText(bool numeric);
    SoakAction namedKey();
    SoakAction buttonClick();
    SoakAction buttonPress();
    SoakAction padPress();
    SoakAction drag();
    SoakAction menuChoice();

    QString padPoint();
    QString pointOnPad();
    QString mouseButton();
    int below(int bound);
    bool chance(int percent) { return below(100) < percent; }
    template <class List> const auto& oneOf(const List& list) {
        return list[static_cast<std::size_t>(below(static_cast<int>(std::size(list))))];
    }

    std::mt19937_64 random_;
    Held held_ = Held::Nothing;
    int heldElement_ = 0;
    QString heldButton_;
    bool heldOnPad_ = false;
};

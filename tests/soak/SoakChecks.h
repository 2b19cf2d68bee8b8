#pragma once

#include "SoakAction.h"

#include <QJsonObject>
#include <QString>

#include <stdexcept>

class RecordingPlatformServices;
class ValmoraProgram;

// An invariant that a user relies on does not hold.
class SoakFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The invariants checked after every action, on the state the scenario driver prints:
// - the program answers: its state reads as one JSON object;
// - the value box holds one of the five messages or a value formatted for its band, or is
//   empty from a Clear until the next computation;
// - the parameter grid's current column is 1;
// - the keyboard focus is in the editor whenever the worksheet is the active window and no
//   dialog or menu is open, unless the user has tabbed away since it was last there;
// - after Up +1, Down -1, a drag step on the pad or a conversion, the value box shows what
//   the engine computes from the five cells as shown.
class SoakChecks {
public:
    SoakChecks(ValmoraProgram& program, RecordingPlatformServices& services);

    // `before` is what the program showed before the action. Throws SoakFailure.
    void afterAction(const SoakAction& action, const SoakView& before);

    // How often the checks that depend on the moment applied, so that a run can show that
    // they did.
    struct Counts {
        long long focusChecked = 0;
        long long recomputed = 0;
        long long emptyAfterClear = 0;
    };
    const Counts& counts() const { return counts_; }

private:
    QJsonObject readState();
    void checkValueBox(const SoakAction& action, const QString& value);
    void checkFocus(const SoakAction& action, const QJsonObject& state);
    void checkComputedFromCells(const QJsonObject& state);

    ValmoraProgram& program_;
    RecordingPlatformServices& services_;
    Counts counts_;
    bool emptyValueAllowed_ = false;
    bool focusMayWander_ = false;
    // Up +1 or Down -1 heard a release, or the pad a left-button move, since the last action.
    bool stepReached_ = false;
};

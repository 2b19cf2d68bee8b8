#pragma once

#include "ResidentMemory.h"
#include "SoakAction.h"
#include "SoakChecks.h"
#include "SoakGenerator.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <mutex>

class Watchdog;

// The whole run, shared by the programs that it starts one after the other.
struct SoakRun {
    SoakRun(std::uint64_t seed, long long actions)
        : seed(seed), actions(actions), generator(seed),
          memory(actions, std::min(actions / 2, 2000LL), std::int64_t{64} << 20) {}

    // The action under way, for a report from the watchdog's thread.
    void setCurrent(const QString& line) {
        const std::lock_guard lock(currentMutex);
        current = line;
    }
    QString currentLine() {
        const std::lock_guard lock(currentMutex);
        return current;
    }

    std::uint64_t seed;
    long long actions;
    long long generated = 0;
    long long done = 0;
    int programStarts = 0;
    SoakChecks::Counts checked; // summed over the programs
    bool trace = false;         // print each action as it starts
    SoakGenerator generator;
    ResidentMemory memory;

private:
    std::mutex currentMutex;
    QString current;
};

// One program, from its start until it ends (Exit, a confirmed Close, a closed window), the
// run has made all its actions, or an invariant breaks. The program runs in this process
// under the scenario driver's runner and input, with the recording platform services.
class SoakLife {
public:
    enum class End { ActionsDone, ProgramEnded, Failed };

    SoakLife(SoakRun& run, Watchdog& watchdog) : run_(run), watchdog_(watchdog) {}

    End live();

    // After a failure: what broke, and the script of this program's actions up to it, which
    // the scenario driver runs on its own.
    const QString& failure() const { return failure_; }
    QString script() const;

private:
    SoakRun& run_;
    Watchdog& watchdog_;
    QStringList lines_;
    QString failure_;
    long long firstAction_ = 0;
};

#pragma once

#include <QString>

// What reading the help file gave: its text, or why it cannot be shown. The viewer shows
// only a file that passed, and shows exactly the text that was checked.
struct HelpFileReading {
    QString text;
    // Empty when the file can be shown; else a short reason ("it does not exist").
    QString problem;

    bool readable() const { return problem.isEmpty(); }
};

// Reads the help file and checks that it is a readable, not too large, HTML text file.
// Never blocks on devices or pipes: only regular files are opened.
HelpFileReading readHelpFile(const QString& path);

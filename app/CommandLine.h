#pragma once

#include <QString>
#include <QStringList>

// What the album creator's command line asks for: to run (with an image file to open in the
// picture editor once the album window shows), or only an answer on the terminal.
struct CommandLine {
    enum class Outcome { Run, Help, Version, WrongUsage };
    Outcome outcome = Outcome::Run;
    QString fileToOpen;   // Run: empty when none was named
    QString text;         // the help, the version or the usage error, ending in a newline
};

// arguments as QCoreApplication::arguments() gives them, the program's name first. Before the
// windowed application has taken Qt's own options out (qtOptionsTaken false), a command line
// that is wrong only by such options reads as Run, to be read again afterwards.
CommandLine ReadCommandLine(const QStringList &arguments, bool qtOptionsTaken);

// Prints the answer of anything but Run (help and version to standard output, a usage error
// to standard error) and gives the exit status: 0, or 2 for wrong usage.
int AnswerCommandLine(const CommandLine &commandLine);

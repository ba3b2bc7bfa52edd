#pragma once

#include <QString>

// Exit statuses of vellumo-album.
enum class ExitStatus : int { Success = 0, Failed = 1, WrongUsage = 2 };

// Ends the running command: its message goes to standard error as one line and the tool
// exits with its status. Thrown before anything is written, or after what was written has
// been put back, so a failure never leaves half a change behind.
struct ToolFailure {
    ExitStatus status;
    QString message;
};

// The command line itself is wrong: unknown command or option, missing or malformed values.
[[noreturn]] void FailUsage(const QString &message);
// The command is well formed but cannot be done: bad input, unreadable image, full album,
// unwritable folder.
[[noreturn]] void Fail(const QString &message);

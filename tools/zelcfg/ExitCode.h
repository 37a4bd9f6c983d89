#pragma once

#include <QString>

// The exit status of every command, for scripts.
enum ExitCode : int
{
    ExitOk = 0,
    ExitDifferent = 1,    // diff: the files differ
    ExitBadInput = 2,     // a file, field, value, option or settings file that cannot be used
    ExitNoAnswer = 3,     // the device did not answer in time
    ExitChecksum = 4,     // the device answered with another checksum, or sent data that cannot be read
    ExitPortUnusable = 5, // the port cannot be opened, or was lost
};

// A command that failed: its exit status and the one line for standard error,
// which names the file, field, port or frame concerned.
struct Failure
{
    ExitCode code = ExitOk;
    QString message;

    bool failed() const { return code != ExitOk; }
    static Failure badInput(QString text) { return {ExitBadInput, std::move(text)}; }
};

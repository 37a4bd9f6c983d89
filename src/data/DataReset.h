#pragma once

struct DataContext;

// What the caller does after a reset. The data library cannot end the program
// itself, so a failed start-up read is handed back as EndProgram.
enum class ResetOutcome
{
    Done,
    Declined,   // the user answered the query with anything but Yes
    EndProgram, // the start-up data file could not be read
};

// Returns the data set to its reset image. With `ask`, "QueryDataReset" is asked
// first. With `reload` (start-up), the start-up data file is read instead and
// becomes the new reset image.
ResetOutcome ResetDataSet(DataContext& ctx, bool ask, bool reload);

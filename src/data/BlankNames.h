#pragma once

struct DataContext;

// A signal name must never be blank. For each name in use (part 1..5, entries
// 1..CountInput(part)) a blank name takes the reset image's name and a
// "BlankNames_Replaced" line naming the field goes to the log, and with `show`
// also to the status line. Parts 2, 3 and 4 are first taken from the names
// page's boxes. Never fails; returns the number of names replaced.
int CheckBlankNames(DataContext& ctx, bool show = false);

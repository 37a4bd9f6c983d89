#pragma once

struct DataContext;

// A signal name must never be blank. For each name in use (part 1..5, entries
// 1..CountInput(part)) the names page's box, where there is one, is what counts.
// A blank name takes the reset image's name, in the data set and in its box, and
// a "BlankNames_Replaced" line naming the field goes to the log, and with `show`
// also to the status line. A name whose reset name is blank too stays as it is
// and is not announced: there is nothing to put in its place. Never fails;
// returns the number of names replaced.
int CheckBlankNames(DataContext& ctx, bool show = false);

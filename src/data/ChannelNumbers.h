#pragma once

#include "ListEntry.h"

#include <optional>

// Lookups of the transfer stream in the page lists. Every search runs in list
// order and the first match wins.

// List position of the first entry carrying `itemData`, or -1.
int PositionOfItem(const EntryList& list, int itemData);

// The channel number a GPIO or fader-box code is sent as: codes <= 0 and codes no
// definition carries go out as they are; otherwise the first field before "|" of
// the definition's text, which must read as a 16-bit integer (nullopt if not).
std::optional<int> ChannelNumberOf(const EntryList& definitions, int code);

// The code of the first definition whose first field has the numeric value
// `channel`, or nullopt.
std::optional<int> ChannelCodeOf(const EntryList& definitions, int channel);

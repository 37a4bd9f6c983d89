#pragma once

#include "SettingsFile.h"

#include <QSize>

// Where the protocol window opens: centred over the main window, but not above
// or left of the screen's first twip, and pulled back when it would leave the
// screen at the bottom or right (a window larger than the screen then starts at
// a negative position).
TwipRect ProtocolWindowPlacement(const TwipRect& main, const TwipRect& protocol, const QSize& screen);

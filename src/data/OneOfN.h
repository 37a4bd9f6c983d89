#pragma once

#include <QtGlobal>

#include <span>

// A group of check states used as a radio group (monitor mode, monitor pick-off,
// control mode): after member `clicked` changed, a checked member unchecks the
// others, and with keepOne the last check mark cannot be removed: the clicked
// member is checked again when no member is left checked. Only 1 counts as checked.
void ExclusiveCheck(std::span<qint16> group, int clicked, bool keepOne);

#pragma once

#include "ListEntry.h"

#include <QString>

#include <array>
#include <functional>

// Source codes of the signals a layer cell or a VTR box is given: 0 not assigned,
// 1000 + 100 * (part - 1) + index for name index (0-based) of names part 1 ... 5.
inline constexpr int kNoSource = 0;
// Position 7 of names part 5: only one layer cell may carry it.
inline constexpr int kExclusiveLayerSource = 1406;

int NameSourceCode(int part, int index);

// The signals the choice list offers, in its order: for parts 1 ... 5 and the
// names in use of each (counts), every name that is not blank after trimming,
// trimmed, with its source code. nameAt(part, index) gives the name.
EntryList NamedSources(const std::function<QString(int part, int index)>& nameAt,
                       const std::array<qint16, 5>& counts);

// The rows of the GPIO page the device has, by "GPIO_Options_Mode": mode 1 inputs
// 1-4 and every output, mode 2 every input and outputs 1-12, mode 3 inputs only.
struct GpioRows
{
    int inputs = 8;
    int outputs = 16;
};
GpioRows GpioRowsInUse(int gpioOptionsMode);

#pragma once

#include "ListEntry.h"

#include <array>

// The selection lists of the pages that the transfer stream refers to, kept filled
// by the pages: the data set stores list positions and GPIO channel codes, the
// stream carries item codes and channel numbers taken from these entries.
struct SelectorLists
{
    static constexpr int Parts = 5;
    static constexpr int OutputsPerPart = 64;

    // Output pick-off lists: cmbAbgriffOutput[part - 1][n - 1] is element n - 1 of
    // cmbAbgriffOutput1 ... cmbAbgriffOutput5.
    std::array<std::array<EntryList, OutputsPerPart>, Parts> cmbAbgriffOutput;
    EntryList cmbKanal;
    std::array<EntryList, 2> cmbAbgriffPeak;
    std::array<EntryList, 4> cmbExtMon;
    EntryList cmbFrames;
    EntryList cmbChannels;
    EntryList cmbStartUpConf;
    // GPIO channel definitions: element 0 inputs, element 1 outputs ("key|text").
    std::array<EntryList, 2> lstData;

    bool operator==(const SelectorLists&) const = default;
};

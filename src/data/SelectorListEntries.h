#pragma once

#include "ListEntry.h"

#include <QString>
#include <QStringList>

class MessageTexts;
struct AppSettings;
struct SelectorLists;

// The entries of the pages' selection lists as the settings file and the message
// texts define them. The pages fill their boxes from these, and a program without
// pages builds the same lists from the same settings.

// The ESAM frame rates: "25 frames" (item code 25) and "30 frames" (30).
EntryList EsamFrameEntries();
// The ESAM channel counts: the texts of "TwoChannels" (2) and "FourChannels" (1).
EntryList EsamChannelEntries(MessageTexts& messages);
// The eight snapshot labels "Part01.Label01" ... "Part01.Label08" of section
// "TabStrip_SnapShot_" + language; a missing key reads as itself.
QStringList SnapshotSlotLabels(const AppSettings& settings);
// The start-up configuration: the text of "StartUpConf_Temp" (0), then the eight
// slot labels (1 ... 8).
EntryList StartUpConfEntries(MessageTexts& messages, const QStringList& slotLabels);

// Every list as the loaded pages hold it: the output pick-off lists of each part
// for the outputs in use, the monitor lists (the peak and key lists copied to each
// of their boxes), the ESAM and start-up lists and the two GPIO definition lists.
SelectorLists ReadSelectorLists(const AppSettings& settings, MessageTexts& messages);

#pragma once

#include "ListEntry.h"

#include <QLatin1StringView>
#include <QString>

#include <array>

struct AppSettings;

// The signals a device offers are not built in: they are definition lists in
// the settings, one key = text pair per entry, in file order.

enum class GpioKind
{
    Input,  // list 0
    Output, // list 1
};

// A GPIO definition list: entry text key + "|" + text, identifier 100 for the
// first entry, 101 for the second and so on (by position, not by key). From
// section "GPIO_<kind>_Data_<language>" of the settings file, or from section
// "Data_<language>" of the file that "GPIO_<kind>_DataDef" in "Main" names.
EntryList ReadGpioList(const AppSettings& settings, GpioKind kind);

// Fills the input and the output list, leaving a list that has entries alone.
void FillGpioLists(const AppSettings& settings, std::array<EntryList, 2>& lists);

// The two parts of a GPIO entry as the pages show them: the channel name (the
// key before the first "|") and its info text (the rest). Settings values never
// hold a TAB, so the "|" is the one separator an entry can carry.
struct GpioEntryFields
{
    QString name;
    QString info;
};
GpioEntryFields SplitGpioEntry(const QString& entryText);

// A channel definition list: entry text as stored, identifier the integer part
// of the key plus `offset`. From section "IO_Channel_Data_<list>_<language>" of
// the settings file, or from section "Data_<list>_<language>" of the file that
// "IO_Channel_DataDef" in "Main" names.
EntryList ReadChannelList(const AppSettings& settings, const QString& listName, int offset);

// The channel lists of the monitor and output pickoff pages with their first code.
struct ChannelListName
{
    QLatin1StringView name;
    int offset;
};
inline constexpr ChannelListName kMonitorChannelList{QLatin1StringView("Monitor_Channel"), 11000};
inline constexpr ChannelListName kMonitorPeakList{QLatin1StringView("Monitor_Peak"), 12000};
inline constexpr ChannelListName kMonitorKeyList{QLatin1StringView("Monitor_Key"), 13000};
// Output pickoff lists of parts 1 to 5.
inline constexpr std::array<ChannelListName, 5> kOutputPickoffLists{{
    {QLatin1StringView("PickOff_Output_Dig"), 10000},
    {QLatin1StringView("PickOff_Output_Dig2"), 10000},
    {QLatin1StringView("PickOff_Output_ADAT"), 10000},
    {QLatin1StringView("PickOff_Output_SDI"), 10000},
    {QLatin1StringView("PickOff_Output_Analog"), 10000},
}};

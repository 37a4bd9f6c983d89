#include "ChannelNumbers.h"

#include "Helpers.h"

#include <limits>

int PositionOfItem(const EntryList& list, int itemData)
{
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i).itemData == itemData)
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<int> ChannelNumberOf(const EntryList& definitions, int code)
{
    if (code <= 0)
        return code;
    const int position = PositionOfItem(definitions, code);
    if (position < 0)
        return code;
    bool ok = false;
    const int number = SplitList(definitions.at(position).text).constFirst().toInt(&ok);
    if (!ok || number < std::numeric_limits<qint16>::min() || number > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return number;
}

std::optional<int> ChannelCodeOf(const EntryList& definitions, int channel)
{
    for (const ListEntry& entry : definitions) {
        if (LeadingNumber(SplitList(entry.text).constFirst()) == channel)
            return entry.itemData;
    }
    return std::nullopt;
}

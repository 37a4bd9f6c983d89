#include "SourceCodes.h"

#include <algorithm>

int NameSourceCode(int part, int index)
{
    return 1000 + 100 * (part - 1) + index;
}

EntryList NamedSources(const std::function<QString(int part, int index)>& nameAt,
                       const std::array<qint16, 5>& counts)
{
    EntryList sources;
    for (int part = 1; part <= 5; ++part) {
        const int count = std::clamp<int>(counts.at(part - 1), 0, 64);
        for (int index = 0; index < count; ++index) {
            const QString name = nameAt(part, index).trimmed();
            if (!name.isEmpty())
                sources.append({name, NameSourceCode(part, index)});
        }
    }
    return sources;
}

GpioRows GpioRowsInUse(int gpioOptionsMode)
{
    switch (gpioOptionsMode) {
    case 1:
        return {4, 16};
    case 2:
        return {8, 12};
    case 3:
        return {8, 0};
    default:
        return {};
    }
}

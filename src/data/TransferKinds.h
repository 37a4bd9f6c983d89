#pragma once

#include <QLatin1StringView>
#include <QString>

// The payload kinds as their two-digit texts, the first payload byte.
namespace TransferKinds {

inline constexpr QLatin1StringView DataSet{"20"};
inline constexpr QLatin1StringView AllRecords{"30"};

// 1 ... 8 for the kinds "31" ... "38" of one configuration record, else 0.
inline int recordNumber(const QString& kind)
{
    if (kind.size() != 2 || kind.at(0) != QLatin1Char('3'))
        return 0;
    const int n = kind.at(1).unicode() - '0';
    return n >= 1 && n <= 8 ? n : 0;
}

} // namespace TransferKinds

#include "OneOfN.h"

#include <algorithm>

void ExclusiveCheck(std::span<qint16> group, int clicked, bool keepOne)
{
    if (clicked < 0 || clicked >= int(group.size()))
        return;
    if (group[clicked] == 1) {
        for (int m = 0; m < int(group.size()); ++m) {
            if (m != clicked)
                group[m] = 0;
        }
    }
    if (keepOne && std::none_of(group.begin(), group.end(), [](qint16 v) { return v == 1; }))
        group[clicked] = 1;
}

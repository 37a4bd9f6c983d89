#pragma once

#include <QList>
#include <QString>

// One entry of a selection list as the pages show it: its text and the number
// it carries (its item data: a source code, a channel code or a list code).
struct ListEntry
{
    QString text;
    int itemData = 0;
    bool operator==(const ListEntry&) const = default;
};

using EntryList = QList<ListEntry>;

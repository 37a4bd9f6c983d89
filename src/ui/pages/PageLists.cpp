#include "PageLists.h"

#include <QComboBox>

namespace PageLists {

namespace {
constexpr int MaxEntryText = 511;
}

void fill(QComboBox* box, const EntryList& list)
{
    box->setUpdatesEnabled(false);
    box->clear();
    for (const ListEntry& e : list)
        box->addItem(e.text.left(MaxEntryText), e.itemData);
    box->setCurrentIndex(list.isEmpty() ? -1 : 0);
    box->setUpdatesEnabled(true);
}

EntryList entries(const QComboBox* box)
{
    EntryList list;
    list.reserve(box->count());
    for (int i = 0; i < box->count(); ++i)
        list.append({box->itemText(i), box->itemData(i).toInt()});
    return list;
}

void ListBoxCopy(const QComboBox* from, QComboBox* to)
{
    fill(to, entries(from));
}

bool setPosition(QComboBox* box, int position)
{
    if (box->count() == 0)
        return true;
    if (position < -1 || position >= box->count())
        return false;
    box->setCurrentIndex(position);
    return true;
}

} // namespace PageLists

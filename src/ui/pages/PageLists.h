#pragma once

#include "ListEntry.h"

class QComboBox;

// Drop-down lists of the pages: entries with their item data (the codes).
namespace PageLists {

// Replaces the entries; entry 0 is selected when there is one.
void fill(QComboBox* box, const EntryList& entries);
EntryList entries(const QComboBox* box);
// ListBoxCopy: every entry, text and item data, in order, after clearing the
// target; the target does not repaint during the copy.
void ListBoxCopy(const QComboBox* from, QComboBox* to);
// Sets a stored list position. -1 selects nothing; an empty list is left
// alone; a position the list does not have returns false.
bool setPosition(QComboBox* box, int position);

} // namespace PageLists

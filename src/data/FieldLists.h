#pragma once

#include "ListEntry.h"

#include <QString>

class DataSetField;
struct SelectorLists;

// The selection list a list-position field of the data set indexes, with the name
// the settings give it ("PickOff_Output_Dig", "Monitor_Channel", ...). Null entries
// for a field that holds no list position.
struct FieldList
{
    const EntryList* entries = nullptr;
    QString name;
};
FieldList ListOfField(const DataSetField& field, const SelectorLists& lists);

// The entry at a stored position, or null (-1, or a position the list lacks).
const ListEntry* EntryAt(const FieldList& list, int position);

#pragma once

#include <QString>

class DataSetField;
struct AppSettings;
struct DataSet;
struct SelectorLists;

// The rules by which the pages let the user change the data set, for changes
// made without the pages. Each check gives the empty text when the change is
// allowed, otherwise the rule that refuses it, in words for the user.

// Whether the pages show the field with these settings: names and outputs beyond
// the part's count, layer rows beyond the faders and GPIO rows the device lacks
// are not shown and so not edited. DataVersion is written on every save.
QString FieldNotEditable(const DataSetField& field, const AppSettings& settings);

// Sets the field to the value as the pages would: a name or path as typed, a
// list position or the text of a list entry, a source code or the name of a
// signal, a GPIO channel code, 0 or 1 for a flag or a member of a radio group
// (setting a member unchecks the others; the last check mark cannot be taken
// away). Clearing VTRSource1(n) clears VTRSource2(n) as well, as on the page.
// On a refusal `data` is unchanged.
QString EditDataSetField(DataSet& data, const DataSetField& field, const QString& value,
                         const AppSettings& settings, const SelectorLists& lists);

// A status text: at most 64 characters, each one the files and the line can carry.
QString StatusTextProblem(const QString& text);
// The control unit version: one to four digits.
QString AcuVersionProblem(const QString& text);

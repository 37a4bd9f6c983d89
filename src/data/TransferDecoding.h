#pragma once

#include <QByteArray>
#include <QString>

struct ConfigCollection;
struct DataContext;
struct DataSet;
struct SelectorLists;
struct TransferLayout;

// Stores the payload of a received data frame (start and end byte removed):
// kind "20" replaces the data set from the reset image and the payload and shows
// it (after start-up also through the blank-name check); "31" ... "38" and "30"
// go to ConfigSingle / ConfigGroup and their configuration files.
// Any other kind stores nothing. Shows the busy pointer; the end of the transfer
// restores it, a failure restores it here.
// A payload that cannot be read whole (a character that is no hex digit, too few
// digits for the layout, a 16-bit high byte above 0x7F, a code beyond 32767 with
// its base, the read position beyond digit 32767) changes nothing: the text of
// "Interpret_HexData_Err" goes to the log and, for the caller to show, to `failure`.
// A configuration file that cannot be written is reported as such and its save
// dialog offered again; its path field keeps the old path.
// False when nothing was stored.
bool InterpretHexData(DataContext& ctx, const SelectorLists& lists, ConfigCollection& collect,
                      const QByteArray& payload, QString* failure = nullptr);

// Reads a kind "20" payload into `target` (which holds the reset image): every
// value that matches no list entry keeps its value there. Empty, or why it failed
// (also when digits are left over after the last field);
// on a failure `target` holds what was read up to it.
QString DecodeDataSetPayload(const QByteArray& payload, const TransferLayout& layout,
                             const SelectorLists& lists, DataSet& target);

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
// restores it, a failure restores it here. A failure (a 16-bit high byte above
// 0x7F, a code beyond 32767 with its base, the read position beyond digit 32767)
// ends the decoding: "Interpret_HexData_Err" goes to the log, no box, and the data
// set keeps what was read, except that the configuration file paths are put back.
// False when the decoding failed.
bool InterpretHexData(DataContext& ctx, const SelectorLists& lists, ConfigCollection& collect,
                      const QByteArray& payload);

// Reads a kind "20" payload into `target` (which holds the reset image): every
// value that matches no list entry keeps its value there. Empty, or why it failed.
QString DecodeDataSetPayload(const QByteArray& payload, const TransferLayout& layout,
                             const SelectorLists& lists, DataSet& target);

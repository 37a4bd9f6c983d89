#pragma once

#include "DataExchangeFrame.h"

#include <QString>

struct DataContext;
struct DataSet;
struct SelectorLists;
struct TransferLayout;

// Builds the data frame of one kind: "20" the data set, "31" ... "38" the record in
// ConfigSingle, "30" the eight records of ConfigGroup; any other kind gives the
// bare frame 0x85 0x0D. The caller has copied the pages into the data set.
// Shows "Preparing_DataExchange" and the busy pointer; with LogHexData the
// payload is also written to DefaultHexFile. A failure (a list position its
// selector does not have, a one-byte field outside 0..255, a channel definition
// that does not start with an integer, the dump file not written) comes back in
// the result for the caller to report.
DataExchangeFrame PrepareDataExchange(DataContext& ctx, const SelectorLists& lists, const QString& kind);

// The kind "20" payload of a data set alone (no messages, no dump file). Empty,
// with `error` set, when it cannot be built.
QByteArray EncodeDataSetPayload(const DataSet& data, const TransferLayout& layout, const SelectorLists& lists,
                                int gpioOptionsMode, QString& error);

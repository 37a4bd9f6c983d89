#pragma once

#include "TransferLayout.h"

#include <QByteArray>
#include <QString>

#include <array>

// What the control unit keeps: the data-set payload as it travels (hex digits,
// kind "20" first), six status texts, the ACU version and eight configuration
// records of 1024 bytes. A folder holds it as "dataset.hex", "status.txt" (one
// text a line), "acu.txt" and "record1.cns" ... "record8.cns".
struct DeviceState
{
    static constexpr int RecordSize = 1024;

    QByteArray dataSet;
    std::array<QString, 6> statusTexts;
    QString acuVersion;
    std::array<QByteArray, 8> records;

    // A plausible data set shaped by the counts (by default 12, 4, 4, 4, 8 names
    // of 8 characters, 16 faders), six status texts, version "1.00" and eight
    // filled records.
    static DeviceState defaults(const TransferLayout& layout = {});
    // Files that are missing keep the current values.
    bool load(const QString& folder, QString* error);
    bool save(const QString& folder, QString* error) const;
};

#pragma once

#include <QByteArray>
#include <QString>

// A built data frame: start byte 0x85, the payload of hex digits, end byte 0x0D.
// A failed build has no frame and says why.
struct DataExchangeFrame
{
    static constexpr char StartByte = char(0x85);
    static constexpr char EndByte = char(0x0D);

    QByteArray frame;
    QString error;

    bool ok() const { return error.isEmpty(); }
    // The digits between start and end byte, what the checksum is taken over.
    QByteArray payload() const { return frame.size() < 2 ? QByteArray() : frame.mid(1, frame.size() - 2); }
};

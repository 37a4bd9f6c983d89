#pragma once

#include <QByteArray>
#include <QtGlobal>

// The transfer checksum of a payload of hex digits: the plain sum of its bytes.
// Pairs are added while the next pair starts before the last digit, so an odd last
// digit is left out, except that a payload of one digit counts as that digit's value.
// Empty gives 0; more than 32767 digits gives -1.
qint32 LinkChecksum(const QByteArray& payloadDigits);

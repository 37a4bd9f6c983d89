#include "LinkChecksum.h"

#include "Helpers.h"

#include <QString>

qint32 LinkChecksum(const QByteArray& payloadDigits)
{
    const qsizetype length = payloadDigits.size();
    if (length > 32767)
        return -1;
    if (length == 1)
        return ByteFromHex(QString::fromLatin1(payloadDigits));
    qint32 sum = 0;
    for (qsizetype pos = 0; pos + 1 < length; pos += 2)
        sum += ByteFromHex(QString::fromLatin1(payloadDigits.constData() + pos, 2));
    return sum;
}

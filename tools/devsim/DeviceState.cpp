#include "DeviceState.h"

#include "Cp1252.h"
#include "SafeFile.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray padded(QByteArray bytes, int size)
{
    bytes = bytes.left(size);
    return bytes + QByteArray(size - bytes.size(), ' ');
}

// The data set payload: kind 0x20, version 2.1, 64 name slots, the layer table of
// the fader count, 64 output pick-offs, then the monitor, GPIO, control, VTR, ESAM,
// configuration and fader box fields.
QByteArray defaultDataSet(const TransferLayout& layout)
{
    QByteArray p;
    p.append(char(0x20)).append(char(2)).append(char(1));
    for (int part = 0; part < 5; ++part) {
        for (int n = 1; n <= layout.countInput[part]; ++n)
            p.append(padded(QStringLiteral("IN%1-%2").arg(part + 1).arg(n).toLatin1(), layout.textLen));
    }
    p.append(QByteArray((TransferLayout::Slots - layout.inputsInUse()) * layout.textLen, ' '));
    for (int i = 0; i < layout.faders / 2 * 8; ++i) // layer table: source codes 1000 + k
        p.append(char(0x03)).append(char(0xE8 + i % 8));
    p.append(QByteArray(128, '\0'));   // output pick-offs
    p.append(char(1));                 // monitor mode
    p.append(QByteArray(2, '\0'));     // monitor channel
    p.append(char(1));                 // monitor pick-off
    p.append(QByteArray(4 + 8, '\0')); // peak pick-offs, external monitor keys
    p.append(char(1));                 // GPIO options mode
    p.append(QByteArray(16 + 32, '\0'));
    p.append(char(1));                 // control mode
    p.append(QByteArray(36, '\0'));    // VTR sources
    p.append(char(0)).append(char(0)); // ESAM frames, channels
    for (int k = 1; k <= 8; ++k)
        p.append(padded(QStringLiteral("CONF%1").arg(k).toLatin1(), 8));
    p.append(char(0)).append(char(0)).append(char(0)); // flags 1, flags 2, start-up configuration
    p.append(QByteArray(36, '\0'));                    // fader box inputs and outputs
    return p.toHex().toUpper();
}

QByteArray readFile(const QString& path, bool* found)
{
    QFile f(path);
    *found = f.open(QIODevice::ReadOnly);
    return *found ? f.readAll() : QByteArray();
}

} // namespace

DeviceState DeviceState::defaults(const TransferLayout& layout)
{
    DeviceState s;
    s.dataSet = defaultDataSet(layout);
    for (int i = 0; i < 6; ++i)
        s.statusTexts[i] = QStringLiteral("Device status %1").arg(i + 1);
    s.acuVersion = QStringLiteral("1.00");
    for (int r = 0; r < 8; ++r)
        s.records[r] = padded(QStringLiteral("Record %1 ").arg(r + 1).toLatin1().repeated(RecordSize / 9 + 1),
                              RecordSize);
    return s;
}

bool DeviceState::load(const QString& folder, QString* error)
{
    const QDir dir(folder);
    if (!dir.exists()) {
        *error = QStringLiteral("%1 does not exist").arg(folder);
        return false;
    }
    bool found = false;
    QByteArray bytes = readFile(dir.filePath(QStringLiteral("dataset.hex")), &found);
    if (found)
        dataSet = bytes.trimmed().toUpper();
    bytes = readFile(dir.filePath(QStringLiteral("status.txt")), &found);
    if (found) {
        const QList<QByteArray> lines = bytes.split('\n');
        for (int i = 0; i < 6; ++i)
            statusTexts[i] =
                i < lines.size() ? Cp1252::decode(lines[i]).remove(QLatin1Char('\r')) : QString();
    }
    bytes = readFile(dir.filePath(QStringLiteral("acu.txt")), &found);
    if (found)
        acuVersion = Cp1252::decode(bytes.trimmed().left(4));
    for (int r = 0; r < 8; ++r) {
        bytes = readFile(dir.filePath(QStringLiteral("record%1.cns").arg(r + 1)), &found);
        if (found)
            records[r] = padded(bytes, RecordSize);
    }
    return true;
}

bool DeviceState::save(const QString& folder, QString* error) const
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("%1 cannot be created").arg(folder);
        return false;
    }
    const QDir dir(folder);
    QByteArray status;
    for (const QString& text : statusTexts)
        status += Cp1252::encode(text) + "\r\n";
    bool ok = WriteFileAtomically(dir.filePath(QStringLiteral("dataset.hex")), dataSet + "\r\n", error) &&
              WriteFileAtomically(dir.filePath(QStringLiteral("status.txt")), status, error) &&
              WriteFileAtomically(dir.filePath(QStringLiteral("acu.txt")), Cp1252::encode(acuVersion), error);
    for (int r = 0; ok && r < 8; ++r)
        ok = WriteFileAtomically(dir.filePath(QStringLiteral("record%1.cns").arg(r + 1)), records[r], error);
    return ok;
}

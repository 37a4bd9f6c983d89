#include "DeviceEngine.h"

#include "Cp1252.h"
#include "LinkChecksum.h"
#include "SimLine.h"

namespace {

constexpr char kEnd = 0x0D;
constexpr qsizetype kMaxFrame = 128 * 1024;
constexpr int kAckTimeoutMs = 3000;

bool isStart(char b)
{
    return quint8(b) >= 0x80 && quint8(b) <= 0x89;
}

QString codeOf(char b)
{
    return QString::number(quint8(b), 16).toUpper();
}

QByteArray hexText(const QByteArray& bytes)
{
    return bytes.toHex().toUpper();
}

bool allBlank(const QByteArray& bytes)
{
    for (char c : bytes)
        if (c != ' ')
            return false;
    return true;
}

} // namespace

DeviceEngine::DeviceEngine(DeviceState& state, const TransferLayout& layout, SimLine& line,
                           DeviceFaults faults, std::function<void(const QString&)> log, quint32 seed)
    : m_state(state), m_layout(layout), m_line(line), m_faults(faults), m_log(std::move(log)), m_random(seed)
{
    connect(&m_line, &SimLine::received, this, &DeviceEngine::onBytes);
    m_ackTimeout.setSingleShot(true);
    connect(&m_ackTimeout, &QTimer::timeout, this, [this] {
        m_log(QStringLiteral("no 86 for the record, going on"));
        sendNextRecord();
    });
}

bool DeviceEngine::startCommand(const QString& command)
{
    const QString c = command.simplified().toUpper();
    if (c == QLatin1String("80") || c == QLatin1String("82") || c == QLatin1String("87")) {
        sendFrame(char(c.toInt(nullptr, 16)), {}, 0);
        return true;
    }
    if (c.startsWith(QLatin1String("84"))) {
        const QString kind = c.mid(2).trimmed();
        if (kind.isEmpty())
            return false;
        sendFrame(char(0x84), kind.toLatin1(), 0);
        return true;
    }
    return false;
}

void DeviceEngine::onBytes(const QByteArray& bytes)
{
    for (char b : bytes) {
        if (isStart(b)) {
            if (!m_frame.isEmpty())
                m_log(QStringLiteral("torn frame %1 of %2 bytes dropped")
                          .arg(codeOf(m_frame.at(0)))
                          .arg(m_frame.size()));
            m_frame = QByteArray(1, b);
        } else if (!m_frame.isEmpty()) {
            m_frame.append(b);
            if (b == kEnd) {
                const QByteArray frame = m_frame;
                m_frame.clear();
                handle(frame);
            } else if (m_frame.size() > kMaxFrame) {
                m_log(QStringLiteral("frame without end byte dropped"));
                m_frame.clear();
            }
        }
    }
}

void DeviceEngine::handle(const QByteArray& frame)
{
    logFrame("RX", frame);
    const QByteArray payload = frame.mid(1, frame.size() - 2);
    switch (quint8(frame.at(0))) {
    case 0x80:
        answer(char(0x81), {});
        break;
    case 0x82:
        answer(char(0x83), statusPayload());
        break;
    case 0x83:
        storeStatus(payload);
        break;
    case 0x84:
        sendRequested(payload);
        break;
    case 0x85: {
        qint32 sum = LinkChecksum(payload);
        if (m_faults.wrongChecksum)
            ++sum;
        answer(char(0x86), hexText(QByteArray::number(sum)));
        storeData(payload);
        break;
    }
    case 0x86: {
        const qint32 sum = QByteArray::fromHex(payload).toInt();
        m_log(sum == m_sentChecksum
                  ? QStringLiteral("checksum %1 confirmed").arg(sum)
                  : QStringLiteral("checksum %1 does not match %2").arg(sum).arg(m_sentChecksum));
        if (m_ackTimeout.isActive()) {
            m_ackTimeout.stop();
            sendNextRecord();
        }
        break;
    }
    case 0x87:
        m_state = DeviceState::defaults(m_layout);
        m_log(QStringLiteral("reset to the defaults"));
        answer(char(0x88), {});
        break;
    case 0x89:
        m_state.acuVersion = Cp1252::decode(QByteArray::fromHex(payload)).left(4);
        m_log(QStringLiteral("ACU version \"%1\" stored").arg(m_state.acuVersion));
        break;
    default:
        break;
    }
}

void DeviceEngine::answer(char code, const QByteArray& payload)
{
    if (m_faults.silent) {
        m_log(QStringLiteral("silent: no %1 answer").arg(codeOf(code)));
        return;
    }
    sendFrame(code, payload, m_faults.answerDelayMs);
}

void DeviceEngine::sendFrame(char code, const QByteArray& payload, int delayMs)
{
    QByteArray frame = QByteArray(1, code) + payload;
    if (!m_faults.missingEndByte)
        frame.append(kEnd);
    logFrame("TX", frame);
    if (code == char(0x85))
        m_sentChecksum = LinkChecksum(payload);

    QByteArray noise;
    for (int i = 0; i < m_faults.garbageBytes; ++i) {
        char b;
        do
            b = char(m_random.bounded(1, 256));
        while (isStart(b));
        noise.append(b);
    }
    const QByteArray wire = noise + frame;
    if (!m_faults.splitFrames) {
        m_line.send(wire, delayMs);
        return;
    }
    int at = delayMs;
    for (qsizetype pos = 0; pos < wire.size();) {
        const qsizetype piece = 1 + m_random.bounded(8);
        m_line.send(wire.mid(pos, piece), at);
        pos += piece;
        at += m_random.bounded(6);
    }
}

void DeviceEngine::sendRequested(const QByteArray& kind)
{
    if (kind == "20") {
        answer(char(0x85), m_state.dataSet);
        return;
    }
    if (kind.size() == 2 && kind.at(0) == '3' && kind.at(1) >= '1' && kind.at(1) <= '8') {
        answer(char(0x85), recordPayload(kind.at(1) - '0'));
        return;
    }
    if (kind == "30") {
        if (m_faults.groupAsOnePayload) {
            QByteArray all;
            for (const QByteArray& record : m_state.records)
                all += allBlank(record) ? QByteArray() : record;
            answer(char(0x85), "30" + hexText(all));
            return;
        }
        m_recordsToSend = {1, 2, 3, 4, 5, 6, 7, 8};
        sendNextRecord();
        return;
    }
    m_log(QStringLiteral("request for unknown kind \"%1\" ignored").arg(QString::fromLatin1(kind)));
}

void DeviceEngine::sendNextRecord()
{
    if (m_recordsToSend.isEmpty())
        return;
    answer(char(0x85), recordPayload(m_recordsToSend.takeFirst()));
    if (!m_recordsToSend.isEmpty())
        m_ackTimeout.start(kAckTimeoutMs);
}

QByteArray DeviceEngine::recordPayload(int record) const
{
    const QByteArray& bytes = m_state.records[record - 1];
    return QByteArray::number(30 + record) + (allBlank(bytes) ? QByteArray() : hexText(bytes));
}

QByteArray DeviceEngine::statusPayload() const
{
    QByteArray block;
    for (const QString& text : m_state.statusTexts) {
        const QByteArray bytes = Cp1252::encode(text).left(255);
        block.append(char(bytes.size())).append(bytes);
    }
    return hexText(block);
}

void DeviceEngine::storeStatus(const QByteArray& payload)
{
    const QByteArray block = QByteArray::fromHex(payload);
    qsizetype pos = 0;
    for (int i = 0; i < 6; ++i) {
        if (pos >= block.size()) {
            m_state.statusTexts[i].clear();
            continue;
        }
        const int length = quint8(block.at(pos));
        m_state.statusTexts[i] = Cp1252::decode(block.mid(pos + 1, length)).trimmed();
        pos += 1 + length;
    }
    m_log(QStringLiteral("status texts stored"));
}

void DeviceEngine::storeData(const QByteArray& payload)
{
    const QByteArray kind = payload.left(2);
    const QByteArray bytes = QByteArray::fromHex(payload.mid(2));
    auto record = [](const QByteArray& part) {
        return part.left(DeviceState::RecordSize) +
               QByteArray(DeviceState::RecordSize - qMin<qsizetype>(part.size(), DeviceState::RecordSize),
                          ' ');
    };
    if (kind == "20") {
        m_state.dataSet = payload;
        m_log(QStringLiteral("data set stored"));
    } else if (kind.size() == 2 && kind.at(0) == '3' && kind.at(1) >= '1' && kind.at(1) <= '8') {
        m_state.records[kind.at(1) - '1'] = record(bytes);
        m_log(QStringLiteral("record %1 stored").arg(kind.at(1)));
    } else if (kind == "30") {
        for (int r = 0; r < 8; ++r)
            m_state.records[r] = record(bytes.mid(r * DeviceState::RecordSize, DeviceState::RecordSize));
        m_log(QStringLiteral("eight records stored"));
    } else {
        m_log(QStringLiteral("data of unknown kind \"%1\" not stored").arg(QString::fromLatin1(kind)));
    }
}

void DeviceEngine::logFrame(const char* direction, const QByteArray& frame)
{
    const QByteArray payload = frame.mid(1, frame.endsWith(kEnd) ? frame.size() - 2 : frame.size() - 1);
    const QByteArray shown = payload.size() > 64 ? payload.left(64) + "..." : payload;
    m_log(QStringLiteral("%1 %2 len=%3 %4")
              .arg(QLatin1String(direction), codeOf(frame.at(0)))
              .arg(payload.size())
              .arg(QString::fromLatin1(shown)));
}

#pragma once

#include "ConfigCollection.h"

#include <QByteArray>
#include <QObject>
#include <QString>

struct DataContext;
struct SelectorLists;
class SerialLink;

// Acts on every complete frame the link receives: answers the device's requests,
// stores what it sends and reports the replies to the program's own commands.
class LinkCommands : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY(LinkCommands)
public:
    LinkCommands(DataContext& data, SerialLink& link, const SelectorLists& lists, QObject* parent = nullptr);

    // code: "80" ... "89" (any other is reported as unknown); frame: with start and end byte.
    void InterpretCommand(const QString& code, const QByteArray& frame);

    // The checksum of the last "85" payload sent, which the "86" answer must repeat.
    // Setting it awaits one answer; an "86" that arrives when none is awaited is
    // logged and not taken as the device's receipt.
    qint32 SentChecksum() const { return m_sentChecksum; }
    void setSentChecksum(qint32 sum)
    {
        m_sentChecksum = sum;
        m_checksumAwaited = true;
    }
    // The kind of the device's last data request; the send command takes and clears it.
    const QString& PendingTransferKind() const { return m_pendingTransferKind; }
    void setPendingTransferKind(const QString& kind) { m_pendingTransferKind = kind; }
    // Records of a request for all eight, collected as they arrive.
    ConfigCollection& collection() { return m_collect; }

Q_SIGNALS:
    // The device asked for data ("84"): the main window's send timer is to run the
    // send command after this many milliseconds.
    void sendRequested(int delayMs);
    // A "85" payload of this kind was answered with its checksum and stored
    // (stored false: the decoding failed and nothing usable was kept).
    void dataReceived(const QString& kind, bool stored);
    // A "86" answer was compared with SentChecksum.
    void checksumAnswered(bool matches);

private:
    void fail(const QString& description);
    void showResult(const QString& text, unsigned channels, bool clearStatus = false);
    void storeStatusTexts(const QByteArray& payload);
    void answerData(const QByteArray& payload);
    void compareChecksum(const QByteArray& payload);
    void storeVersion(const QByteArray& payload);

    DataContext& m_data;
    SerialLink& m_link;
    const SelectorLists& m_lists;
    ConfigCollection m_collect;
    qint32 m_sentChecksum = 0;
    bool m_checksumAwaited = false;
    QString m_pendingTransferKind;
};

#pragma once

#include "ConfigTransfer.h"
#include "DataContext.h"
#include "LinkChecksum.h"
#include "LinkCommands.h"
#include "LinkFixture.h"
#include "SelectorLists.h"

#include <functional>

// The link commands and the configuration transfer over the scripted port, with
// a device stand-in that answers each complete frame the link sends.
class CommandsFixture : public LinkFixture
{
protected:
    CommandsFixture()
    {
        data.Reset.InputName[0][0].set(QStringLiteral("RESET"));
        for (auto& record : data.ConfigGroup)
            record.set(QString());
        data.ConfigSingle.set(QString());
        port.onOutput = [this](const QByteArray& bytes) {
            m_outgoing += bytes;
            qsizetype end;
            while ((end = m_outgoing.indexOf('\r')) >= 0) {
                const QByteArray frame = m_outgoing.left(end + 1);
                m_outgoing.remove(0, end + 1);
                sent.append(frame);
                if (device) {
                    const QByteArray reply = device(frame);
                    if (!reply.isEmpty())
                        later(5, [this, reply] { port.receive(reply); });
                }
            }
        };
    }

    // Hands a received frame to the commands as the receive timer would.
    void interpret(const QByteArray& frame)
    {
        commands.InterpretCommand(QString::number(quint8(frame.at(0)), 16).toUpper(), frame);
    }

    // The "86" answer a device gives to a data frame.
    static QByteArray checksumAnswer(const QByteArray& frame)
    {
        const QByteArray digits = QByteArray::number(LinkChecksum(frame.mid(1, frame.size() - 2)));
        return QByteArray(1, char(0x86)) + digits.toHex().toUpper() + "\r";
    }

    ConfigurationData data;
    DataContext dataCtx{*ctx, data};
    SelectorLists lists;
    LinkCommands commands{dataCtx, *link, lists};
    ConfigTransfer transfer{dataCtx, *link, commands, lists};
    std::function<QByteArray(const QByteArray&)> device; // answer to a frame, or nothing
    QList<QByteArray> sent;

private:
    QByteArray m_outgoing;
};

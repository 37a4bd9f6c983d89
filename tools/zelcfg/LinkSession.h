#pragma once

#include "ExitCode.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class ConfigTransfer;
class ConsoleUserInterface;
class LinkCommands;
class QtSerialControl;
class SerialLink;
class ToolContext;

// The editor's link on one port: the serial control, the link with its waits
// and time-outs from section "Comm", the reply handling and the configuration
// transfer. It counts what the device answered, so a command can tell a
// confirmed transfer from a silent device, a lost port or a wrong checksum.
class LinkSession
{
    Q_DISABLE_COPY(LinkSession)
public:
    LinkSession(ToolContext& tool, ConsoleUserInterface& ui);
    ~LinkSession();

    // Applies section "Comm", then `port` (a number resolved through "PortNames",
    // a device path, or empty for "Port"), and opens the port.
    Failure open(const QString& port);

    SerialLink& link() { return *m_link; }
    LinkCommands& commands() { return *m_commands; }
    ConfigTransfer& transfer() { return *m_transfer; }

    // Hands over a reply the last wait left in the receive buffer.
    void deliver();
    // Runs the event loop until `done` holds, the device sends nothing more for
    // the link's time-out, or the port is lost. False unless `done` held.
    bool waitFor(const std::function<bool()>& done);

    int checksumsConfirmed() const { return m_confirmed; }
    int checksumsRefused() const { return m_refused; }
    int dataStored() const { return m_stored; }
    int dataDamaged() const { return m_damaged; }
    const QString& lastKind() const { return m_lastKind; }

    // Why the awaited answer to `frame` did not come: the port was lost, or the
    // device stayed silent within the time-out.
    Failure silence(const QString& frame, const QString& awaited) const;
    // "port 2 (/dev/ttyS1)" or the device path given.
    QString portText() const;

private:
    ToolContext& m_tool;
    ConsoleUserInterface& m_ui;
    std::unique_ptr<QtSerialControl> m_port;
    std::unique_ptr<SerialLink> m_link;
    std::unique_ptr<LinkCommands> m_commands;
    std::unique_ptr<ConfigTransfer> m_transfer;
    QString m_fixedDevice;
    int m_confirmed = 0;
    int m_refused = 0;
    int m_stored = 0;
    int m_damaged = 0;
    QString m_lastKind;
};

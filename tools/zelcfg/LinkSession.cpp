#include "LinkSession.h"

#include "ConfigTransfer.h"
#include "ConsoleUserInterface.h"
#include "LinkCommands.h"
#include "QtSerialControl.h"
#include "SerialLink.h"
#include "ToolContext.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

LinkSession::LinkSession(ToolContext& tool, ConsoleUserInterface& ui)
    : m_tool(tool), m_ui(ui), m_port(std::make_unique<QtSerialControl>(tool.settings.SettingsFile)),
      m_link(std::make_unique<SerialLink>(*tool.app, *m_port)),
      m_commands(std::make_unique<LinkCommands>(*tool.dataContext, *m_link, tool.lists)),
      m_transfer(std::make_unique<ConfigTransfer>(*tool.dataContext, *m_link, *m_commands, tool.lists))
{
    QObject::connect(m_commands.get(), &LinkCommands::checksumAnswered,
                     [this](bool matches) { ++(matches ? m_confirmed : m_refused); });
    QObject::connect(m_commands.get(), &LinkCommands::dataReceived, [this](const QString& kind, bool stored) {
        ++(stored ? m_stored : m_damaged);
        m_lastKind = kind;
    });
}

LinkSession::~LinkSession()
{
    if (m_link)
        m_link->ClosePort();
}

Failure LinkSession::open(const QString& port)
{
    if (m_link->ReadCommSettings() != 0)
        return Failure::badInput(QStringLiteral("%1: section \"Comm\": %2")
                                     .arg(m_tool.settings.SettingsFile, m_link->lastError()));
    bool isNumber = false;
    const int number = port.toInt(&isNumber);
    if (isNumber) {
        if (number < 1)
            return Failure::badInput(QStringLiteral("port %1: port numbers start at 1").arg(port));
        const PortResult set = m_port->setCommPort(number);
        if (!set.ok())
            return Failure::badInput(QStringLiteral("port %1: %2").arg(port, set.description));
    } else if (!port.isEmpty()) {
        m_fixedDevice = port;
        m_port->setFixedDevice(port);
    }
    const PortResult opened = m_port->setPortOpen(true);
    if (!opened.ok())
        return {ExitPortUnusable,
                QStringLiteral("%1: cannot be opened: %2").arg(portText(), opened.description)};
    m_link->OpenPort();
    return {};
}

void LinkSession::deliver()
{
    m_link->DeliverPendingFrames();
}

bool LinkSession::waitFor(const std::function<bool()>& done)
{
    if (done())
        return true;
    const int timeOut = m_link->settings().TimeOut;
    QEventLoop loop;
    QTimer quiet;
    quiet.setSingleShot(true);
    QObject::connect(&quiet, &QTimer::timeout, &loop, &QEventLoop::quit);
    auto check = [&] {
        if (done() || !m_port->PortOpen())
            loop.quit();
        else if (timeOut > 0)
            quiet.start(timeOut * 1000); // anything that arrives keeps the wait going
    };
    QObject::connect(m_commands.get(), &LinkCommands::dataReceived, &loop, check);
    QObject::connect(m_link.get(), &SerialLink::woken, &loop, check);
    if (timeOut > 0)
        quiet.start(timeOut * 1000);
    loop.exec();
    return done();
}

Failure LinkSession::silence(const QString& frame, const QString& awaited) const
{
    if (!m_port->PortOpen()) {
        const QString why = m_ui.errors().isEmpty() ? QStringLiteral("it is closed") : m_ui.errors().last();
        return {ExitPortUnusable, QStringLiteral("%1: lost during frame %2: %3").arg(portText(), frame, why)};
    }
    if (awaited.isEmpty())
        return {ExitNoAnswer, QStringLiteral("%1: frame %2 was not sent within %3 s")
                                  .arg(portText(), frame)
                                  .arg(m_link->settings().TimeOut)};
    return {ExitNoAnswer, QStringLiteral("%1: no answer %2 to frame %3 within %4 s")
                              .arg(portText(), awaited, frame)
                              .arg(m_link->settings().TimeOut)};
}

QString LinkSession::portText() const
{
    if (!m_fixedDevice.isEmpty())
        return m_fixedDevice;
    return QStringLiteral("port %1 (%2)").arg(m_port->CommPort()).arg(m_port->deviceName());
}

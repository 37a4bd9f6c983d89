#include "SimulatorProcess.h"

#include "RunEvents.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

SimulatorProcess::~SimulatorProcess()
{
    kill();
}

QString SimulatorProcess::program()
{
    return QStringLiteral(ZEL_BIN_DIR "/devsim");
}

bool SimulatorProcess::start(const QStringList& arguments)
{
    if (!QFileInfo::exists(program())) {
        m_error = program() + QStringLiteral(" is not built");
        return false;
    }
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, [this] { collect(); });
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program(), arguments);
    if (!m_process.waitForStarted(5000)) {
        m_error = m_process.errorString();
        return false;
    }
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 5000) {
        m_process.waitForReadyRead(100);
        collect();
        for (const QString& line : m_lines) {
            const qsizetype at = line.indexOf(QLatin1String("] pty "));
            if (at >= 0)
                m_pty = line.mid(at + 6).trimmed();
            if (line.endsWith(QLatin1String("] ready")))
                return !m_pty.isEmpty();
        }
        if (m_process.state() != QProcess::Running)
            break;
    }
    m_error = QStringLiteral("the simulator did not get ready");
    return false;
}

void SimulatorProcess::command(const QString& line)
{
    m_process.write((line + QLatin1Char('\n')).toLocal8Bit());
    m_process.waitForBytesWritten(1000);
}

void SimulatorProcess::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(3000);
}

QStringList SimulatorProcess::lines(int settleMs)
{
    if (settleMs > 0)
        RunEventsFor(settleMs);
    collect();
    return m_lines;
}

bool SimulatorProcess::logged(const QString& part, int waitMs)
{
    QElapsedTimer t;
    t.start();
    do {
        collect();
        for (const QString& line : m_lines)
            if (line.contains(part))
                return true;
        if (waitMs > 0)
            RunEventsFor(20);
    } while (t.elapsed() < waitMs);
    return false;
}

void SimulatorProcess::collect()
{
    m_partial += m_process.readAllStandardOutput();
    qsizetype eol;
    while ((eol = m_partial.indexOf('\n')) >= 0) {
        m_lines.append(QString::fromLocal8Bit(m_partial.left(eol)));
        m_partial.remove(0, eol + 1);
    }
}

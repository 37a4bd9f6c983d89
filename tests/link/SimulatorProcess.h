#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The device simulator as a child process. Its log lines are collected as they
// come; the pseudo-terminal it created is `ptyPath()`.
class SimulatorProcess
{
public:
    SimulatorProcess() = default;
    ~SimulatorProcess();
    SimulatorProcess(const SimulatorProcess&) = delete;
    SimulatorProcess& operator=(const SimulatorProcess&) = delete;

    static QString program();
    // Starts it and waits for "ready"; false (with the reason in `error()`) otherwise.
    bool start(const QStringList& arguments = {});
    void command(const QString& line);
    void kill();
    bool running() const { return m_process.state() == QProcess::Running; }

    const QString& ptyPath() const { return m_pty; }
    const QString& error() const { return m_error; }
    // Log lines so far (after running the event loop for `settleMs`).
    QStringList lines(int settleMs = 0);
    bool logged(const QString& part, int waitMs = 0);

private:
    void collect();

    QProcess m_process;
    QString m_pty;
    QString m_error;
    QByteArray m_partial;
    QStringList m_lines;
};

#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

struct AppContext;
struct DataContext;
class AppWindows;
class ConfigTransfer;
class LinkCommands;
class SerialLink;
class Shutdown;

// Runs every user command by its number: the toolbar's button indices 1 ... 15,
// and the internal variants 106 (request the data set without asking), 107 (send
// without asking, from the send timer) and 108 (send the control unit version).
class CommandDispatcher
{
public:
    CommandDispatcher(AppContext& ctx, DataContext& data, SerialLink& link, LinkCommands& commands,
                      ConfigTransfer& configs, AppWindows& windows, Shutdown& shutdown);
    ~CommandDispatcher();
    Q_DISABLE_COPY(CommandDispatcher)

    void InterpretMenuCommand(int number);

    // The data file the next open or save proposes; a successful dialog changes it.
    const QString& currentDataFile() const { return m_dataFile; }

private:
    bool runCommand(int number, QString& error);
    // A link command while the link is busy: the send timer's command waits for
    // its turn, the others are refused.
    bool postponedOrRefused(int number, QString& error);
    void runQueuedSend();
    void readDataFile();
    void writeDataFile();
    bool sendDataSet(QString& error);
    void requestDataSet();
    void sendVersion();
    // Sends a frame with the caption text of `captionKey` and waits for `reply`.
    void exchange(const QByteArray& frame, const QString& captionKey, const QString& reply);
    bool ask(const QString& key);

    AppContext& m_ctx;
    DataContext& m_data;
    SerialLink& m_link;
    LinkCommands& m_commands;
    ConfigTransfer& m_configs;
    AppWindows& m_windows;
    Shutdown& m_shutdown;
    QString m_dataFile;
    bool m_sendQueued = false;
    QMetaObject::Connection m_idleConnection;
};

#pragma once

#include <QByteArray>
#include <QString>

struct AppContext;
struct DataContext;
struct SelectorLists;
class LinkCommands;
class SerialLink;

// The frames of the program's own commands and the exchanges that send them:
// one command byte, the payload as text, the end byte 0x0D.

QByteArray CommandFrame(char command, const QByteArray& payload = {});
// 0x84 and the kind asked for ("20" the data set, "30" ... "38" records).
QByteArray DataRequestFrame(const QString& kind);
// 0x89 and the hex text of the control unit version's characters.
QByteArray VersionFrame(const QString& version);

// Transmits the frame with the caption text of `captionKey`; when it went out,
// waits for the reply `reply` ("85") with the waiting text. True when the reply
// is there: the receive timer hands it over right after, or DeliverPendingFrames now.
bool ExchangeFrame(AppContext& ctx, SerialLink& link, const QByteArray& frame, const QString& captionKey,
                   const QString& reply);

// Builds the data set's frame from the data set as it is, keeps its checksum as
// the one the "86" answer must repeat and exchanges it. A frame that cannot be
// built comes back as text, and nothing is sent.
QString SendDataSet(DataContext& data, SerialLink& link, LinkCommands& commands, const SelectorLists& lists);
// Asks for the data set; its "85" answer is stored when it is handed over.
bool RequestDataSet(AppContext& ctx, SerialLink& link);

#pragma once

#include <QString>

class SerialControl;
struct LinkSettings;

// Applies section "Comm" of the settings file to the port and the link values.
// 0, or the sub-step that failed: 1 port number, 2 line parameters, 3 receive
// buffer, 4 send buffer, 5 DTR, 6 RTS, 7 handshaking, 8 fixed properties,
// 9 time-out, 10 transfer dialog flag, 11 timer interval. The port is closed first.
// `error` receives the driver's or the parser's reason.
int ReadCommSettings(SerialControl& port, const QString& settingsFile, LinkSettings& link,
                     QString* error = nullptr);

// Stores the port's current properties and the link values in the same order
// and with the same sub-step numbers; 0 on success.
int WriteCommSettings(SerialControl& port, const QString& settingsFile, const LinkSettings& link,
                      QString* error = nullptr);

// "Debug": the integer part of the number "0" followed by the trimmed value.
int ReadDebugLevel(const QString& settingsFile);

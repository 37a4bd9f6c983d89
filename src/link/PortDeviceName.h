#pragma once

#include <QMap>
#include <QString>

// Port numbers 1 ... PlainPorts name the system's own ports unless mapped.
inline constexpr int PlainPorts = 16;

// The system device behind port number n: the value of key "COM" + n in section
// "PortNames" of the settings file, else the adapter ExtraPorts numbers n, else
// "/dev/ttyS" + (n - 1) on Linux and "COM" + n on Windows.
QString PortDeviceName(const QString& settingsFile, int port);

// The ports above PlainPorts and their devices: each mapped in "PortNames"
// keeps its number, and each adapter present (AdapterDevices) that no mapping
// leads to takes the lowest number above PlainPorts no mapping uses.
QMap<int, QString> ExtraPorts(const QString& settingsFile);

// True when "PortNames" maps the port.
bool PortIsMapped(const QString& settingsFile, int port);

#pragma once

#include <QString>

// The system device behind port number n: the value of key "COM" + n in section
// "PortNames" of the settings file, else "/dev/ttyS" + (n - 1) on Linux and
// "COM" + n on Windows.
QString PortDeviceName(const QString& settingsFile, int port);

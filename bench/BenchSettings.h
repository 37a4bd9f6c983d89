#pragma once

// The settings files the start-up and tab-switch benchmarks run on: the bundled
// file, or the largest one the editor accepts (64 names, 16 faders, 16
// characters per name, every optional page), both with "Debug" on so that no
// splash minimum hides the start-up time, and the port at a given device.

#include "SettingsFile.h"

#include <QDateTime>
#include <QFile>
#include <QString>

namespace BenchSettings {

enum class Size
{
    Bundled,
    Largest
};

inline const char* name(Size size)
{
    return size == Size::Bundled ? "bundled settings" : "largest settings";
}

// Writes the keys that make the bundled file the largest one.
template <typename Set>
void writeLargest(Set set)
{
    const QString main = QStringLiteral("Main");
    set(main, QStringLiteral("Layer_NumFaders"), QStringLiteral("16"));
    set(main, QStringLiteral("TextLenInput"), QStringLiteral("16"));
    for (const char* page : {"System", "ESAM", "FBOX", "Monitor", "IO_Opt"})
        set(main, QStringLiteral("ShowTabStrip_") + QLatin1String(page), QStringLiteral("yes"));
    const int counts[5] = {16, 16, 16, 8, 8};
    for (const char* language : {"GER", "ENG"}) {
        for (int part = 0; part < 5; ++part) {
            const QString n = QStringLiteral("Part%1.").arg(part + 1, 2, 10, QLatin1Char('0'));
            set(QStringLiteral("TabStrip_Name_") + QLatin1String(language), n + QStringLiteral("CountInput"),
                QString::number(counts[part]));
            set(QStringLiteral("TabStrip_Output_") + QLatin1String(language), n + QStringLiteral("CountOutput"),
                QString::number(counts[part]));
        }
    }
}

// Writes the program's settings file `ini`; false when the bundled file is missing.
inline bool write(const QString& ini, Size size, const QString& portDevice, bool requestStatus)
{
    QFile::remove(ini);
    if (!QFile::copy(QStringLiteral(ZEL_SOURCE_DIR "/resources/ZEL308Tools.Ini"), ini))
        return false;
    QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
    const auto set = [&ini](const QString& section, const QString& key, const QString& value) {
        WriteSetting(ini, section, key, value, false);
    };
    const QString main = QStringLiteral("Main");
    set(main, QStringLiteral("Debug"), QStringLiteral("yes"));
    set(main, QStringLiteral("ShowMsgBox"), QStringLiteral("no"));
    set(main, QStringLiteral("RequestStatus"), requestStatus ? QStringLiteral("yes") : QStringLiteral("no"));
    set(main, QStringLiteral("RequestData"), QStringLiteral("no"));
    set(QStringLiteral("Comm"), QStringLiteral("Port"), QStringLiteral("2"));
    set(QStringLiteral("PortNames"), QStringLiteral("COM2"), portDevice);
    if (size == Size::Largest)
        writeLargest(set);
    // A user's settings file was written long before the program starts; one
    // written moments ago is read again on every lookup, as its time stamp
    // cannot tell a change made in the same moment.
    QFile file(ini);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime);
}

} // namespace BenchSettings

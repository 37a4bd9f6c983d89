#include "ProgramInfo.h"

#include "AppSettings.h"

ProgramInfo ProgramInfo::fromSettings(const AppSettings& settings)
{
    ProgramInfo info;
    info.title = settings.AppTitle;
    info.deviceModel = settings.DeviceModel;
    info.fileDescription = settings.FileDescription;
    info.productName = settings.ProductName;
    info.versionMajor = settings.VersionMajor;
    info.versionMinor = settings.VersionMinor;
    info.versionRevision = settings.VersionRevision;
    info.legalCopyright = QStringLiteral("Copyright (C) Rimtal Audio. All rights reserved.");
    info.companyName = QStringLiteral("Rimtal Audio");
    info.comments = QStringLiteral("Configuration editor for the ZEL/MOR control units");
    info.webAddress = QStringLiteral("https://www.rimtal-audio.example");
    return info;
}

QString ProgramInfo::versionText() const
{
    return QStringLiteral("%1.%2.%3").arg(versionMajor).arg(versionMinor).arg(versionRevision);
}

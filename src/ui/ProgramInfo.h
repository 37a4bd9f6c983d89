#pragma once

#include <QString>

struct AppSettings;

// What the about window tells about the program.
struct ProgramInfo
{
    QString title;
    QString deviceModel;
    QString fileDescription;
    QString productName;
    int versionMajor = 0;
    int versionMinor = 0;
    int versionRevision = 0;
    QString legalCopyright;
    QString companyName;
    QString legalTrademarks;
    QString comments;
    QString webAddress;

    // The run's names and version with the maker's fixed texts.
    static ProgramInfo fromSettings(const AppSettings& settings);
    // "1.2.3"
    QString versionText() const;
};

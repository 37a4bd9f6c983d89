#pragma once

#include <QString>

// A page's texts from its language section of the settings file ("TabStrip_Name_"
// + language and the like). Missing keys give the defaults of the key scheme.
class PageTexts
{
public:
    PageTexts(QString settingsFile, QString section);

    QString read(const QString& key, const QString& defaultText) const;
    const QString& section() const { return m_section; }

    // The last two characters of "00" + n: 1 gives "01", 12 gives "12".
    static QString twoDigits(int n);
    // "Part01." + name for part 1, and so on.
    static QString partKey(int part, const QString& name);

private:
    QString m_settingsFile;
    QString m_section;
};

#include "ChannelDefinitions.h"

#include "AppSettings.h"
#include "Helpers.h"
#include "SettingsFile.h"

namespace {

struct Location
{
    QString file;
    QString section;
};

// A definition file named in "Main" lies in the program folder and takes the
// shorter section name; otherwise the lists live in the settings file itself.
Location locate(const AppSettings& settings, const QString& fileKey, const QString& fileSection,
                const QString& ownSection)
{
    const QString definitionFile =
        ReadSetting(settings.SettingsFile, QStringLiteral("Main"), fileKey, QString());
    if (definitionFile.isEmpty())
        return {settings.SettingsFile, ownSection};
    return {settings.inProgramFolder(definitionFile), fileSection};
}

struct Section
{
    QStringList keys;
    QStringList values;
};

Section readSection(const Location& where)
{
    Section section;
    if (!ReadSectionKeys(where.file, where.section, section.keys, &section.values))
        return {};
    return section;
}

} // namespace

EntryList ReadGpioList(const AppSettings& settings, GpioKind kind)
{
    const QString kindName = kind == GpioKind::Input ? QStringLiteral("Input") : QStringLiteral("Output");
    const Section section = readSection(
        locate(settings, QStringLiteral("GPIO_") + kindName + QStringLiteral("_DataDef"),
               QStringLiteral("Data_") + settings.Language,
               QStringLiteral("GPIO_") + kindName + QStringLiteral("_Data_") + settings.Language));
    EntryList list;
    list.reserve(section.keys.size());
    for (qsizetype i = 0; i < section.keys.size(); ++i)
        list.append({section.keys.at(i) + QLatin1Char('|') + section.values.value(i), int(i) + 100});
    return list;
}

void FillGpioLists(const AppSettings& settings, std::array<EntryList, 2>& lists)
{
    if (lists[0].isEmpty())
        lists[0] = ReadGpioList(settings, GpioKind::Input);
    if (lists[1].isEmpty())
        lists[1] = ReadGpioList(settings, GpioKind::Output);
}

GpioEntryFields SplitGpioEntry(const QString& entryText)
{
    const qsizetype bar = entryText.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {entryText.trimmed(), QString()};
    return {entryText.left(bar).trimmed(), entryText.mid(bar + 1).trimmed()};
}

EntryList ReadChannelList(const AppSettings& settings, const QString& listName, int offset)
{
    const QString suffix = listName + QLatin1Char('_') + settings.Language;
    const Section section =
        readSection(locate(settings, QStringLiteral("IO_Channel_DataDef"), QStringLiteral("Data_") + suffix,
                           QStringLiteral("IO_Channel_Data_") + suffix));
    EntryList list;
    list.reserve(section.keys.size());
    for (qsizetype i = 0; i < section.keys.size(); ++i)
        list.append({section.values.value(i), LeadingNumber(section.keys.at(i)) + offset});
    return list;
}

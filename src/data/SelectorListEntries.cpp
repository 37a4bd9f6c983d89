#include "SelectorListEntries.h"

#include "AppSettings.h"
#include "ChannelDefinitions.h"
#include "MessageTexts.h"
#include "SelectorLists.h"
#include "SettingsFile.h"

#include <algorithm>

EntryList EsamFrameEntries()
{
    return {{QStringLiteral("25 frames"), 25}, {QStringLiteral("30 frames"), 30}};
}

EntryList EsamChannelEntries(MessageTexts& messages)
{
    // Four channels carry code 1, not 4: that is what the device expects.
    return {{messages.get(QStringLiteral("TwoChannels")), 2},
            {messages.get(QStringLiteral("FourChannels")), 1}};
}

QStringList SnapshotSlotLabels(const AppSettings& settings)
{
    const QString section = QStringLiteral("TabStrip_SnapShot_") + settings.Language;
    QStringList labels;
    for (int i = 1; i <= 8; ++i) {
        const QString key = QStringLiteral("Part01.Label%1").arg(i, 2, 10, QLatin1Char('0'));
        labels.append(ReadSetting(settings.SettingsFile, section, key, key));
    }
    return labels;
}

EntryList StartUpConfEntries(MessageTexts& messages, const QStringList& slotLabels)
{
    EntryList entries{{messages.get(QStringLiteral("StartUpConf_Temp")), 0}};
    for (qsizetype i = 0; i < slotLabels.size(); ++i)
        entries.append({slotLabels.at(i), int(i) + 1});
    return entries;
}

SelectorLists ReadSelectorLists(const AppSettings& settings, MessageTexts& messages)
{
    SelectorLists lists;
    for (int part = 1; part <= SelectorLists::Parts; ++part) {
        const int count =
            std::clamp<int>(settings.CountOutput.at(part - 1), 0, SelectorLists::OutputsPerPart);
        if (count == 0)
            continue;
        const ChannelListName& def = kOutputPickoffLists.at(part - 1);
        const EntryList entries = ReadChannelList(settings, QString(def.name), def.offset);
        for (int i = 0; i < count; ++i)
            lists.cmbAbgriffOutput[part - 1][i] = entries;
    }
    lists.cmbKanal = ReadChannelList(settings, QString(kMonitorChannelList.name), kMonitorChannelList.offset);
    lists.cmbAbgriffPeak.fill(
        ReadChannelList(settings, QString(kMonitorPeakList.name), kMonitorPeakList.offset));
    lists.cmbExtMon.fill(ReadChannelList(settings, QString(kMonitorKeyList.name), kMonitorKeyList.offset));
    lists.cmbFrames = EsamFrameEntries();
    lists.cmbChannels = EsamChannelEntries(messages);
    lists.cmbStartUpConf = StartUpConfEntries(messages, SnapshotSlotLabels(settings));
    FillGpioLists(settings, lists.lstData);
    return lists;
}

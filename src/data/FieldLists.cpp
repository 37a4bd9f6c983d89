#include "FieldLists.h"

#include "ChannelDefinitions.h"
#include "DataSetField.h"
#include "SelectorLists.h"

FieldList ListOfField(const DataSetField& field, const SelectorLists& lists)
{
    if (field.kind() != FieldKind::ListPosition)
        return {};
    const QLatin1StringView family = field.family();
    const int k = field.position() - 1;
    if (family == QLatin1String("OutputPickoff"))
        return {&lists.cmbAbgriffOutput.at(field.part() - 1).at(k),
                QString(kOutputPickoffLists.at(field.part() - 1).name)};
    if (family == QLatin1String("MonChannel"))
        return {&lists.cmbKanal, QString(kMonitorChannelList.name)};
    if (family == QLatin1String("PeakPickoff"))
        return {&lists.cmbAbgriffPeak.at(k), QString(kMonitorPeakList.name)};
    if (family == QLatin1String("ExtMon"))
        return {&lists.cmbExtMon.at(k), QString(kMonitorKeyList.name)};
    if (family == QLatin1String("EsamFrames"))
        return {&lists.cmbFrames, QStringLiteral("frames")};
    if (family == QLatin1String("EsamChannels"))
        return {&lists.cmbChannels, QStringLiteral("channels")};
    if (family == QLatin1String("StartUpConf"))
        return {&lists.cmbStartUpConf, QStringLiteral("start-up configuration")};
    return {};
}

const ListEntry* EntryAt(const FieldList& list, int position)
{
    if (!list.entries || position < 0 || position >= list.entries->size())
        return nullptr;
    return &list.entries->at(position);
}

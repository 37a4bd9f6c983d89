#include "ConfigTransfer.h"

#include "AppSettings.h"
#include "BlankNames.h"
#include "ConfigFiles.h"
#include "ConfigPaths.h"
#include "DataContext.h"
#include "Helpers.h"
#include "LinkChecksum.h"
#include "LinkCommands.h"
#include "LinkRequests.h"
#include "MessageTexts.h"
#include "SerialLink.h"
#include "TransferEncoding.h"
#include "UserInterface.h"

QString ConfigKindCode(int index)
{
    return index >= 0 && index <= 8 ? QString::number(30 + index) : QString();
}

int ConfigIndexFromCode(const QString& kind)
{
    if (kind.size() != 2 || kind.at(0) != QLatin1Char('3') || kind.at(1) < QLatin1Char('0') ||
        kind.at(1) > QLatin1Char('8'))
        return 255;
    return kind.at(1).unicode() - '0';
}

ConfigTransfer::ConfigTransfer(DataContext& data, SerialLink& link, LinkCommands& commands,
                               const SelectorLists& lists)
    : m_data(data), m_link(link), m_commands(commands), m_lists(lists)
{
}

QString ConfigTransfer::proposedPath(int index) const
{
    const AppSettings& s = m_data.app.settings;
    return s.inFilesFolder(QStringLiteral("%1 %2.%3")
                                 .arg(s.ProgramFileName)
                                 .arg(index, 2, 10, QLatin1Char('0'))
                                 .arg(index == 0 ? QStringLiteral("CNG") : QStringLiteral("CNS")));
}

QString ConfigTransfer::SendConfig(int index)
{
    const QString kind = ConfigKindCode(index);
    if (kind.isEmpty())
        return QStringLiteral("no configuration index %1").arg(index);
    AppContext& ctx = m_data.app;
    ConfigurationData& data = m_data.data;
    const SerialLink::Operation running(m_link);

    CheckBlankNames(m_data, true);
    ctx.ui.pagesToDataSet();

    FixedText<255>& file = index == 0 ? data.Current.ConfigGroupFile : data.Current.ConfigFile[index - 1];
    QString path = ConfigFieldPath(file);
    if (path.isEmpty())
        path = proposedPath(index);
    if (!ReadConfigFile(m_data, path, index != 0))
        return {};
    file.set(path);
    ctx.ui.dataSetToPages();

    const int first = index == 0 ? 1 : index;
    const int last = index == 0 ? 8 : index;
    for (int r = first; r <= last; ++r) {
        if (index == 0)
            data.ConfigSingle = data.ConfigGroup[r - 1];
        const DataExchangeFrame frame = PrepareDataExchange(m_data, m_lists, ConfigKindCode(r));
        if (!frame.ok())
            return frame.error;
        m_commands.setSentChecksum(LinkChecksum(frame.payload()));
        ExchangeFrame(ctx, m_link, frame.frame, QStringLiteral("TransmitData_Send"), QStringLiteral("86"));
        // The answer is interpreted during the pause, at the latest right after it and
        // before the next record's checksum replaces this one's. A failed record does
        // not stop the rest.
        if (index == 0) {
            WaitMilliseconds(PauseBetweenRecordsMs);
            m_link.DeliverPendingFrames();
        }
    }
    return {};
}

void ConfigTransfer::RequestConfig(int index)
{
    const QString kind = ConfigKindCode(index);
    if (kind.isEmpty())
        return;
    AppContext& ctx = m_data.app;
    const SerialLink::Operation running(m_link);
    ConfigCollection& collect = m_commands.collection();
    collect = ConfigCollection{};

    if (index == 0) {
        ctx.ui.pagesToDataSet();
        const QString path = SelectConfigFile(m_data, ConfigFieldPath(m_data.data.Current.ConfigGroupFile),
                                              ConfigDialogMode::Save, false);
        if (path.isEmpty())
            return;
        // The group file's field takes the path once the eighth record has been written there.
        collect.CollectPath = path;
        collect.CollectingConfigs = true;
        collect.CollectCount = 0;
    }

    ExchangeFrame(ctx, m_link, DataRequestFrame(kind), QStringLiteral("TransmitConfig_Request"),
                  QStringLiteral("85"));
}

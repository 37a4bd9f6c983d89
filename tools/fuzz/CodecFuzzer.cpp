// Feeds arbitrary payloads to the transfer decoder. The first input byte picks the
// layout, the collecting state and whether the rest goes in as it is (any bytes a
// device might send) or as hex digits of a well-formed kind "20", "3n" or "30"
// payload. A data set that decoded and encodes again must decode to itself.

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "Clock.h"
#include "ConfigCollection.h"
#include "DataSet.h"
#include "DecoderOperations.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "SelectorLists.h"
#include "TransferDecoding.h"
#include "TransferEncoding.h"
#include "UserInterface.h"

#include <cstdint>
#include <cstdlib>

namespace {

class QuietUserInterface final : public UserInterface
{
public:
    void messageBox(MessageIcon, const QString&, const QString&) override {}
    bool askYesNo(MessageIcon, const QString&, const QString&) override { return false; }
    QString mainWindowCaption() const override { return {}; }
    void setStatusLine(const QString&, const QString&) override {}
    void setBusy(bool) override {}
    void focusTabStrip() override {}
    QString saveFileDialog(const FileDialogRequest&) override { return {}; }
    QString openFileDialog(const FileDialogRequest&) override { return {}; }
    void pagesToDataSet() override {}
    void dataSetToPages() override {}
    void showTransferDialog(const QString&, std::function<void()>) override {}
    void hideTransferDialog() override {}
};

class ResetOnly final : public DecoderOperations
{
public:
    explicit ResetOnly(ConfigurationData& data) : m_data(data) {}
    void resetDataSet() override { m_data.Current = m_data.Reset; }
    void checkBlankNames() override {}
    void writeConfigFile(QString&, bool, bool) override {}

private:
    ConfigurationData& m_data;
};

struct Layout
{
    qint16 textLen;
    qint16 faders;
    std::array<qint16, 5> inputs;
    std::array<qint16, 5> outputs;
};

constexpr Layout kLayouts[] = {
    {8, 16, {12, 4, 4, 4, 8}, {4, 4, 4, 4, 4}},
    {2, 2, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
    {16, 16, {64, 0, 0, 0, 0}, {0, 0, 0, 0, 64}},
    {4, 6, {2, 0, 2, 0, 2}, {2, 2, 0, 0, 2}},
};

EntryList numbered(int firstCode, int count)
{
    EntryList list;
    for (int i = 0; i < count; ++i)
        list.append({QStringLiteral("E%1").arg(i), firstCode + i});
    return list;
}

// Unique codes in every list, so that a code found once is found again; one
// definition whose text starts with no number.
SelectorLists makeLists()
{
    SelectorLists l;
    for (auto& part : l.cmbAbgriffOutput)
        part.fill(numbered(10000, 12));
    l.cmbKanal = numbered(11000, 6);
    l.cmbAbgriffPeak.fill(numbered(12000, 6));
    l.cmbExtMon.fill(numbered(13000, 6));
    l.cmbFrames = {{QStringLiteral("25"), 25}, {QStringLiteral("30"), 30}};
    l.cmbChannels = {{QStringLiteral("2"), 2}, {QStringLiteral("4"), 1}};
    l.cmbStartUpConf = numbered(0, 9);
    for (int k = 0; k < 8; ++k)
        l.lstData[0].append({QStringLiteral("%1|IN").arg(k + 1), 100 + k});
    l.lstData[0].append({QStringLiteral("x|NONE"), 108});
    for (int k = 0; k < 16; ++k)
        l.lstData[1].append({QStringLiteral("%1|OUT").arg(3 * k), 100 + k});
    return l;
}

class NullClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 1, 1), QTime(0, 0)); }
    qint64 tickMs() const override { return 0; }
};

struct Run
{
    Run() : messages(QStringLiteral("/nonexistent/fuzz.Ini"), QStringLiteral("GER")), log(clock, {}, {}, true)
    {
        log.setToFileDisabled(true);
        log.setToScreenDisabled(true);
    }
    NullClock clock;
    AppSettings settings;
    MessageTexts messages;
    AppLog log;
    QuietUserInterface ui;
    const SelectorLists lists = makeLists();
};

QByteArray hexOf(const uint8_t* data, size_t size)
{
    QString hex;
    for (size_t i = 0; i < size; ++i)
        hex += HexByte(data[i]);
    return hex.toLatin1();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Run run;
    if (size == 0)
        return 0;
    const uint8_t control = data[0];
    const Layout& layout = kLayouts[control & 3];
    run.settings.TextLenInput = layout.textLen;
    run.settings.Layer_NumFaders = layout.faders;
    run.settings.CountInput = layout.inputs;
    run.settings.CountOutput = layout.outputs;
    run.settings.InitDone = control & 4;
    AppContext app{run.settings, run.messages, run.log, run.ui, run.clock};

    ConfigurationData records;
    ConfigCollection collect;
    if (control & 8)
        collect = {true, (control >> 4) & 7, QStringLiteral("all.CNG")};
    ResetOnly operations(records);

    QByteArray payload;
    if (control & 0x80) {
        static const char* const kinds[] = {"20", "31", "30", "20"};
        payload = QByteArray(kinds[(control >> 5) & 3]) + hexOf(data + 1, size - 1);
    } else {
        payload = QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    }

    const bool decoded = InterpretHexData(app, records, run.lists, collect, operations, payload);
    if (!decoded || !payload.startsWith("20"))
        return 0;

    const DataExchangeFrame again = PrepareDataExchange(app, records, run.lists, QStringLiteral("20"));
    if (!again.ok())
        return 0;
    ConfigurationData second;
    ResetOnly secondOperations(second);
    if (!InterpretHexData(app, second, run.lists, collect, secondOperations, again.payload()))
        std::abort();
    if (!(second.Current == records.Current))
        std::abort();
    return 0;
}

// Feeds arbitrary payloads to the transfer decoder and arbitrary status text
// contents to ReadStatusTextBlock. The first input byte picks the target, the
// layout and the collecting state, and whether the rest goes in as it is (any bytes
// a device might send) or as hex digits (well-formed "20", "3n", "30" payloads and
// status text lists). Without the blank-name check of a finished start-up, a
// data set that decoded and encodes again must decode to itself.

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "Clock.h"
#include "ConfigCollection.h"
#include "DataContext.h"
#include "DataSet.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "SelectorLists.h"
#include "StatusTexts.h"
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
    bool dataSetToPages() override { return true; }
    void showTransferDialog(const QString&, std::function<void()>) override {}
    void hideTransferDialog() override {}
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

enum Target
{
    RawPayload,
    HexPayload,
    RawStatusTexts,
    HexStatusTexts
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Run run;
    if (size == 0)
        return 0;
    const uint8_t control = data[0];
    const auto target = static_cast<Target>(control & 3);
    const Layout& layout = kLayouts[(control >> 2) & 3];
    run.settings.TextLenInput = layout.textLen;
    run.settings.Layer_NumFaders = layout.faders;
    run.settings.CountInput = layout.inputs;
    run.settings.CountOutput = layout.outputs;
    run.settings.InitDone = control & 0x10;
    AppContext app{run.settings, run.messages, run.log, run.ui, run.clock};
    ConfigurationData records;
    DataContext ctx{app, records, nullptr};

    const bool hex = target == HexPayload || target == HexStatusTexts;
    const QByteArray rest = hex ? hexOf(data + 1, size - 1)
                                : QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (target == RawStatusTexts || target == HexStatusTexts) {
        ReadStatusTextBlock(ctx, QString::fromLatin1(rest));
        return 0;
    }

    ConfigCollection collect;
    if (control & 0x20) // the group file cannot be written: its failure path runs instead
        collect = {true, 2 * (control >> 6), QStringLiteral("/nonexistent/all.CNG")};
    static const char* const kinds[] = {"20", "31", "30", "20"};
    const QByteArray payload = target == HexPayload ? QByteArray(kinds[control >> 6]) + rest : rest;

    // After start-up the blank-name check may put reset-image names in, which no
    // payload carries; the round trip holds for the decoding alone.
    if (!InterpretHexData(ctx, run.lists, collect, payload) || !payload.startsWith("20") ||
        run.settings.InitDone)
        return 0;
    const DataExchangeFrame again = PrepareDataExchange(ctx, run.lists, QStringLiteral("20"));
    if (!again.ok())
        return 0;
    ConfigurationData second;
    DataContext secondCtx{app, second, nullptr};
    if (!InterpretHexData(secondCtx, run.lists, collect, again.payload()))
        std::abort();
    if (!(second.Current == records.Current))
        std::abort();
    return 0;
}

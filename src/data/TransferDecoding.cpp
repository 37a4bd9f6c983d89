#include "TransferDecoding.h"

#include "AppLog.h"
#include "AppSettings.h"
#include "BlankNames.h"
#include "ChannelNumbers.h"
#include "ConfigCollection.h"
#include "ConfigFiles.h"
#include "ConfigPaths.h"
#include "DataContext.h"
#include "DataReset.h"
#include "DataSet.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "PayloadReader.h"
#include "SelectorLists.h"
#include "TransferKinds.h"
#include "TransferLayout.h"
#include "UserInterface.h"

namespace {

constexpr int RecordLength = 1024;

QByteArray withoutTrailingBlanks(QByteArray raw)
{
    qsizetype end = raw.size();
    while (end > 0 && raw.at(end - 1) == ' ')
        --end;
    raw.truncate(end);
    return raw;
}

template <int N> bool readText(PayloadReader& r, int length, FixedText<N>& field)
{
    const QByteArray raw = r.bytes(length);
    if (!r.ok())
        return false;
    field.setBytes(withoutTrailingBlanks(raw));
    return true;
}

// One byte naming the member that is set; any other value clears the group.
template <std::size_t N> bool readOneOfN(PayloadReader& r, std::array<qint16, N>& group)
{
    const int member = r.byte();
    if (!r.ok())
        return false;
    for (std::size_t m = 0; m < N; ++m)
        group[m] = static_cast<int>(m) + 1 == member ? 1 : 0;
    return true;
}

// The list position of the entry carrying the code read (16-bit plus base, or one
// byte when base is 0); no such entry leaves the field as it is.
bool readPosition(PayloadReader& r, int base, const EntryList& list, qint16& field)
{
    const int code = base == 0 ? r.byte() : r.code(base);
    if (!r.ok())
        return false;
    const int position = PositionOfItem(list, code);
    if (position >= 0)
        field = static_cast<qint16>(position);
    return true;
}

// A channel number back to the code of its definition; 0 clears the assignment.
bool readChannel(PayloadReader& r, const EntryList& definitions, qint16& field)
{
    const int channel = r.word();
    if (!r.ok())
        return false;
    if (channel < 1) {
        field = 0;
    } else if (const std::optional<int> code = ChannelCodeOf(definitions, channel)) {
        field = static_cast<qint16>(*code);
    }
    return true;
}

bool readFlags(PayloadReader& r, std::array<qint16, 8>& flags)
{
    const int bits = r.byte();
    if (!r.ok())
        return false;
    for (int k = 0; k < 8; ++k)
        flags[k] = TestBit(bits, k) ? 1 : 0;
    return true;
}

bool readDataSet(PayloadReader& r, const TransferLayout& layout, const SelectorLists& lists, DataSet& d)
{
    for (int p = 0; p < 5; ++p) {
        for (int n = 0; n < layout.countInput[p]; ++n) {
            if (!readText(r, layout.textLen, d.InputName[p][n]))
                return false;
        }
    }
    r.skip(layout.textLen * (TransferLayout::Slots - layout.inputsInUse()));

    for (int n = 0; n < layout.faders / 2; ++n) {
        for (auto& layer : d.LayerAssign) {
            const int value = r.word();
            if (!r.ok())
                return false;
            layer[n] = static_cast<qint16>(value);
        }
    }

    for (int p = 0; p < 5; ++p) {
        for (int n = 0; n < layout.countOutput[p]; ++n) {
            if (!readPosition(r, 10000, lists.cmbAbgriffOutput[p][n], d.OutputPickoff[p][n]))
                return false;
        }
    }
    r.skip(2 * (TransferLayout::Slots - layout.outputsInUse()));

    if (!readOneOfN(r, d.MonMode) || !readPosition(r, 11000, lists.cmbKanal, d.MonChannel) ||
        !readOneOfN(r, d.MonPickoff))
        return false;
    for (int k = 0; k < 2; ++k) {
        if (!readPosition(r, 12000, lists.cmbAbgriffPeak[k], d.PeakPickoff[k]))
            return false;
    }
    for (int k = 0; k < 4; ++k) {
        if (!readPosition(r, 13000, lists.cmbExtMon[k], d.ExtMon[k]))
            return false;
    }

    r.byte(); // the sender's GPIO options mode; the receiver keeps its own
    for (int k = 0; k < 8; ++k) {
        if (!readChannel(r, lists.lstData[0], d.GpioInput[k]))
            return false;
    }
    for (int k = 0; k < 16; ++k) {
        if (!readChannel(r, lists.lstData[1], d.GpioOutput[k]))
            return false;
    }

    if (!readOneOfN(r, d.ControlMode))
        return false;
    for (int k = 0; k < 9; ++k) {
        const int first = r.word();
        if (!r.ok())
            return false;
        d.VTRSource1[k] = static_cast<qint16>(first);
        const int second = r.word();
        if (!r.ok())
            return false;
        d.VTRSource2[k] = static_cast<qint16>(second);
    }
    if (!readPosition(r, 0, lists.cmbFrames, d.EsamFrames) ||
        !readPosition(r, 0, lists.cmbChannels, d.EsamChannels))
        return false;

    for (auto& name : d.ConfigName) {
        if (!readText(r, 8, name))
            return false;
    }
    if (!readFlags(r, d.ConfigFlag1) || !readFlags(r, d.ConfigFlag2) ||
        !readPosition(r, 0, lists.cmbStartUpConf, d.StartUpConf))
        return false;

    for (int k = 0; k < 9; ++k) {
        if (!readChannel(r, lists.lstData[0], d.FaderBoxInput[k]))
            return false;
    }
    for (int k = 0; k < 9; ++k) {
        if (!readChannel(r, lists.lstData[1], d.FaderBoxOutput[k]))
            return false;
    }
    return true;
}

void restoreConfigPaths(DataSet& d, const DataSet& from)
{
    d.ConfigFile = from.ConfigFile;
    d.ConfigGroupFile = from.ConfigGroupFile;
}

// What became of a payload: `error` says why its decoding failed; not `stored`
// without an error means the failure was reported already (a file that could not
// be written).
struct Received
{
    bool stored = true;
    QString error;
};

// The characters of the payload after the kind byte, as far as `length` reaches.
QString payloadText(const QByteArray& payload, int length)
{
    return HexToText(QString::fromLatin1(payload.mid(2, 2 * qsizetype(length))));
}

Received receiveDataSet(DataContext& ctx, const SelectorLists& lists, const QByteArray& payload)
{
    const TransferLayout layout = TransferLayout::fromSettings(ctx.app.settings);
    const QString problem = layout.problem();
    if (!problem.isEmpty())
        return {false, problem};
    // Decoded into a copy of the reset image and taken over only when the whole
    // payload could be read: a damaged frame leaves the data set and the pages alone.
    DataSet decoded = ctx.data.Reset;
    // The configuration file paths are the user's, not the device's.
    restoreConfigPaths(decoded, ctx.data.Current);
    const QString error = DecodeDataSetPayload(payload, layout, lists, decoded);
    if (!error.isEmpty())
        return {false, error};
    ResetDataSet(ctx, false, false);
    ctx.data.Current = decoded;
    UserInterface& ui = ctx.app.ui;
    ui.dataSetToPages();
    if (ctx.app.settings.InitDone) {
        ui.pagesToDataSet();
        CheckBlankNames(ctx);
        ui.dataSetToPages();
    }
    return {};
}

enum class Stored
{
    Written,
    Cancelled, // the user chose not to keep the records
    Failed,    // the file could not be written, and the user gave up
};

// Writes the received records. A file that cannot be written is reported by
// WriteConfigFile and the save dialog comes again, so the records are not lost
// until the user cancels it. `path` becomes the file written.
Stored storeRecords(DataContext& ctx, QString& path, bool single, bool ask)
{
    QString target = path;
    for (bool failed = false;; failed = true, ask = true) {
        if (ask) {
            target = SelectConfigFile(ctx, target, ConfigDialogMode::Save, single);
            if (target.isEmpty())
                return failed ? Stored::Failed : Stored::Cancelled;
        }
        if (WriteConfigFile(ctx, target, single, false)) {
            path = target;
            return Stored::Written;
        }
    }
}

Received receiveRecord(DataContext& ctx, ConfigCollection& collect, const QByteArray& payload,
                       int recordNumber)
{
    ConfigurationData& data = ctx.data;
    ctx.app.ui.pagesToDataSet();
    const QString text = payloadText(payload, RecordLength);
    Stored stored = Stored::Written;
    if (collect.CollectingConfigs) {
        // Records are placed in the order they arrive; the kind's digit is not used.
        if (collect.CollectCount < 0 || collect.CollectCount >= 8)
            return {
                false,
                QStringLiteral("record count %1 outside 0..7 while collecting").arg(collect.CollectCount)};
        data.ConfigGroup[collect.CollectCount++].set(text);
        if (collect.CollectCount == 8) {
            QString path = collect.CollectPath;
            stored = storeRecords(ctx, path, false, false);
            if (stored == Stored::Written)
                data.Current.ConfigGroupFile.set(path);
            collect = ConfigCollection{};
        }
    } else {
        data.ConfigSingle.set(text);
        FixedText<255>& file = data.Current.ConfigFile[recordNumber - 1];
        QString path = ConfigFieldPath(file);
        stored = storeRecords(ctx, path, true, true);
        if (stored == Stored::Written)
            file.set(path);
    }
    ctx.app.ui.dataSetToPages();
    return {stored != Stored::Failed, {}};
}

Received receiveAllRecords(DataContext& ctx, const QByteArray& payload)
{
    ConfigurationData& data = ctx.data;
    const QString text = payloadText(payload, 8 * RecordLength);
    for (int r = 0; r < 8; ++r)
        data.ConfigGroup[r].set(text.mid(qsizetype(r) * RecordLength, RecordLength));
    ctx.app.ui.pagesToDataSet();
    QString path = ConfigFieldPath(data.Current.ConfigGroupFile);
    const Stored stored = storeRecords(ctx, path, false, true);
    if (stored == Stored::Written)
        data.Current.ConfigGroupFile.set(path);
    ctx.app.ui.dataSetToPages();
    return {stored != Stored::Failed, {}};
}

} // namespace

QString DecodeDataSetPayload(const QByteArray& payload, const TransferLayout& layout,
                             const SelectorLists& lists, DataSet& target)
{
    PayloadReader reader(payload, 3); // after the kind and the two version bytes
    if (!readDataSet(reader, layout, lists, target))
        return reader.error();
    // Digits left over come from a device set up for other counts (more faders,
    // longer names): everything after the names would sit in the wrong fields.
    if (reader.position() < payload.size())
        return QStringLiteral("Payload too long: %1 digits, the counts give %2")
            .arg(payload.size())
            .arg(reader.position());
    return {};
}

bool InterpretHexData(DataContext& ctx, const SelectorLists& lists, ConfigCollection& collect,
                      const QByteArray& payload, QString* failure)
{
    ctx.app.ui.setBusy(true);
    const QString kind = QString::fromLatin1(payload.left(2));

    Received received{true, FirstNonHexDigit(payload)};
    if (!received.error.isEmpty())
        received.stored = false;
    else if (kind == TransferKinds::DataSet)
        received = receiveDataSet(ctx, lists, payload);
    else if (const int n = TransferKinds::recordNumber(kind))
        received = receiveRecord(ctx, collect, payload, n);
    else if (kind == TransferKinds::AllRecords)
        received = receiveAllRecords(ctx, payload);
    if (received.stored)
        return true;

    if (!received.error.isEmpty()) {
        const QString text =
            FormatMessage(ctx.app.messages.get(QStringLiteral("Interpret_HexData_Err")), received.error);
        ctx.app.log.WriteLog(QStringLiteral("  ") + text);
        if (failure)
            *failure = text;
    }
    ctx.app.ui.setBusy(false);
    return false;
}

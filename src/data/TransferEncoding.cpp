#include "TransferEncoding.h"

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "ChannelNumbers.h"
#include "DataContext.h"
#include "DataSet.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "SafeFile.h"
#include "SelectorLists.h"
#include "TransferKinds.h"
#include "TransferLayout.h"
#include "UserInterface.h"

namespace {

// Appends payload bytes as two upper-case hex digits each. The first failure is
// kept; the caller drops the payload then.
class PayloadWriter
{
public:
    void byte(int value, const QString& field)
    {
        if (value < 0 || value > 255)
            return fail(QStringLiteral("%1: %2 does not fit in one byte").arg(field).arg(value));
        m_digits += HexByte(value);
    }
    // High byte first; negative values go out in two's complement.
    void word(int value)
    {
        m_digits += HexByte(HighByte(value));
        m_digits += HexByte(LowByte(value));
    }
    void text(const QByteArray& raw)
    {
        for (char c : raw)
            m_digits += HexByte(static_cast<unsigned char>(c));
    }
    void digits(QLatin1StringView hex) { m_digits += hex; }

    // The item code of the entry at a stored list position: reduced modulo the
    // group's base into a 16-bit field, or unreduced into one byte when base is 0.
    // Position -1 (nothing chosen, as an empty list leaves it) sends 0, so a data
    // set whose device lacks a list can still be sent.
    void itemCode(const EntryList& list, int position, int base, const QString& field)
    {
        if (position == -1)
            return base == 0 ? byte(0, field) : word(0);
        if (position < 0 || position >= list.size())
            return fail(QStringLiteral("%1: list position %2 does not exist").arg(field).arg(position));
        const int code = list.at(position).itemData;
        if (base == 0)
            byte(code, field);
        else
            word(code % base);
    }
    void channel(const EntryList& definitions, int code, const QString& field)
    {
        const std::optional<int> number = ChannelNumberOf(definitions, code);
        if (!number)
            return fail(QStringLiteral("%1: the definition of code %2 does not start with an integer")
                            .arg(field)
                            .arg(code));
        word(*number);
    }

    void fail(const QString& why)
    {
        if (m_error.isEmpty())
            m_error = why;
    }
    const QString& error() const { return m_error; }
    QByteArray payload() const { return m_digits.toLatin1(); }

private:
    QString m_digits;
    QString m_error;
};

QString indexed(const char* field, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(field)).arg(i);
}

// The number of the first member that is exactly 1; 0 when none is, which the
// receiver reads as no member set and which keeps the following fields in place.
template <std::size_t N> int firstSet(const std::array<qint16, N>& group)
{
    for (std::size_t m = 0; m < N; ++m) {
        if (group[m] == 1)
            return static_cast<int>(m) + 1;
    }
    return 0;
}

int flagBits(const std::array<qint16, 8>& flags)
{
    int bits = 0;
    for (int k = 0; k < 8; ++k) {
        if (flags[k] == 1)
            bits = SetBit(bits, k);
    }
    return bits;
}

void appendDataSet(PayloadWriter& w, const DataSet& d, const SelectorLists& lists,
                   const TransferLayout& layout, int gpioOptionsMode)
{
    const QString problem = layout.problem();
    if (!problem.isEmpty())
        return w.fail(problem);

    w.digits(TransferKinds::DataSet);
    w.byte(2, QStringLiteral("version")); // data-set version 2.1
    w.byte(1, QStringLiteral("version"));

    for (int p = 0; p < 5; ++p) {
        for (int n = 0; n < layout.countInput[p]; ++n)
            w.text(d.InputName[p][n].raw().left(layout.textLen));
    }
    w.text(QByteArray(layout.textLen * (TransferLayout::Slots - layout.inputsInUse()), ' '));

    for (int n = 0; n < layout.faders / 2; ++n) {
        for (const auto& layer : d.LayerAssign)
            w.word(layer[n]);
    }

    for (int p = 0; p < 5; ++p) {
        for (int n = 0; n < layout.countOutput[p]; ++n)
            w.itemCode(lists.cmbAbgriffOutput[p][n], d.OutputPickoff[p][n], 10000,
                       QStringLiteral("OutputPickoff(%1, %2)").arg(p + 1).arg(n + 1));
    }
    for (int n = layout.outputsInUse(); n < TransferLayout::Slots; ++n)
        w.word(0);

    w.byte(firstSet(d.MonMode), QStringLiteral("MonMode"));
    w.itemCode(lists.cmbKanal, d.MonChannel, 11000, QStringLiteral("MonChannel"));
    w.byte(firstSet(d.MonPickoff), QStringLiteral("MonPickoff"));
    for (int k = 0; k < 2; ++k)
        w.itemCode(lists.cmbAbgriffPeak[k], d.PeakPickoff[k], 12000, indexed("PeakPickoff", k + 1));
    for (int k = 0; k < 4; ++k)
        w.itemCode(lists.cmbExtMon[k], d.ExtMon[k], 13000, indexed("ExtMon", k + 1));

    w.byte(gpioOptionsMode, QStringLiteral("GPIO_Options_Mode"));
    for (int k = 0; k < 8; ++k)
        w.channel(lists.lstData[0], d.GpioInput[k], indexed("GpioInput", k + 1));
    for (int k = 0; k < 16; ++k)
        w.channel(lists.lstData[1], d.GpioOutput[k], indexed("GpioOutput", k + 1));

    w.byte(firstSet(d.ControlMode), QStringLiteral("ControlMode"));
    for (int k = 0; k < 9; ++k) {
        w.word(d.VTRSource1[k]);
        w.word(d.VTRSource2[k]);
    }
    w.itemCode(lists.cmbFrames, d.EsamFrames, 0, QStringLiteral("EsamFrames"));
    w.itemCode(lists.cmbChannels, d.EsamChannels, 0, QStringLiteral("EsamChannels"));

    for (const auto& name : d.ConfigName)
        w.text(name.raw());
    w.byte(flagBits(d.ConfigFlag1), QStringLiteral("ConfigFlag1"));
    w.byte(flagBits(d.ConfigFlag2), QStringLiteral("ConfigFlag2"));
    w.itemCode(lists.cmbStartUpConf, d.StartUpConf, 0, QStringLiteral("StartUpConf"));

    for (int k = 0; k < 9; ++k)
        w.channel(lists.lstData[0], d.FaderBoxInput[k], indexed("FaderBoxInput", k + 1));
    for (int k = 0; k < 9; ++k)
        w.channel(lists.lstData[1], d.FaderBoxOutput[k], indexed("FaderBoxOutput", k + 1));
}

// An all-blank record adds nothing, so it travels as the kind byte alone.
QByteArray recordDigits(const FixedText<1024>& record)
{
    return TextToHex(record.text()).toLatin1();
}

} // namespace

QByteArray EncodeDataSetPayload(const DataSet& data, const TransferLayout& layout, const SelectorLists& lists,
                                int gpioOptionsMode, QString& error)
{
    PayloadWriter w;
    appendDataSet(w, data, lists, layout, gpioOptionsMode);
    error = w.error();
    return error.isEmpty() ? w.payload() : QByteArray();
}

DataExchangeFrame PrepareDataExchange(DataContext& dataContext, const SelectorLists& lists,
                                      const QString& kind)
{
    AppContext& ctx = dataContext.app;
    const ConfigurationData& data = dataContext.data;
    ctx.ui.setBusy(true);
    const QString preparing = ctx.messages.get(QStringLiteral("Preparing_DataExchange"));
    ShowStatus(ctx.ui, preparing);
    ctx.log.WriteLog(QStringLiteral("  ") + preparing);

    DataExchangeFrame result;
    QByteArray payload;
    if (kind == TransferKinds::DataSet) {
        payload = EncodeDataSetPayload(data.Current, TransferLayout::fromSettings(ctx.settings), lists,
                                       ctx.settings.GPIO_Options_Mode, result.error);
    } else if (TransferKinds::recordNumber(kind) > 0) {
        payload = kind.toLatin1() + recordDigits(data.ConfigSingle);
    } else if (kind == TransferKinds::AllRecords) {
        payload = kind.toLatin1();
        for (const auto& record : data.ConfigGroup)
            payload += recordDigits(record);
    }

    if (result.ok()) {
        QString ioError;
        if (ctx.settings.LogHexData &&
            !WriteFileAtomically(ctx.settings.DefaultHexFile, payload + "\r\n\r\n\r\n", &ioError)) {
            result.error = QStringLiteral("%1: %2").arg(ctx.settings.DefaultHexFile, ioError);
        } else {
            result.frame = DataExchangeFrame::StartByte + payload + DataExchangeFrame::EndByte;
        }
    }
    ctx.ui.setBusy(false);
    return result;
}

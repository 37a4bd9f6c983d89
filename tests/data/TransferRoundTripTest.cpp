#include "CodecFixture.h"
#include "TransferDecoding.h"
#include "TransferEncoding.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace {

struct Layout
{
    qint16 textLen;
    qint16 faders;
    std::array<qint16, 5> inputs;
    std::array<qint16, 5> outputs;
};

class Randomiser
{
public:
    explicit Randomiser(quint32 seed) : m_rng(seed) {}

    int below(int n) { return static_cast<int>(m_rng.bounded(n)); }
    int word() { return below(32768); }
    // A name as the names page allows it, trailing blanks included now and then.
    QString name(int maxLen)
    {
        static const QString allowed = QString::fromUtf8(
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 !§$%&/()=?{[]}\\+*#,.-;:_<>|@~");
        QString s;
        const int len = below(maxLen + 1);
        for (int i = 0; i < len; ++i)
            s += allowed.at(below(allowed.size()));
        return s;
    }
    template <std::size_t N> void oneOf(std::array<qint16, N>& group)
    {
        group.fill(0);
        const int m = below(N + 1); // N: none set
        if (m < int(N))
            group[m] = 1;
    }
    // 0 or the code of one of the definitions
    int gpioCode(const EntryList& definitions)
    {
        const int i = below(definitions.size() + 1);
        return i == definitions.size() ? 0 : definitions[i].itemData;
    }

    void shuffle(EntryList& list)
    {
        for (qsizetype i = list.size() - 1; i > 0; --i)
            list.swapItemsAt(i, below(int(i) + 1));
    }
    // Every list in an order of its own, so that mixing up two lists shows.
    SelectorLists shuffled(SelectorLists l)
    {
        for (auto& part : l.cmbAbgriffOutput)
            for (auto& element : part)
                shuffle(element);
        for (EntryList* list : {&l.cmbKanal, &l.cmbFrames, &l.cmbChannels, &l.cmbStartUpConf})
            shuffle(*list);
        for (auto& list : l.cmbAbgriffPeak)
            shuffle(list);
        for (auto& list : l.cmbExtMon)
            shuffle(list);
        for (auto& list : l.lstData)
            shuffle(list);
        return l;
    }

    DataSet dataSet(const SelectorLists& lists)
    {
        DataSet d;
        for (auto& part : d.InputName)
            for (auto& n : part)
                n.set(name(16));
        for (auto& layer : d.LayerAssign)
            for (auto& v : layer)
                v = word();
        for (int p = 0; p < 5; ++p)
            for (int n = 0; n < 64; ++n)
                d.OutputPickoff[p][n] = below(lists.cmbAbgriffOutput[p][n].size());
        oneOf(d.MonMode);
        d.MonChannel = below(lists.cmbKanal.size());
        oneOf(d.MonPickoff);
        for (int k = 0; k < 2; ++k)
            d.PeakPickoff[k] = below(lists.cmbAbgriffPeak[k].size());
        for (int k = 0; k < 4; ++k)
            d.ExtMon[k] = below(lists.cmbExtMon[k].size());
        for (auto& v : d.GpioInput)
            v = gpioCode(lists.lstData[0]);
        for (auto& v : d.GpioOutput)
            v = gpioCode(lists.lstData[1]);
        oneOf(d.ControlMode);
        for (auto& v : d.VTRSource1)
            v = word();
        for (auto& v : d.VTRSource2)
            v = word();
        d.EsamFrames = below(lists.cmbFrames.size());
        d.EsamChannels = below(lists.cmbChannels.size());
        for (auto& v : d.ConfigFlag1)
            v = below(2);
        for (auto& v : d.ConfigFlag2)
            v = below(2);
        for (auto& path : d.ConfigFile)
            path.set(name(40));
        d.ConfigGroupFile.set(name(40));
        d.StartUpConf = below(lists.cmbStartUpConf.size());
        for (auto& n : d.ConfigName)
            n.set(name(8));
        for (auto& v : d.FaderBoxInput)
            v = gpioCode(lists.lstData[0]);
        for (auto& v : d.FaderBoxOutput)
            v = gpioCode(lists.lstData[1]);
        return d;
    }

private:
    QRandomGenerator m_rng;
};

// What the receiver should hold: the reset image with every field the payload
// carries taken from the sent data set, names as the receiver stores them
// (first T characters, trailing blanks removed), and its own file paths.
DataSet expectedAfterReceive(const DataSet& sent, const DataSet& reset, const DataSet& receiverBefore,
                             const Layout& l)
{
    DataSet e = sent;
    e.DataVersion = reset.DataVersion;
    for (int p = 0; p < 5; ++p) {
        for (int n = 0; n < 64; ++n) {
            if (n < l.inputs[p])
                e.InputName[p][n].set(sent.InputName[p][n].text().left(l.textLen));
            else
                e.InputName[p][n] = reset.InputName[p][n];
            if (n >= l.outputs[p])
                e.OutputPickoff[p][n] = reset.OutputPickoff[p][n];
        }
    }
    for (int layer = 0; layer < 8; ++layer)
        for (int n = l.faders / 2; n < 8; ++n)
            e.LayerAssign[layer][n] = reset.LayerAssign[layer][n];
    e.ConfigFile = receiverBefore.ConfigFile;
    e.ConfigGroupFile = receiverBefore.ConfigGroupFile;
    return e;
}

TEST(TransferRoundTrip, EveryCarriedFieldComesBack)
{
    const Layout layouts[] = {
        {8, 16, {12, 4, 4, 4, 8}, {4, 4, 4, 4, 4}},   {2, 2, {2, 2, 0, 2, 2}, {2, 0, 2, 2, 2}},
        {16, 16, {0, 0, 0, 0, 64}, {64, 0, 0, 0, 0}}, {16, 2, {64, 0, 0, 0, 0}, {0, 0, 0, 0, 64}},
        {2, 16, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},    {10, 6, {20, 10, 10, 10, 14}, {6, 8, 10, 12, 14}},
    };
    quint32 seed = 1;
    for (const Layout& l : layouts) {
        for (int round = 0; round < 8; ++round, ++seed) {
            CodecFixture sender;
            CodecFixture receiver;
            for (CodecFixture* side : {&sender, &receiver}) {
                side->settings.TextLenInput = l.textLen;
                side->settings.Layer_NumFaders = l.faders;
                side->settings.CountInput = l.inputs;
                side->settings.CountOutput = l.outputs;
            }
            sender.settings.GPIO_Options_Mode = 3;
            Randomiser random(seed);
            sender.lists = random.shuffled(sender.lists);
            receiver.lists = sender.lists;
            sender.data.Current = random.dataSet(sender.lists);
            receiver.data.Reset = random.dataSet(receiver.lists);
            receiver.data.Current = random.dataSet(receiver.lists);
            const DataSet receiverBefore = receiver.data.Current;

            const DataExchangeFrame built =
                PrepareDataExchange(sender.ctx, sender.lists, QStringLiteral("20"));
            ASSERT_TRUE(built.ok()) << built.error.toStdString();
            ASSERT_TRUE(InterpretHexData(receiver.ctx, receiver.lists, receiver.collect, built.payload()))
                << "seed " << seed;
            EXPECT_EQ(receiver.data.Current,
                      expectedAfterReceive(sender.data.Current, receiver.data.Reset, receiverBefore, l))
                << "seed " << seed;
            EXPECT_EQ(receiver.settings.GPIO_Options_Mode, 1); // the receiver keeps its own mode
        }
    }
}

TEST(TransferRoundTrip, ConfigurationRecordsComeBackWhole)
{
    CodecFixture sender;
    CodecFixture receiver;
    Randomiser random(99);
    QString text;
    for (int i = 0; i < 1024; ++i)
        text += QChar(0x20 + random.below(0xE0)); // includes every Windows-1252 letter range
    sender.data.ConfigSingle.set(text);
    receiver.ui.dialogAnswers = {receiver.folder.file(QStringLiteral("x.CNS"))};
    const DataExchangeFrame built = PrepareDataExchange(sender.ctx, sender.lists, QStringLiteral("34"));
    ASSERT_TRUE(InterpretHexData(receiver.ctx, receiver.lists, receiver.collect, built.payload()));
    EXPECT_EQ(receiver.data.ConfigSingle, sender.data.ConfigSingle);
    EXPECT_EQ(TestFolder::read(receiver.folder.file(QStringLiteral("x.CNS"))),
              sender.data.ConfigSingle.raw());
}

} // namespace

#include "TransferEncoding.h"
#include "CodecFixture.h"
#include "Helpers.h"
#include "LinkChecksum.h"
#include "TransferLayout.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray rep(const char* digits, int times)
{
    return QByteArray(digits).repeated(times);
}

// n blank name slots of 8 characters
QByteArray blankSlots(int n)
{
    return rep("20", 8 * n);
}

class TransferEncodingTest : public ::testing::Test
{
protected:
    TransferEncodingTest()
    {
        DataSet& d = f.data.Current;
        for (auto& part : d.InputName)
            for (auto& name : part)
                name.set(QString());
        for (auto& name : d.ConfigName)
            name.set(QString());
    }

    // A data set with a value of its own in every field of the payload.
    void fillGolden()
    {
        DataSet& d = f.data.Current;
        d.InputName[0][0].set(QStringLiteral("MIC1"));
        d.InputName[0][1].set(QStringLiteral("VERYLONGNAME"));
        d.InputName[0][12].set(QStringLiteral("HIDDEN")); // beyond CountInput(1)
        d.InputName[1][0].set(QStringLiteral("P2A"));
        d.InputName[4][7].set(QStringLiteral("P5LAST"));
        d.LayerAssign[0][0] = 1001;
        d.LayerAssign[7][0] = 1407;
        d.LayerAssign[0][1] = 0x1234;
        d.OutputPickoff[0][0] = 3;
        d.OutputPickoff[4][3] = 9;
        d.OutputPickoff[0][4] = 99; // beyond CountOutput(1): not looked up
        d.MonMode = {0, 0, 1, 0};
        d.MonChannel = 2;
        d.MonPickoff = {0, 1, 0};
        d.PeakPickoff = {1, 0};
        d.ExtMon = {0, 1, 2, 3};
        d.GpioInput[0] = 101;
        d.GpioInput[1] = 555; // no definition carries it
        d.GpioInput[2] = -1;
        d.GpioOutput[15] = 115;
        d.ControlMode = {0, 1, 0};
        d.VTRSource1[0] = 1000;
        d.VTRSource2[0] = 1100;
        d.VTRSource1[8] = 1403;
        d.EsamFrames = 1;
        d.EsamChannels = 0;
        d.ConfigName[0].set(QStringLiteral("SNAP1"));
        d.ConfigName[7].set(QStringLiteral("ABCDEFGHIJ"));
        d.ConfigFlag1 = {1, 0, 1, 0, 0, 0, 0, 1};
        d.ConfigFlag2 = {0, 1, 0, 2, 0, 0, 0, 0}; // only exactly 1 sets a bit
        d.StartUpConf = 3;
        d.FaderBoxInput[0] = 100;
        d.FaderBoxOutput[8] = 101;
    }

    QByteArray payloadOf(const QString& kind)
    {
        const DataExchangeFrame built = PrepareDataExchange(f.ctx, f.lists, kind);
        EXPECT_TRUE(built.ok()) << built.error.toStdString();
        EXPECT_EQ(built.frame.left(1), QByteArray("\x85"));
        EXPECT_EQ(built.frame.right(1), QByteArray("\x0D"));
        return built.payload();
    }

    CodecFixture f;
};

TEST_F(TransferEncodingTest, DefaultLayoutGivesTheFieldTableByteForByte)
{
    fillGolden();
    // clang-format off
    const QByteArray expected = QByteArray("200201")                            // kind, version 2.1
        + "4D49433120202020" + "564552594C4F4E47"                               // MIC1, VERYLONG(NAME)
        + blankSlots(10)                                                        // rest of part 1
        + "5032412020202020" + blankSlots(3)                                    // part 2
        + blankSlots(8)                                                         // parts 3, 4
        + blankSlots(7) + "50354C4153542020"                                    // part 5
        + blankSlots(32)                                                        // free slots
        + "03E9" + rep("0000", 6) + "057F"                                      // layer row 1, A..H
        + "1234" + rep("0000", 7)                                               // row 2
        + rep("0000", 48)                                                       // rows 3..8
        + "0007" + rep("0001", 3) + rep("0001", 12)                             // pick-offs parts 1..4
        + rep("0001", 3) + "0013" + rep("0000", 44)                             // part 5, padding
        + "03" + "000C" + "02"                                                  // mode, channel, pick-off
        + "00150014" + "001E001F00200021"                                       // peak, ext. monitor
        + "01"                                                                  // GPIO options mode
        + "0006022BFFFF" + rep("0000", 5)                                       // GPIO inputs
        + rep("0000", 15) + "0024"                                              // GPIO outputs
        + "02"                                                                  // control mode
        + "03E8044C" + rep("0000", 14) + "057B0000"                             // VTR pairs
        + "1E02"                                                                // frames, channels
        + "534E415031202020" + rep("20", 48) + "4142434445464748"               // snapshot names
        + "850203"                                                              // flags 1, 2, start-up
        + "0005" + rep("0000", 8)                                               // fader box inputs
        + rep("0000", 8) + "0016";                                              // fader box outputs
    // clang-format on
    ASSERT_EQ(expected.size(), 2 * 978);
    EXPECT_EQ(payloadOf(QStringLiteral("20")), expected);
}

TEST_F(TransferEncodingTest, DefaultLayoutIs978BytesStartingWithKindVersionAndFirstName)
{
    f.data.Current.InputName[0][0].set(QStringLiteral("ABCDEFGH"));
    const QByteArray payload = payloadOf(QStringLiteral("20"));
    EXPECT_EQ(payload.size(), 2 * 978);
    EXPECT_EQ(payload.left(22), QByteArray("2002014142434445464748"));
}

TEST_F(TransferEncodingTest, LayoutLimits)
{
    struct Case
    {
        int textLen;
        int faders;
        std::array<qint16, 5> inputs;
        std::array<qint16, 5> outputs;
        int bytes;
    };
    // 978 - 512 names - 128 layers = 338 bytes besides names and layer table.
    const Case cases[] = {
        {8, 2, {12, 4, 4, 4, 8}, {4, 4, 4, 4, 4}, 338 + 512 + 16},
        {2, 16, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, 338 + 128 + 128},
        {16, 16, {64, 0, 0, 0, 0}, {0, 0, 0, 0, 64}, 338 + 1024 + 128},
    };
    for (const Case& c : cases) {
        f.settings.TextLenInput = c.textLen;
        f.settings.Layer_NumFaders = c.faders;
        f.settings.CountInput = c.inputs;
        f.settings.CountOutput = c.outputs;
        EXPECT_EQ(payloadOf(QStringLiteral("20")).size(), 2 * c.bytes) << c.textLen << " " << c.faders;
        // What a receiver expects before the frame is there.
        EXPECT_EQ(TransferLayout::fromSettings(f.settings).dataSetPayloadBytes(), c.bytes) << c.textLen;
    }
}

TEST_F(TransferEncodingTest, TwoFadersSendOneRowOfTheLayerTable)
{
    f.settings.Layer_NumFaders = 2;
    for (int layer = 0; layer < 8; ++layer) {
        f.data.Current.LayerAssign[layer][0] = 1000 + layer;
        f.data.Current.LayerAssign[layer][1] = 7777; // second row is not sent
    }
    const QByteArray payload = payloadOf(QStringLiteral("20"));
    const int layerStart = 2 * (3 + 64 * 8);
    EXPECT_EQ(payload.mid(layerStart, 32), QByteArray("03E803E903EA03EB03EC03ED03EE03EF"));
    EXPECT_EQ(payload.mid(layerStart + 32, 4), QByteArray("0001")); // first output pick-off follows at once
}

TEST_F(TransferEncodingTest, TwentyOutputsInUseLeave44ZeroEntries)
{
    const QByteArray payload = payloadOf(QStringLiteral("20"));
    const int pickoffStart = 2 * (3 + 64 * 8 + 8 * 16);
    EXPECT_EQ(payload.mid(pickoffStart, 80), rep("0001", 20));
    EXPECT_EQ(payload.mid(pickoffStart + 80, 176), rep("00", 88));
    EXPECT_EQ(payload.mid(pickoffStart + 256, 2), QByteArray("00")); // monitor mode: none set
}

TEST_F(TransferEncodingTest, GpioCodesGoOutAsChannelNumbers)
{
    struct Case
    {
        int code;
        const char* sent;
    };
    const Case cases[] = {{0, "0000"},   {-2, "FFFE"},  {100, "0005"},
                          {107, "000C"}, {108, "006C"}, {4242, "1092"}};
    const int gpioStart = 2 * (3 + 64 * 8 + 8 * 16 + 128 + 1 + 2 + 1 + 4 + 8 + 1);
    for (const Case& c : cases) {
        f.data.Current.GpioInput[0] = c.code;
        EXPECT_EQ(payloadOf(QStringLiteral("20")).mid(gpioStart, 4), QByteArray(c.sent)) << c.code;
    }
}

TEST_F(TransferEncodingTest, FailuresEndTheBuildWithoutFrame)
{
    struct Case
    {
        const char* what;
        std::function<void(CodecFixture&)> spoil;
    };
    const Case cases[] = {
        {"pick-off position beyond its list",
         [](CodecFixture& c) { c.data.Current.OutputPickoff[2][1] = 10; }},
        {"empty external monitor list", [](CodecFixture& c) { c.lists.cmbExtMon[3].clear(); }},
        {"frames code above 255", [](CodecFixture& c) { c.lists.cmbFrames[0].itemData = 256; }},
        {"start-up code below 0", [](CodecFixture& c) { c.lists.cmbStartUpConf[0].itemData = -1; }},
        {"options mode above 255", [](CodecFixture& c) { c.settings.GPIO_Options_Mode = 300; }},
        {"definition without number",
         [](CodecFixture& c) {
             c.lists.lstData[1][3].text = QStringLiteral("x|OUT");
             c.data.Current.FaderBoxOutput[2] = 103;
         }},
        {"definition number beyond 16 bits",
         [](CodecFixture& c) {
             c.lists.lstData[0][0].text = QStringLiteral("40000|IN");
             c.data.Current.GpioInput[7] = 100;
         }},
        {"names beyond the slots",
         [](CodecFixture& c) {
             c.settings.CountInput = {64, 2, 0, 0, 0};
         }},
        {"name length above 16", [](CodecFixture& c) { c.settings.TextLenInput = 18; }},
        {"more than 16 faders", [](CodecFixture& c) { c.settings.Layer_NumFaders = 18; }},
    };
    for (const Case& c : cases) {
        CodecFixture fixture;
        c.spoil(fixture);
        const DataExchangeFrame built = PrepareDataExchange(fixture.ctx, fixture.lists, QStringLiteral("20"));
        EXPECT_FALSE(built.ok()) << c.what;
        EXPECT_TRUE(built.frame.isEmpty()) << c.what;
        EXPECT_FALSE(fixture.ui.busy) << c.what;
    }
}

// An empty list leaves nothing chosen (-1): the field goes out as 0, the rest stays in place.
TEST_F(TransferEncodingTest, NothingChosenIsSentAsZero)
{
    f.data.Current.MonChannel = -1;
    f.data.Current.EsamFrames = -1;
    const DataExchangeFrame built = PrepareDataExchange(f.ctx, f.lists, QStringLiteral("20"));
    ASSERT_TRUE(built.ok()) << built.error.toStdString();
    const QByteArray payload = built.payload();
    EXPECT_EQ(payload.size(), 1956);
    // Kind, version, 64 names of 8, layer table of 16 faders, 64 pick-offs, monitor mode.
    const int monChannel = 3 + 64 * 8 + 8 * 16 + 128 + 1;
    EXPECT_EQ(payload.mid(monChannel * 2, 4), QByteArray("0000"));
}

TEST_F(TransferEncodingTest, ConfigurationRecords)
{
    f.data.ConfigSingle.set(QString());
    EXPECT_EQ(payloadOf(QStringLiteral("31")), QByteArray("31"));

    f.data.ConfigSingle.set(QStringLiteral("AB"));
    EXPECT_EQ(payloadOf(QStringLiteral("38")), QByteArray("384142") + rep("20", 1022));

    for (auto& record : f.data.ConfigGroup)
        record.set(QString());
    EXPECT_EQ(payloadOf(QStringLiteral("30")), QByteArray("30"));
    f.data.ConfigGroup[1].set(QString::fromUtf8("\xE2\x82\xAC")); // the euro sign is 0x80
    f.data.ConfigGroup[7].set(QStringLiteral("Z"));
    EXPECT_EQ(payloadOf(QStringLiteral("30")), QByteArray("3080") + rep("20", 1023) + "5A" + rep("20", 1023));
}

TEST_F(TransferEncodingTest, OtherKindsGiveTheBareFrame)
{
    for (const char* kind : {"", "3", "39", "21", "85", "300"}) {
        const DataExchangeFrame built = PrepareDataExchange(f.ctx, f.lists, QString::fromLatin1(kind));
        EXPECT_TRUE(built.ok()) << kind;
        EXPECT_EQ(built.frame, QByteArray("\x85\x0D")) << kind;
    }
}

TEST_F(TransferEncodingTest, ShowsPreparingAndRestoresThePointer)
{
    payloadOf(QStringLiteral("20"));
    EXPECT_EQ(f.ui.status, QStringLiteral(" Daten werden vorbereitet"));
    EXPECT_TRUE(f.logText().contains(QStringLiteral("  Daten werden vorbereitet")));
    EXPECT_FALSE(f.ui.busy);
    EXPECT_EQ(f.ui.busyCalls, 2);
    EXPECT_TRUE(f.ui.boxes.isEmpty());
}

TEST_F(TransferEncodingTest, DumpFileHoldsOnlyTheLastPayload)
{
    f.settings.LogHexData = true;
    const QByteArray first = payloadOf(QStringLiteral("20"));
    EXPECT_EQ(TestFolder::read(f.settings.DefaultHexFile), first + "\r\n\r\n\r\n");
    f.data.ConfigSingle.set(QString());
    payloadOf(QStringLiteral("35"));
    EXPECT_EQ(TestFolder::read(f.settings.DefaultHexFile), QByteArray("35\r\n\r\n\r\n"));

    f.settings.LogHexData = false;
    payloadOf(QStringLiteral("20"));
    EXPECT_EQ(TestFolder::read(f.settings.DefaultHexFile), QByteArray("35\r\n\r\n\r\n"));
}

TEST_F(TransferEncodingTest, DumpFileThatCannotBeWrittenFailsTheBuild)
{
    f.settings.LogHexData = true;
    f.settings.DefaultHexFile = f.folder.file(QStringLiteral("missing/folder/ZEL308Tools.HEX"));
    const DataExchangeFrame built = PrepareDataExchange(f.ctx, f.lists, QStringLiteral("20"));
    EXPECT_FALSE(built.ok());
    EXPECT_TRUE(built.error.contains(QStringLiteral("ZEL308Tools.HEX")));
    EXPECT_FALSE(f.ui.busy);
}

TEST(LinkChecksum, SumsByteValuesOfDigitPairs)
{
    struct Case
    {
        QByteArray digits;
        qint32 sum;
    };
    const Case cases[] = {
        {"200201", 35},
        {"", 0},
        {"7", 7},
        {"F", 15},
        {"2002017", 35}, // an odd last digit is left out
        {"FFFF", 510},
        {"30", 48},
        {QByteArray("FF").repeated(16383) + "F", 255 * 16383}, // 32767 digits
        {QByteArray(32768, '0'), -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinkChecksum(c.digits), c.sum) << c.digits.left(16).constData();
}

TEST(LinkChecksum, AnswerCarriesTheDecimalDigitsAsCharacterCodes)
{
    EXPECT_EQ(TextToHex(QString::number(LinkChecksum("200201"))), QStringLiteral("3335"));
    EXPECT_EQ(TextToHex(QString::number(LinkChecksum(""))), QStringLiteral("30"));
}

} // namespace

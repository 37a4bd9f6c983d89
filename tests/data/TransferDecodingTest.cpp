#include "TransferDecoding.h"
#include "CodecFixture.h"
#include "TransferEncoding.h"
#include "TransferLayout.h"

#include <QFile>

#include <cerrno>
#include <functional>
#include <ostream>

#include <gtest/gtest.h>

namespace {

class TransferDecodingTest : public ::testing::Test
{
protected:
    TransferDecodingTest()
    {
        DataSet& reset = f.data.Reset;
        for (auto& part : reset.InputName)
            for (auto& name : part)
                name.set(QStringLiteral("RESET"));
        for (auto& layer : reset.LayerAssign)
            layer.fill(5);
        for (auto& part : reset.OutputPickoff)
            part.fill(2);
        reset.MonMode = {1, 0, 0, 0};
        reset.MonChannel = 4;
        reset.GpioInput.fill(101);
        reset.GpioOutput.fill(102);
        reset.ConfigFlag1.fill(1);
        reset.EsamFrames = 1;
        reset.StartUpConf = 4;
        reset.ConfigFile[0].set(QStringLiteral("C:\\reset\\one.CNS"));
        reset.ConfigGroupFile.set(QStringLiteral("C:\\reset\\all.CNG"));
        f.data.Current.ConfigFile[0].set(QStringLiteral("C:\\user\\one.CNS"));
        f.data.Current.ConfigFile[2].set(QStringLiteral("C:\\user\\three.CNS"));
        f.data.Current.ConfigGroupFile.set(QStringLiteral("C:\\user\\all.CNG"));
    }

    bool receive(const QByteArray& payload) { return InterpretHexData(f.ctx, f.lists, f.collect, payload); }

    CodecFixture f;
};

// The payload a device sends for the reset image with its own names.
QByteArray devicePayload(const CodecFixture& f)
{
    DataSet sent = f.data.Reset;
    for (int p = 0; p < DataSet::Parts; ++p)
        for (int n = 0; n < DataSet::SlotsPerPart; ++n)
            sent.InputName[p][n].set(QStringLiteral("MIC_%1").arg(p * 100 + n)); // "4D49435F..."
    QString error;
    const QByteArray payload =
        EncodeDataSetPayload(sent, TransferLayout::fromSettings(f.settings), f.lists, 1, error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return payload;
}

struct DamagedPayload
{
    const char* name;
    std::function<QByteArray(QByteArray)> damage;
    const char* error;
};

void PrintTo(const DamagedPayload& c, std::ostream* os)
{
    *os << c.name;
}

class DamagedDataSetPayload : public TransferDecodingTest,
                              public ::testing::WithParamInterface<DamagedPayload>
{
};

// Names 8 x 64 bytes from digit 7 on (32 in use, the free slots skipped), then the
// layer table at digit 1031, then
// the pick-offs at digit 1287: 1956 digits in all for the bundled counts.
TEST_P(DamagedDataSetPayload, ChangesNothingAndSaysWhy)
{
    f.settings.InitDone = true;
    f.data.Current.InputName[0][0].set(QStringLiteral("USER"));
    f.data.Current.LayerAssign[0][0] = 1000;
    const ConfigurationData before = f.data;
    const QByteArray full = devicePayload(f);
    ASSERT_EQ(full.size(), 1956);

    QString failure;
    EXPECT_FALSE(InterpretHexData(f.ctx, f.lists, f.collect, GetParam().damage(full), &failure));
    EXPECT_EQ(f.data.Current, before.Current);
    EXPECT_EQ(f.ui.dataSetToPagesCount, 0);
    EXPECT_EQ(f.ui.pagesToDataSetCount, 0);
    const QString expected =
        QStringLiteral("Fehler beim Auswerten der Daten: ") + QLatin1String(GetParam().error);
    EXPECT_EQ(failure, expected);
    EXPECT_TRUE(f.logText().contains(QStringLiteral("  ") + expected)) << f.logText().toStdString();
    EXPECT_FALSE(f.ui.busy);
}

INSTANTIATE_TEST_SUITE_P(
    TransferDecodingTest, DamagedDataSetPayload,
    ::testing::Values(
        DamagedPayload{"KindOnly", [](QByteArray) { return QByteArray("20"); },
                       "Payload too short: 2 digits, the byte at digit 7 is missing"},
        DamagedPayload{"CutToHalf", [](QByteArray p) { return p.left(978); },
                       "Payload too short: 978 digits, the byte at digit 1031 is missing"},
        DamagedPayload{"OneDigitShort", [](QByteArray p) { return p.chopped(1); },
                       "Payload too short: 1955 digits, the byte at digit 1955 is missing"},
        DamagedPayload{"HighByte80InALayer", [](QByteArray p) { return p.replace(1030, 2, "80"); },
                       "Overflow: 16-bit value with high byte 80 at digit 1031"},
        DamagedPayload{"CodeBeyond32767", [](QByteArray p) { return p.replace(1290, 4, "5AF0"); },
                       "Overflow: code 23280 plus base 10000"},
        DamagedPayload{"NoiseInTheNames",
                       [](QByteArray p) { return p.insert(100, QByteArray("\x13\x7F\xFFG\x00", 5)); },
                       "byte 0x13 at digit 101 is no hex digit"},
        DamagedPayload{"OneLetterNoDigit", [](QByteArray p) { return p.replace(500, 1, "g"); },
                       "byte 0x67 at digit 501 is no hex digit"}),
    [](const ::testing::TestParamInfo<DamagedPayload>& info) { return std::string(info.param.name); });

TEST_F(TransferDecodingTest, SmallHexDigitsReadAsTheDigitsTheyAre)
{
    const QByteArray payload = devicePayload(f);
    ASSERT_TRUE(receive(payload.toLower()));
    EXPECT_EQ(f.data.Current.InputName[0][0].trimmedRight(), QStringLiteral("MIC_0"));
    EXPECT_EQ(f.data.Current.InputName[4][7].trimmedRight(), QStringLiteral("MIC_407"));
    EXPECT_EQ(f.data.Current.LayerAssign[0][0], 5);
    EXPECT_EQ(f.data.Current.OutputPickoff[0][0], 2);
    EXPECT_EQ(f.data.Current.GpioInput[0], 101);
    EXPECT_EQ(f.data.Current.ConfigFile[0].trimmedRight(), QStringLiteral("C:\\user\\one.CNS"));
}

TEST_F(TransferDecodingTest, UnknownCodesKeepTheirResetValuesWithoutShiftingLaterFields)
{
    DataSet& sent = f.data.Current;
    sent.OutputPickoff[0][0] = 3; // code 10007
    sent.OutputPickoff[0][1] = 4; // code 10009
    sent.GpioInput[0] = 100;      // channel 5
    sent.GpioInput[1] = 0;
    sent.GpioInput[2] = 107; // channel 12
    const QByteArray payload = PrepareDataExchange(f.ctx, f.lists, QStringLiteral("20")).payload();

    f.lists.cmbAbgriffOutput[0][0].removeAt(3);         // the receiver does not know 10007
    f.lists.cmbAbgriffOutput[0][1][6].itemData = 10009; // first match wins: position 4, not 6
    f.lists.lstData[0][7].text = QStringLiteral("99|GONE");
    f.lists.lstData[0].insert(0, {QStringLiteral("5|FIRST"), 140});
    ASSERT_TRUE(receive(payload));

    const DataSet& got = f.data.Current;
    EXPECT_EQ(got.OutputPickoff[0][0], 2);
    EXPECT_EQ(got.OutputPickoff[0][1], 4);
    EXPECT_EQ(got.OutputPickoff[0][2], 0);
    EXPECT_EQ(got.GpioInput[0], 140);
    EXPECT_EQ(got.GpioInput[1], 0);
    EXPECT_EQ(got.GpioInput[2], 101); // channel 12 is gone: reset value
}

TEST_F(TransferDecodingTest, AfterStartUpBlankNamesTakeTheResetNames)
{
    for (const bool initDone : {false, true}) {
        CodecFixture c;
        c.data.Reset.InputName[0][0].set(QStringLiteral("RESET"));
        c.settings.InitDone = initDone;
        // The first name arrives blank.
        const QByteArray payload = devicePayload(c).replace(6, 16, "2020202020202020");
        ASSERT_TRUE(InterpretHexData(c.ctx, c.lists, c.collect, payload));
        EXPECT_EQ(c.data.Current.InputName[0][0].trimmedRight(),
                  initDone ? QStringLiteral("RESET") : QString());
        EXPECT_EQ(c.logText().contains(QStringLiteral("BlankNames_Replaced")), initDone);
        EXPECT_EQ(c.ui.pagesToDataSetCount, initDone ? 1 : 0);
        EXPECT_EQ(c.ui.dataSetToPagesCount, initDone ? 3 : 2);
    }
}

TEST_F(TransferDecodingTest, RecordsWhileCollectingFillTheGroupInArrivalOrder)
{
    const QString groupFile = f.folder.file(QStringLiteral("all.CNG"));
    f.collect = {true, 2, groupFile};
    ASSERT_TRUE(receive("354142"));
    EXPECT_EQ(f.data.ConfigGroup[2].trimmedRight(), QStringLiteral("AB"));
    EXPECT_EQ(f.collect.CollectCount, 3);
    EXPECT_FALSE(QFile::exists(groupFile));

    for (char k = '1'; k <= '5'; ++k) // kinds are not used for the place
        ASSERT_TRUE(receive(QByteArray("3") + k + "4" + k));
    const QByteArray written = TestFolder::read(groupFile);
    ASSERT_EQ(written.size(), 8192);
    EXPECT_EQ(written.mid(2 * 1024, 3), QByteArray("AB "));
    EXPECT_EQ(written.mid(3 * 1024, 2), QByteArray("A "));
    EXPECT_EQ(written.mid(7 * 1024, 2), QByteArray("E "));
    EXPECT_TRUE(f.ui.dialogs.isEmpty());
    EXPECT_FALSE(f.collect.CollectingConfigs);
    EXPECT_EQ(f.collect.CollectCount, 0);
    EXPECT_TRUE(f.collect.CollectPath.isEmpty());
    EXPECT_EQ(f.data.Current.ConfigFile[0].trimmedRight(), QStringLiteral("C:\\user\\one.CNS"));
}

struct UnwritableRecords
{
    const char* name;
    QByteArray payload;
    bool collecting; // the eighth of eight requested records
    bool retry;      // the user picks a writable file when the dialog comes again
};

void PrintTo(const UnwritableRecords& c, std::ostream* os)
{
    *os << c.name;
}

class UnwritableConfigFile : public TransferDecodingTest,
                             public ::testing::WithParamInterface<UnwritableRecords>
{
};

// The folder chosen for the file has gone: the write fails, the old path stays in
// its field, and the records wait in memory for the save dialog to come again.
TEST_P(UnwritableConfigFile, IsAFailureThatKeepsTheOldPathAndTheRecords)
{
    const UnwritableRecords& c = GetParam();
    const QString gone = f.folder.file(QStringLiteral("gone/records.CNX"));
    const QString good = f.folder.file(QStringLiteral("records.CNX"));
    const bool single = c.payload.startsWith("33");
    FixedText<255>& field = single ? f.data.Current.ConfigFile[2] : f.data.Current.ConfigGroupFile;
    const FixedText<255> oldPath = field;
    if (c.collecting)
        f.collect = {true, 7, gone};
    else
        f.ui.dialogAnswers.append(gone);
    if (c.retry)
        f.ui.dialogAnswers.append(good);

    EXPECT_EQ(receive(c.payload), c.retry);
    ASSERT_GE(f.ui.boxes.size(), 1);
    EXPECT_EQ(f.ui.boxes[0].text, QStringLiteral("Fehler <") + qt_error_string(ENOENT) +
                                      QStringLiteral("> beim Schreiben von <") + gone + QLatin1Char('>'));
    ASSERT_FALSE(f.ui.dialogs.isEmpty());
    EXPECT_EQ(f.ui.dialogs.last().path, gone); // offered again where it failed
    EXPECT_FALSE(f.collect.CollectingConfigs);
    const QByteArray record = QByteArray("Got").leftJustified(1024, ' ');
    EXPECT_EQ(single ? f.data.ConfigSingle.raw() : f.data.ConfigGroup[c.collecting ? 7 : 0].raw(), record);
    if (c.retry) {
        EXPECT_EQ(field.trimmedRight(), good);
        EXPECT_EQ(TestFolder::read(good).size(), single ? 1024 : 8192);
    } else {
        EXPECT_EQ(field, oldPath);
        EXPECT_FALSE(QFile::exists(good));
    }
}

INSTANTIATE_TEST_SUITE_P(
    TransferDecodingTest, UnwritableConfigFile,
    ::testing::Values(UnwritableRecords{"CollectedGroupGivenUp", "38476F74", true, false},
                      UnwritableRecords{"CollectedGroupWrittenElsewhere", "38476F74", true, true},
                      UnwritableRecords{"SingleRecordGivenUp", "33476F74", false, false},
                      UnwritableRecords{"SingleRecordWrittenElsewhere", "33476F74", false, true},
                      UnwritableRecords{"AllRecordsGivenUp", "30476F74", false, false},
                      UnwritableRecords{"AllRecordsWrittenElsewhere", "30476F74", false, true}),
    [](const ::testing::TestParamInfo<UnwritableRecords>& info) { return std::string(info.param.name); });

TEST_F(TransferDecodingTest, SingleRecordGoesToItsRowsFileThroughTheDialog)
{
    const QString chosen = f.folder.file(QStringLiteral("three.CNS"));
    f.ui.dialogAnswers = {chosen};
    ASSERT_TRUE(receive(QByteArray("33") + QByteArray("5A").repeated(1100)));
    EXPECT_EQ(f.data.ConfigSingle.raw(), QByteArray(1024, 'Z'));
    ASSERT_EQ(f.ui.dialogs.size(), 1);
    EXPECT_EQ(f.ui.dialogs[0].path, QStringLiteral("C:\\user\\three.CNS"));
    EXPECT_EQ(f.ui.dialogs[0].defaultExtension, QStringLiteral("CNS"));
    EXPECT_EQ(TestFolder::read(chosen), QByteArray(1024, 'Z'));
    EXPECT_EQ(f.data.Current.ConfigFile[2].trimmedRight(), chosen);
    EXPECT_EQ(f.ui.pagesToDataSetCount, 1);
    EXPECT_EQ(f.ui.dataSetToPagesCount, 1);

    ASSERT_TRUE(receive("3341")); // cancelled dialog: nothing written, the path stays
    EXPECT_EQ(f.data.ConfigSingle.trimmedRight(), QStringLiteral("A"));
    EXPECT_EQ(TestFolder::read(chosen), QByteArray(1024, 'Z'));
    EXPECT_EQ(f.data.Current.ConfigFile[2].trimmedRight(), chosen);
}

TEST_F(TransferDecodingTest, AllRecordsInOnePayloadAreCutInto1024CharacterPieces)
{
    for (auto& record : f.data.ConfigGroup)
        record.set(QStringLiteral("OLD"));
    const QString chosen = f.folder.file(QStringLiteral("all.CNG"));
    f.ui.dialogAnswers = {chosen};
    ASSERT_TRUE(receive(QByteArray("30") + QByteArray("41").repeated(1500)));
    EXPECT_EQ(f.data.ConfigGroup[0].raw(), QByteArray(1024, 'A'));
    EXPECT_EQ(f.data.ConfigGroup[1].raw(), QByteArray(476, 'A') + QByteArray(548, ' '));
    for (int r = 2; r < 8; ++r)
        EXPECT_TRUE(f.data.ConfigGroup[r].isBlank()) << r;
    ASSERT_EQ(f.ui.dialogs.size(), 1);
    EXPECT_EQ(f.ui.dialogs[0].defaultExtension, QStringLiteral("CNG"));
    EXPECT_EQ(TestFolder::read(chosen), QByteArray(1500, 'A') + QByteArray(8192 - 1500, ' '));
    EXPECT_EQ(f.data.Current.ConfigGroupFile.trimmedRight(), chosen);

    QByteArray full("30");
    for (char r = 0; r < 8; ++r)
        full += QByteArray(1, '3').append(char('0' + r)).repeated(1024);
    f.ui.dialogAnswers = {chosen};
    f.ui.answers = {true};               // overwrite the file of the first payload
    ASSERT_TRUE(receive(full + "FFFF")); // bytes after the eighth record are ignored
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(f.data.ConfigGroup[r].raw(), QByteArray(1024, char('0' + r))) << r;
    EXPECT_EQ(TestFolder::read(chosen).mid(7 * 1024), QByteArray(1024, '7'));
}

TEST_F(TransferDecodingTest, OtherKindsStoreNothing)
{
    const ConfigurationData before = f.data;
    for (const char* payload : {"", "2", "21", "3", "39", "40FFFF"}) {
        EXPECT_TRUE(receive(payload)) << payload;
        EXPECT_EQ(f.data.Current, before.Current) << payload;
        EXPECT_EQ(f.data.ConfigGroup, before.ConfigGroup) << payload;
    }
    EXPECT_FALSE(f.ui.statusLines.contains(QStringLiteral(" ResetDone")));
    EXPECT_EQ(f.ui.dataSetToPagesCount, 0);
}

} // namespace

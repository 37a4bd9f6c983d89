#include "TransferDecoding.h"
#include "CodecFixture.h"
#include "TransferEncoding.h"
#include "TransferLayout.h"

#include <QFile>

#include <cerrno>

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

// Names 8 x 64 bytes from digit 7 on (32 in use, the free slots skipped), the layer
// table at digit 1031, the pick-offs at digit 1287: 1956 digits for these counts.
TEST_F(TransferDecodingTest, DamagedDataSetPayloadChangesNothingAndSaysWhy)
{
    const QByteArray full = devicePayload(f);
    ASSERT_EQ(full.size(), 1956);
    const struct
    {
        QByteArray payload;
        const char* error;
    } cases[] = {
        {"20", "Payload too short: 2 digits, the byte at digit 7 is missing"},
        {full.left(978), "Payload too short: 978 digits, the byte at digit 1031 is missing"},
        {full.chopped(1), "Payload too short: 1955 digits, the byte at digit 1955 is missing"},
        {QByteArray(full).replace(1030, 2, "80"), "Overflow: 16-bit value with high byte 80 at digit 1031"},
        {QByteArray(full).replace(1290, 4, "5AF0"), "Overflow: code 23280 plus base 10000"},
        {QByteArray(full).insert(100, QByteArray("\x13\x7F\xFFG\x00", 5)),
         "byte 0x13 at digit 101 is no hex digit"},
        {QByteArray(full).replace(500, 1, "g"), "byte 0x67 at digit 501 is no hex digit"},
        // A device set up for other counts: every field after the names would be misread.
        {full + "0000", "Payload too long: 1960 digits, the counts give 1956"},
    };
    f.settings.InitDone = true;
    f.data.Current.InputName[0][0].set(QStringLiteral("USER"));
    const DataSet before = f.data.Current;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        QString failure;
        EXPECT_FALSE(InterpretHexData(f.ctx, f.lists, f.collect, c.payload, &failure));
        EXPECT_EQ(f.data.Current, before);
        EXPECT_EQ(failure, QStringLiteral("Fehler beim Auswerten der Daten: ") + QLatin1String(c.error));
        EXPECT_TRUE(f.logText().contains(QStringLiteral("  ") + failure));
    }
    EXPECT_EQ(f.ui.dataSetToPagesCount + f.ui.pagesToDataSetCount, 0);
    EXPECT_FALSE(f.ui.busy);
}

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

// The folder chosen for the file has gone: the write fails, the old path stays in
// its field, and the records wait in memory for the save dialog to come again.
TEST_F(TransferDecodingTest, UnwritableConfigFileKeepsTheOldPathAndTheRecords)
{
    const QString gone = f.folder.file(QStringLiteral("gone/records.CNX"));
    for (const char* kind : {"38", "33", "30"}) {
        for (const bool retry : {false, true}) {
            SCOPED_TRACE(std::string(kind) + (retry ? " written elsewhere" : " given up"));
            CodecFixture c;
            const QString good = c.folder.file(QStringLiteral("records.CNX"));
            const bool collecting = kind == std::string("38");
            c.collect = {collecting, 7, collecting ? gone : QString()};
            c.ui.dialogAnswers = collecting ? QStringList() : QStringList{gone};
            if (retry)
                c.ui.dialogAnswers.append(good);
            const bool single = kind == std::string("33");
            const FixedText<255>& field =
                single ? c.data.Current.ConfigFile[2] : c.data.Current.ConfigGroupFile;

            EXPECT_EQ(InterpretHexData(c.ctx, c.lists, c.collect, kind + QByteArray("476F74")), retry);
            ASSERT_FALSE(c.ui.boxes.isEmpty());
            EXPECT_EQ(c.ui.boxes[0].text, QStringLiteral("Fehler <") + qt_error_string(ENOENT) +
                                              QStringLiteral("> beim Schreiben von <") + gone +
                                              QLatin1Char('>'));
            ASSERT_FALSE(c.ui.dialogs.isEmpty());
            EXPECT_EQ(c.ui.dialogs.last().path, gone); // offered again where it failed
            EXPECT_EQ((single ? c.data.ConfigSingle : c.data.ConfigGroup[collecting ? 7 : 0]).trimmedRight(),
                      QStringLiteral("Got"));
            EXPECT_EQ(field.trimmedRight(), retry ? good : QString());
            EXPECT_EQ(QFile::exists(good), retry);
        }
    }
}

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

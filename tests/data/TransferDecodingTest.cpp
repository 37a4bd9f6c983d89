#include "TransferDecoding.h"
#include "CodecFixture.h"
#include "TransferEncoding.h"

#include <QFile>

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

TEST_F(TransferDecodingTest, TooShortDataSetReadsZerosWithoutFailure)
{
    f.settings.Layer_NumFaders = 8;
    EXPECT_TRUE(receive("20"));
    const DataSet& d = f.data.Current;
    EXPECT_TRUE(f.ui.statusLines.contains(QStringLiteral(" ResetDone")));
    EXPECT_EQ(d.InputName[0][0].raw(), QByteArray(8, '\0') + QByteArray(8, ' '));
    EXPECT_EQ(d.InputName[0][12].trimmedRight(), QStringLiteral("RESET")); // beyond CountInput(1)
    EXPECT_EQ(d.LayerAssign[3][3], 0);
    EXPECT_EQ(d.LayerAssign[3][4], 5);   // rows beyond F/2 keep the reset values
    EXPECT_EQ(d.OutputPickoff[0][0], 2); // code 10000 is in no list
    EXPECT_EQ(d.MonMode, (std::array<qint16, 4>{0, 0, 0, 0}));
    EXPECT_EQ(d.MonChannel, 4);
    EXPECT_EQ(d.GpioInput[7], 0); // channel 0 clears the assignment
    EXPECT_EQ(d.ConfigFlag1[7], 0);
    EXPECT_EQ(d.EsamFrames, 1);  // no frames entry carries 0
    EXPECT_EQ(d.StartUpConf, 0); // start-up entry 0 carries 0
    EXPECT_EQ(d.ConfigFile[0].trimmedRight(), QStringLiteral("C:\\user\\one.CNS"));
    EXPECT_FALSE(f.logText().contains(QStringLiteral("Auswerten")));
    EXPECT_EQ(f.ui.dataSetToPagesCount, 2); // the reset's, then the decoded data set
}

TEST_F(TransferDecodingTest, HighByteAbove7FEndsDecodingAndKeepsTheFilePaths)
{
    const QByteArray payload =
        QByteArray("200201") + QByteArray("41").repeated(64 * 8) + "0102" + "8000" + "0304";
    EXPECT_FALSE(receive(payload));
    const DataSet& d = f.data.Current;
    EXPECT_EQ(d.InputName[4][7].trimmedRight(), QStringLiteral("AAAAAAAA"));
    EXPECT_EQ(d.LayerAssign[0][0], 0x0102);
    EXPECT_EQ(d.LayerAssign[1][0], 5); // the failing field and all after it stay reset
    EXPECT_EQ(d.LayerAssign[2][0], 5);
    EXPECT_EQ(d.GpioInput[0], 101);
    EXPECT_EQ(d.ConfigFile[0].trimmedRight(), QStringLiteral("C:\\user\\one.CNS"));
    EXPECT_EQ(d.ConfigGroupFile.trimmedRight(), QStringLiteral("C:\\user\\all.CNG"));
    EXPECT_TRUE(f.logText().contains(QStringLiteral("  Fehler beim Auswerten der Daten: Overflow")));
    EXPECT_TRUE(f.ui.boxes.isEmpty());
    EXPECT_FALSE(f.ui.busy);
    EXPECT_EQ(f.ui.dataSetToPagesCount, 1); // only the reset's
}

TEST_F(TransferDecodingTest, CodeBeyond32767WithItsBaseFails)
{
    f.settings.Layer_NumFaders = 2;
    const QByteArray payload = QByteArray("200201") + QByteArray("20").repeated(64 * 8) +
                               QByteArray("0000").repeated(8) + "0003" +
                               "5AF0"; // second pick-off: 23280 + 10000
    EXPECT_FALSE(receive(payload));
    EXPECT_EQ(f.data.Current.OutputPickoff[0][0], 1); // code 10003 sits at position 1
    EXPECT_EQ(f.data.Current.OutputPickoff[0][1], 2);
    EXPECT_TRUE(f.logText().contains(QStringLiteral("Overflow: code 23280 plus base 10000")));
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
        ASSERT_TRUE(
            InterpretHexData(c.ctx, c.lists, c.collect, QByteArray("200201") + QByteArray("20").repeated(8)));
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

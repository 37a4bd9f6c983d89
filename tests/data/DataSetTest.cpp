#include "DataSet.h"

#include <QtEndian>

#include <gtest/gtest.h>

namespace {

qint16 intAt(const QByteArray& image, int offset)
{
    return qFromLittleEndian<qint16>(image.constData() + offset);
}

// Every field gets a value of its own; its bytes must stand at the offset of the file layout.
TEST(DataSetLayout, EveryFieldStandsAtItsOffset)
{
    DataSet d;
    d.DataVersion.set(QStringLiteral("2.1"));
    d.InputName[0][0].set(QStringLiteral("FIRST"));
    d.InputName[4][63].set(QStringLiteral("LAST"));
    d.LayerAssign[0][0] = 1001;
    d.LayerAssign[7][7] = 1407;
    d.OutputPickoff[0][0] = 3;
    d.OutputPickoff[4][63] = -1;
    d.MonMode = {1, 2, 3, 4};
    d.MonChannel = 5;
    d.MonPickoff = {6, 7, 8};
    d.PeakPickoff = {9, 10};
    d.ExtMon = {11, 12, 13, 14};
    d.GpioInput[0] = 100;
    d.GpioInput[7] = 107;
    d.GpioOutput[0] = 200;
    d.GpioOutput[15] = 215;
    d.ControlMode = {21, 22, 23};
    d.VTRSource1[0] = 31;
    d.VTRSource1[8] = 39;
    d.VTRSource2[0] = 41;
    d.VTRSource2[8] = 49;
    d.EsamFrames = 51;
    d.EsamChannels = 52;
    d.ConfigFlag1[0] = 61;
    d.ConfigFlag1[7] = 68;
    d.ConfigFlag2[0] = 71;
    d.ConfigFlag2[7] = 78;
    d.ConfigFile[0].set(QStringLiteral("C:\\one.CNS"));
    d.ConfigFile[7].set(QStringLiteral("C:\\eight.CNS"));
    d.ConfigGroupFile.set(QStringLiteral("C:\\all.CNG"));
    d.StartUpConf = 0x1234;
    d.ConfigName[0].set(QStringLiteral("SNAP1"));
    d.ConfigName[7].set(QStringLiteral("SNAP8"));
    d.FaderBoxInput[0] = 81;
    d.FaderBoxInput[8] = 89;
    d.FaderBoxOutput[0] = 91;
    d.FaderBoxOutput[8] = 99;

    const QByteArray f = d.toBytes();
    ASSERT_EQ(f.size(), 8449);
    EXPECT_EQ(f.mid(0, 10), QByteArray("2.1       "));
    EXPECT_EQ(f.mid(10, 16), QByteArray("FIRST           "));
    EXPECT_EQ(f.mid(10 + 319 * 16, 16), QByteArray("LAST            "));
    EXPECT_EQ(intAt(f, 5130), 1001);
    EXPECT_EQ(intAt(f, 5130 + 63 * 2), 1407);
    EXPECT_EQ(intAt(f, 5258), 3);
    EXPECT_EQ(intAt(f, 5258 + 319 * 2), -1);
    EXPECT_EQ(intAt(f, 5898), 1);
    EXPECT_EQ(intAt(f, 5904), 4);
    EXPECT_EQ(intAt(f, 5906), 5);
    EXPECT_EQ(intAt(f, 5908), 6);
    EXPECT_EQ(intAt(f, 5912), 8);
    EXPECT_EQ(intAt(f, 5914), 9);
    EXPECT_EQ(intAt(f, 5916), 10);
    EXPECT_EQ(intAt(f, 5918), 11);
    EXPECT_EQ(intAt(f, 5924), 14);
    EXPECT_EQ(intAt(f, 5926), 100);
    EXPECT_EQ(intAt(f, 5926 + 14), 107);
    EXPECT_EQ(intAt(f, 5942), 200);
    EXPECT_EQ(intAt(f, 5942 + 30), 215);
    EXPECT_EQ(intAt(f, 5974), 21);
    EXPECT_EQ(intAt(f, 5978), 23);
    EXPECT_EQ(intAt(f, 5980), 31);
    EXPECT_EQ(intAt(f, 5996), 39);
    EXPECT_EQ(intAt(f, 5998), 41);
    EXPECT_EQ(intAt(f, 6014), 49);
    EXPECT_EQ(intAt(f, 6016), 51);
    EXPECT_EQ(intAt(f, 6018), 52);
    EXPECT_EQ(intAt(f, 6020), 61);
    EXPECT_EQ(intAt(f, 6034), 68);
    EXPECT_EQ(intAt(f, 6036), 71);
    EXPECT_EQ(intAt(f, 6050), 78);
    EXPECT_EQ(f.mid(6052, 10), QByteArray("C:\\one.CNS"));
    EXPECT_EQ(f.at(6052 + 10), ' ');
    EXPECT_EQ(f.mid(6052 + 7 * 255, 12), QByteArray("C:\\eight.CNS"));
    EXPECT_EQ(f.mid(8092, 10), QByteArray("C:\\all.CNG"));
    EXPECT_EQ(static_cast<unsigned char>(f.at(8347)), 0x34); // odd offset, little-endian
    EXPECT_EQ(static_cast<unsigned char>(f.at(8348)), 0x12);
    EXPECT_EQ(f.mid(8349, 8), QByteArray("SNAP1   "));
    EXPECT_EQ(f.mid(8349 + 56, 8), QByteArray("SNAP8   "));
    EXPECT_EQ(intAt(f, 8413), 81);
    EXPECT_EQ(intAt(f, 8429), 89);
    EXPECT_EQ(intAt(f, 8431), 91);
    EXPECT_EQ(intAt(f, 8447), 99);
}

TEST(DataSetLayout, NewDataSetIsAllZeroAndRoundTrips)
{
    DataSet d;
    EXPECT_EQ(d.toBytes(), QByteArray(8449, '\0'));

    d.InputName[2][5].set(QString::fromUtf8("Ü-Mic §1"));
    d.StartUpConf = -1;
    DataSet back;
    back.fromBytes(d.toBytes());
    EXPECT_EQ(back, d);
    EXPECT_EQ(back.InputName[2][5].trimmedRight(), QString::fromUtf8("Ü-Mic §1"));
}

TEST(FixedTextRules, PadsCutsAndEncodesAsWindows1252)
{
    FixedText<8> name;
    name.set(QStringLiteral("ABCDEFGHIJ"));
    EXPECT_EQ(name.raw(), QByteArray("ABCDEFGH"));
    name.set(QString::fromUtf8("€ ä"));
    EXPECT_EQ(name.raw(), QByteArray("\x80 \xE4     "));
    EXPECT_EQ(name.trimmedRight(), QString::fromUtf8("€ ä"));
    EXPECT_FALSE(name.isBlank());
    name.set(QString());
    EXPECT_TRUE(name.isBlank());
}

} // namespace

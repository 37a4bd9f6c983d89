#include "DataSetField.h"
#include "DataSet.h"

#include <QSet>

#include <gtest/gtest.h>

#include <cctype>

namespace {

TEST(DataSetFields, NameEveryFieldOnceInFileOrder)
{
    const auto& fields = DataSetFields();
    ASSERT_EQ(fields.size(), 818u);
    QSet<QString> names;
    for (const DataSetField& f : fields)
        names.insert(f.name());
    EXPECT_EQ(names.size(), 818);
    EXPECT_EQ(fields.front().name(), "DataVersion");
    EXPECT_EQ(fields.at(1).name(), "InputName(1,1)");
    EXPECT_EQ(fields.at(320).name(), "InputName(5,64)");
    EXPECT_EQ(fields.at(321).name(), "LayerAssign(A,1)");
    EXPECT_EQ(fields.at(384).name(), "LayerAssign(H,8)");
    EXPECT_EQ(fields.back().name(), "FaderBoxOutput(9)");
}

struct OffsetCase
{
    const char* name;
    int offset; // of the field in the data file
    int bytes;
};

class FieldOffset : public ::testing::TestWithParam<OffsetCase>
{
};

// A value set through the table lands at the field's offset of the data file.
TEST_P(FieldOffset, WritesAtTheFileOffset)
{
    const DataSetField* field = FindDataSetField(QString::fromLatin1(GetParam().name));
    ASSERT_NE(field, nullptr);
    DataSet d;
    if (field->isText()) {
        EXPECT_EQ(field->length(), GetParam().bytes);
        field->setText(d, QStringLiteral("XY"));
        EXPECT_EQ(d.toBytes().mid(GetParam().offset, 3), QByteArray("XY "));
        EXPECT_EQ(field->raw(d).left(2), QByteArray("XY"));
    } else {
        field->setValue(d, 0x1234);
        EXPECT_EQ(d.toBytes().mid(GetParam().offset, 2), QByteArray("\x34\x12"));
        EXPECT_EQ(field->value(d), 0x1234);
    }
    // Nothing else changes.
    DataSet other = d;
    if (field->isText())
        field->setText(other, QString());
    else
        field->setValue(other, 0);
    QByteArray expected = DataSet().toBytes();
    if (field->isText())
        expected.replace(GetParam().offset, GetParam().bytes, QByteArray(GetParam().bytes, ' '));
    EXPECT_EQ(other.toBytes(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Layout, FieldOffset,
    ::testing::Values(OffsetCase{"DataVersion", 0, 10}, OffsetCase{"InputName(1,1)", 10, 16},
                      OffsetCase{"InputName(2,1)", 10 + 64 * 16, 16}, OffsetCase{"InputName(5,64)", 5114, 16},
                      OffsetCase{"LayerAssign(A,2)", 5132, 2}, OffsetCase{"LayerAssign(B,1)", 5146, 2},
                      OffsetCase{"OutputPickoff(1,1)", 5258, 2}, OffsetCase{"OutputPickoff(5,64)", 5896, 2},
                      OffsetCase{"MonMode(4)", 5904, 2}, OffsetCase{"MonChannel", 5906, 2},
                      OffsetCase{"MonPickoff(3)", 5912, 2}, OffsetCase{"PeakPickoff(2)", 5916, 2},
                      OffsetCase{"ExtMon(1)", 5918, 2}, OffsetCase{"GpioInput(1)", 5926, 2},
                      OffsetCase{"GpioOutput(16)", 5972, 2}, OffsetCase{"ControlMode(1)", 5974, 2},
                      OffsetCase{"VTRSource1(9)", 5996, 2}, OffsetCase{"VTRSource2(1)", 5998, 2},
                      OffsetCase{"EsamFrames", 6016, 2}, OffsetCase{"EsamChannels", 6018, 2},
                      OffsetCase{"ConfigFlag1(1)", 6020, 2}, OffsetCase{"ConfigFlag2(8)", 6050, 2},
                      OffsetCase{"ConfigFile(2)", 6307, 255}, OffsetCase{"ConfigGroupFile", 8092, 255},
                      OffsetCase{"StartUpConf", 8347, 2}, OffsetCase{"ConfigName(8)", 8405, 8},
                      OffsetCase{"FaderBoxInput(1)", 8413, 2}, OffsetCase{"FaderBoxOutput(9)", 8447, 2}),
    [](const ::testing::TestParamInfo<OffsetCase>& info) {
        std::string name;
        for (char c : std::string(info.param.name))
            if (std::isalnum(static_cast<unsigned char>(c)))
                name += c;
        return name;
    });

TEST(DataSetFields, AreFoundWhateverTheCaseAndBlanks)
{
    const DataSetField* f = FindDataSetField(QStringLiteral(" layerassign( c , 7 ) "));
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->name(), "LayerAssign(C,7)");
    EXPECT_EQ(f->part(), 3);
    EXPECT_EQ(f->position(), 7);
    EXPECT_EQ(f->group(), QLatin1String("Layers"));
    EXPECT_EQ(FindDataSetField(QStringLiteral("LayerAssign(I,1)")), nullptr);
    EXPECT_EQ(FindDataSetField(QStringLiteral("InputName(1,65)")), nullptr);
    EXPECT_EQ(FindDataSetField(QStringLiteral("MonChannel(1)")), nullptr);
}

} // namespace

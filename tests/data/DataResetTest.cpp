#include "DataReset.h"
#include "DataBench.h"

#include <gtest/gtest.h>

namespace {

QByteArray startupImage(const char* version = "2.1")
{
    DataSet d = FilledDataSet();
    d.DataVersion.set(QLatin1String(version));
    d.InputName[0][1].set(QString()); // blank: the check fills it from the reset image
    return d.toBytes();
}

TEST(ResetDataSet, QueryDecidesAndResetCopiesTheImage)
{
    DataBench b;
    b.data.Reset.InputName[0][0].set(QStringLiteral("RESET"));
    b.data.Current = FilledDataSet();

    EXPECT_EQ(ResetDataSet(b.ctx, true, false), ResetOutcome::Declined);
    EXPECT_EQ(b.data.Current, FilledDataSet());
    ASSERT_EQ(b.ui.queries.size(), 1);
    EXPECT_EQ(b.ui.queries[0].icon, MessageIcon::Stop);
    EXPECT_EQ(b.ui.queries[0].title, b.ui.caption);
    EXPECT_EQ(b.ui.queries[0].text, QStringLiteral("Daten zuruecksetzen?"));
    EXPECT_EQ(b.ui.dataSetToPagesCount, 0);

    b.ui.answers = {true};
    EXPECT_EQ(ResetDataSet(b.ctx, true, false), ResetOutcome::Done);
    EXPECT_EQ(b.data.Current, b.data.Reset);
    EXPECT_EQ(b.ui.dataSetToPagesCount, 1);
    EXPECT_EQ(b.ui.status, QStringLiteral(" Zurueckgesetzt"));
}

TEST(ResetDataSet, StartupFileBecomesTheResetImage)
{
    DataBench b;
    b.settings.LoadAtStartup_Default = b.folder.write(QStringLiteral("Start.DAT"), startupImage());

    EXPECT_EQ(ResetDataSet(b.ctx, false, true), ResetOutcome::Done);
    DataSet expected;
    expected.fromBytes(startupImage());
    // The reset image is still empty when the start-up file is checked: its blank
    // name has nothing to be replaced by and stays as the file has it.
    EXPECT_EQ(b.data.Current, expected);
    EXPECT_EQ(b.data.Reset, expected);
    EXPECT_EQ(b.loggedCount(QStringLiteral("Leerer Name ersetzt")), 0);
    EXPECT_TRUE(b.ui.queries.isEmpty());
    EXPECT_TRUE(b.ui.dialogs.isEmpty());
    EXPECT_EQ(b.ui.dataSetToPagesCount, 2);
    EXPECT_EQ(b.ui.status, QStringLiteral(" Zurueckgesetzt"));
    EXPECT_FALSE(b.ui.statusLines.contains(QStringLiteral(" Daten gelesen")));
}

TEST(ResetDataSet, NoStartupFileLeavesBothImagesEmpty)
{
    DataBench b;
    EXPECT_EQ(ResetDataSet(b.ctx, false, true), ResetOutcome::Done);
    EXPECT_EQ(b.data.Current, DataSet());
    EXPECT_EQ(b.data.Reset, DataSet());
    EXPECT_EQ(b.ui.status, QStringLiteral(" Zurueckgesetzt"));
}

TEST(ResetDataSet, UnreadableStartupFileEndsTheProgram)
{
    const struct
    {
        const char* name;
        QByteArray bytes; // empty: no file at all
    } cases[] = {{"missing", {}}, {"short", startupImage().left(100)}, {"old version", startupImage("2.0")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DataBench b;
        b.settings.LoadAtStartup_Default = c.bytes.isEmpty()
                                               ? b.folder.file(QStringLiteral("Start.DAT"))
                                               : b.folder.write(QStringLiteral("Start.DAT"), c.bytes);
        EXPECT_EQ(ResetDataSet(b.ctx, false, true), ResetOutcome::EndProgram);
        EXPECT_EQ(b.data.Current, DataSet());
        EXPECT_EQ(b.data.Reset, DataSet());
        EXPECT_EQ(b.ui.boxes.size(), 1);
    }
}

} // namespace

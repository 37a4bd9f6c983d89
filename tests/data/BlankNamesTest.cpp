#include "BlankNames.h"
#include "DataBench.h"
#include "NameBoxes.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The names page as a table of box texts; tooltips say which box it is.
class ScriptedNameBoxes : public NameBoxes
{
public:
    std::optional<QString> nameText(int part, int index) const override
    {
        const auto it = texts.find({part, index});
        return it == texts.end() ? QStringLiteral("BOX%1-%2").arg(part).arg(index) : it->second;
    }
    void setNameText(int part, int index, const QString& text) override { texts[{part, index}] = text; }
    QString toolTip(int part, int index) const override
    {
        return QStringLiteral("Teil %1 Name %2").arg(part).arg(index + 1);
    }
    std::map<std::pair<int, int>, QString> texts;
};

// Every name in use holds a text unless a test blanks it.
void fillNames(DataSet& d, const QString& prefix)
{
    for (int part = 0; part < DataSet::Parts; ++part)
        for (int n = 0; n < DataSet::SlotsPerPart; ++n)
            d.InputName[part][n].set(prefix + QString::number(part * 100 + n));
}

struct Bench : DataBench
{
    Bench()
    {
        ctx.names = &boxes;
        fillNames(data.Current, QStringLiteral("CUR"));
        fillNames(data.Reset, QStringLiteral("RES"));
    }
    ScriptedNameBoxes boxes;
};

TEST(CheckBlankNames, BlankNameInUseTakesTheResetNameAndIsLogged)
{
    for (qint16 count : {qint16(3), qint16(2)}) {
        SCOPED_TRACE(count);
        Bench b;
        b.settings.CountInput[0] = count;
        b.data.Current.InputName[0][2].set(QStringLiteral("   "));
        b.boxes.texts[{1, 2}] = QStringLiteral("   ");

        EXPECT_EQ(CheckBlankNames(b.ctx), count == 3 ? 1 : 0);
        if (count == 3) {
            EXPECT_EQ(b.data.Current.InputName[0][2], b.data.Reset.InputName[0][2]);
            EXPECT_EQ(b.loggedCount(QStringLiteral("  Leerer Name ersetzt: <Teil 1 Name 3>")), 1);
        } else {
            EXPECT_TRUE(b.data.Current.InputName[0][2].isBlank());
            EXPECT_TRUE(b.screen.lines.isEmpty());
        }
        EXPECT_TRUE(b.ui.statusLines.isEmpty()); // show is off
    }
}

TEST(CheckBlankNames, EveryPartComesFromTheBoxesAndTheBoxShowsTheReplacement)
{
    Bench b;
    b.boxes.texts[{2, 0}] = QStringLiteral("Mic 2   ");
    b.boxes.texts[{3, 1}] = QString();             // blank on the page
    b.boxes.texts[{1, 0}] = QStringLiteral("X");   // part 1 as the page shows it
    b.boxes.texts[{5, 7}] = QStringLiteral("   "); // part 5 too

    EXPECT_EQ(CheckBlankNames(b.ctx), 2);
    EXPECT_EQ(b.data.Current.InputName[1][0].trimmedRight(), QStringLiteral("Mic 2"));
    EXPECT_EQ(b.data.Current.InputName[2][1].trimmedRight(), QStringLiteral("RES201"));
    EXPECT_EQ(b.boxes.texts[std::pair(3, 1)], QStringLiteral("RES201"));
    EXPECT_EQ(b.data.Current.InputName[0][0].trimmedRight(), QStringLiteral("X"));
    EXPECT_EQ(b.data.Current.InputName[4][7].trimmedRight(), QStringLiteral("RES407"));
    EXPECT_EQ(b.boxes.texts[std::pair(5, 7)], QStringLiteral("RES407"));
    // Beyond the counts (4 in part 2) nothing is copied.
    EXPECT_EQ(b.data.Current.InputName[1][4].trimmedRight(), QStringLiteral("CUR104"));
    EXPECT_TRUE(b.logged(QStringLiteral("Teil 3 Name 2>")));
    EXPECT_TRUE(b.logged(QStringLiteral("Teil 5 Name 8>")));
}

TEST(CheckBlankNames, NoReplacementIsAnnouncedWhenTheResetNameIsBlankToo)
{
    Bench b;
    b.data.Current.InputName[0][1].set(QString());
    b.data.Reset.InputName[0][1] = FixedText<16>{}; // never written: NUL bytes
    b.data.Current.InputName[0][2] = FixedText<16>{};
    b.data.Reset.InputName[0][2].set(QStringLiteral("   "));
    b.ctx.names = nullptr;

    EXPECT_EQ(CheckBlankNames(b.ctx, true), 0);
    EXPECT_TRUE(b.data.Current.InputName[0][1].isBlank());
    EXPECT_FALSE(b.logged(QStringLiteral("Leerer Name")));
    EXPECT_EQ(b.ui.status, QString());
}

TEST(CheckBlankNames, TwoBlanksGiveTwoLinesAndTheStatusShowsTheLast)
{
    Bench b;
    b.boxes.texts[{1, 0}] = QString();
    b.boxes.texts[{5, 7}] = QStringLiteral(" ");

    EXPECT_EQ(CheckBlankNames(b.ctx, true), 2);
    EXPECT_EQ(b.loggedCount(QStringLiteral("Leerer Name ersetzt: <Teil 1 Name 1>")), 1);
    EXPECT_EQ(b.loggedCount(QStringLiteral("Leerer Name ersetzt: <Teil 5 Name 8>")), 1);
    EXPECT_EQ(b.ui.statusLines.size(), 2);
    EXPECT_EQ(b.ui.status, QStringLiteral(" Leerer Name ersetzt: <Teil 5 Name 8>"));

    // Nothing left to replace: with show the status line is cleared.
    EXPECT_EQ(CheckBlankNames(b.ctx, true), 0);
    EXPECT_EQ(b.ui.status, QString());
}

TEST(CheckBlankNames, WithoutTheNamesPageTheDataSetAloneIsChecked)
{
    DataBench b;
    fillNames(b.data.Current, QStringLiteral("CUR"));
    fillNames(b.data.Reset, QStringLiteral("RES"));
    b.data.Current.InputName[2][0].set(QString());
    EXPECT_EQ(CheckBlankNames(b.ctx), 1);
    EXPECT_EQ(b.data.Current.InputName[2][0].trimmedRight(), QStringLiteral("RES200"));
    EXPECT_EQ(b.data.Current.InputName[1][0].trimmedRight(), QStringLiteral("CUR100"));
}

} // namespace

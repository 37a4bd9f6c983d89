#include "pages/NamesPage.h"
#include "pages/StatusPage.h"

#include "FramedPanel.h"
#include "Twips.h"
#include "UiTestEnv.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

QRect twips(const QWidget* w)
{
    return Twips::fromPixels(w->geometry());
}

class NamesPageLayout : public ::testing::Test
{
protected:
    UiTestEnv env{"[TabStrip_Name_GER]\nPart01.Caption=Mikrofone\nPart01.Label02=Mikrofone 5-8\n"
                  "Part01.ToolTip05=Mikrofon 5\n"};
    QWidget container;

    std::unique_ptr<NamesPage> load(std::array<qint16, 5> counts)
    {
        env.settings.CountInput = counts;
        auto page = std::make_unique<NamesPage>(*env.pages);
        page->load(&container);
        return page;
    }
};

TEST_F(NamesPageLayout, FourNamesKeepTheDesignRow)
{
    auto page = load({4, 4, 4, 4, 4});
    const PartGrid& part = page->part(1);
    ASSERT_EQ(part.controls().size(), 4);
    EXPECT_EQ(twips(part.panel()), QRect(120, 120, 6405, 900));
    EXPECT_EQ(twips(part.labels().at(0)), QRect(180, 240, 6045, 255));
    EXPECT_EQ(twips(part.controls().at(3)), QRect(4725, 510, 1500, 315));
    EXPECT_EQ(twips(page->part(5).panel()).top(), 120 + 4 * 960);
    EXPECT_EQ(twips(page->fraTab()).height(), 4920);
    EXPECT_EQ(page->txtInput(1, 4), nullptr);
}

TEST_F(NamesPageLayout, NoNamesHideThePartAndCloseTheGap)
{
    auto page = load({4, 0, 4, 0, 4});
    EXPECT_TRUE(page->part(2).panel()->isHidden());
    EXPECT_TRUE(page->part(4).panel()->isHidden());
    EXPECT_EQ(twips(page->part(3).panel()).top(), 120 + 2 * 960 - 960);
    EXPECT_EQ(twips(page->part(5).panel()).top(), 120 + 4 * 960 - 2 * 960);
    EXPECT_EQ(twips(page->fraTab()).height(), 4920 - 2 * 960);
}

TEST_F(NamesPageLayout, TwoNamesShowAHalfRow)
{
    auto page = load({2, 4, 4, 4, 4});
    const PartGrid& part = page->part(1);
    EXPECT_FALSE(part.controls().at(1)->isHidden());
    EXPECT_TRUE(part.controls().at(2)->isHidden());
    EXPECT_TRUE(part.controls().at(3)->isHidden());
    EXPECT_EQ(twips(part.labels().at(0)).width(), 3015);
    EXPECT_EQ(twips(part.panel()).height(), 900);
}

TEST_F(NamesPageLayout, SixNamesGrowASecondHalfRow)
{
    auto page = load({6, 4, 4, 4, 4});
    const PartGrid& part = page->part(1);
    ASSERT_EQ(part.controls().size(), 6);
    ASSERT_EQ(part.labels().size(), 2);
    EXPECT_EQ(twips(part.controls().at(4)), QRect(180, 510 + 720, 1500, 315));
    EXPECT_EQ(twips(part.controls().at(5)), QRect(1695, 510 + 720, 1500, 315));
    EXPECT_EQ(twips(part.labels().at(0)).width(), 6045);
    EXPECT_EQ(twips(part.labels().at(1)), QRect(180, 240 + 720, 3015, 255));
    EXPECT_EQ(twips(part.panel()).height(), 900 + 720);
    EXPECT_EQ(twips(page->part(2).panel()).top(), 120 + 960 + 720);
    EXPECT_EQ(twips(page->fraTab()).height(), 4920 + 720);
    EXPECT_EQ(part.labels().at(0)->text(), QStringLiteral("Part01.Label01"));
    EXPECT_EQ(part.labels().at(1)->text(), QStringLiteral("Mikrofone 5-8"));
    EXPECT_EQ(part.controls().at(4)->toolTip(), QStringLiteral("Mikrofon 5"));
    EXPECT_EQ(part.panel()->caption(), QStringLiteral("Mikrofone"));
    EXPECT_EQ(part.panel()->toolTip(), QStringLiteral("Mikrofone"));
    EXPECT_EQ(page->part(2).panel()->caption(), QString());
}

TEST_F(NamesPageLayout, SixtyFourNamesFillSixteenRows)
{
    auto page = load({64, 0, 0, 0, 0});
    const PartGrid& part = page->part(1);
    ASSERT_EQ(part.controls().size(), 64);
    ASSERT_EQ(part.labels().size(), 16);
    EXPECT_EQ(twips(part.controls().at(63)), QRect(4725, 510 + 15 * 720, 1500, 315));
    EXPECT_EQ(twips(part.labels().at(15)), QRect(180, 240 + 15 * 720, 6045, 255));
    EXPECT_EQ(twips(part.panel()).height(), 900 + 15 * 720);
    EXPECT_EQ(twips(page->fraTab()).height(), 4920 + 15 * 720 - 4 * 960);
    EXPECT_EQ(part.labels().at(15)->text(), QStringLiteral("Part01.Label16"));
    EXPECT_EQ(page->txtInput(1, 63), part.controls().at(63));
    EXPECT_EQ(env.settings.MaxMainHeight, 4920 + 15 * 720 - 4 * 960 + 1660);
}

TEST(StatusPage, MissingSectionShowsTheKeysAndNoTooltips)
{
    UiTestEnv env("[TabStrip_Status_GER]\nLabel02=Baujahr\nToolTip02=Jahr der Fertigung\n");
    QWidget container;
    StatusPage page(*env.pages);
    page.load(&container);
    EXPECT_EQ(page.txtLblStatus(0)->text(), QStringLiteral("Label01"));
    EXPECT_EQ(page.txtLblStatus(5)->text(), QStringLiteral("Label06"));
    EXPECT_EQ(page.txtLblStatus(1)->text(), QStringLiteral("Baujahr"));
    EXPECT_EQ(page.txtStatus(0)->toolTip(), QString());
    EXPECT_EQ(page.txtStatus(1)->toolTip(), QStringLiteral("Jahr der Fertigung"));
    EXPECT_EQ(page.txtLblStatus(1)->toolTip(), QStringLiteral("Jahr der Fertigung"));
    EXPECT_EQ(page.txtStatus(5)->maxLength(), 64);
    EXPECT_EQ(page.fraStatus()->caption(), QString());
}

} // namespace

namespace {

void type(QLineEdit* box, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
    }
}

TEST_F(NamesPageLayout, NameBoxesTakeOnlyNameCharactersUpToTheLength)
{
    env.settings.TextLenInput = 6;
    auto page = load({4, 4, 4, 4, 4});
    QLineEdit* box = page->txtInput(2, 1);
    type(box, QStringLiteral("Mi\u00e4c'1\"23456"));
    EXPECT_EQ(box->text(), QStringLiteral("Mic123"));
    box->clear();
    type(box, QStringLiteral("a-b/c"));
    EXPECT_EQ(box->text(), QStringLiteral("a-b/c"));
    // Pasting goes through the same rule: a refused character keeps the text.
    box->setText(QStringLiteral("ok"));
    box->selectAll();
    box->insert(QStringLiteral("\u00fcber"));
    EXPECT_EQ(box->text(), QStringLiteral("ok"));
}

} // namespace

#include "pages/OutputPage.h"
#include "pages/PageTransfer.h"

#include "DataSet.h"
#include "FramedPanel.h"
#include "Twips.h"
#include "UiTestEnv.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

const QByteArray Definitions = "[IO_Channel_Data_PickOff_Output_Dig_GER]\n0=Summe PGM\n1=AUX 1\n4=Monitor\n"
                               "[IO_Channel_Data_PickOff_Output_ADAT_GER]\n2=Direkt\n";

class OutputPageTest : public ::testing::Test
{
protected:
    std::unique_ptr<OutputPage> load(std::array<qint16, 5> counts)
    {
        env.settings.CountOutput = counts;
        auto page = std::make_unique<OutputPage>(*env.pages);
        page->load(&container);
        return page;
    }

    UiTestEnv env{Definitions};
    QWidget container;
};

TEST_F(OutputPageTest, ListsFillFromTheirDefinitionsAndCopyToEveryOutput)
{
    auto page = load({6, 0, 4, 2, 4});
    QComboBox* last = page->cmbAbgriffOutput(1, 5);
    ASSERT_NE(last, nullptr);
    ASSERT_EQ(last->count(), 3);
    EXPECT_EQ(last->itemText(2), QStringLiteral("Monitor"));
    EXPECT_EQ(last->itemData(2).toInt(), 10004);
    EXPECT_EQ(last->currentIndex(), 0);
    // The transfer encoder reads the same entries from the shared lists.
    EXPECT_EQ(env.pages->lists.cmbAbgriffOutput[0][5].size(), 3);
    EXPECT_EQ(env.pages->lists.cmbAbgriffOutput[0][5].at(1).itemData, 10001);
    EXPECT_EQ(env.pages->lists.cmbAbgriffOutput[0][6].size(), 0);
    EXPECT_EQ(page->cmbAbgriffOutput(3, 3)->itemText(0), QStringLiteral("Direkt"));

    // A part without outputs is hidden, its list never filled.
    EXPECT_TRUE(page->part(2).panel()->isHidden());
    EXPECT_EQ(page->cmbAbgriffOutput(2, 0), nullptr);
    EXPECT_TRUE(env.pages->lists.cmbAbgriffOutput[1][0].isEmpty());

    // Six outputs: one full row and a half row with a half-width label.
    const PartGrid& part1 = page->part(1);
    ASSERT_EQ(part1.labels().size(), 2);
    EXPECT_EQ(Twips::fromPixels(part1.labels().at(1)->geometry()).width(), OutputPage::HalfLabelWidth);
    EXPECT_EQ(Twips::fromPixels(part1.labels().at(0)->geometry()).width(), 9495);
    EXPECT_EQ(Twips::fromPixels(page->part(4).labels().at(0)->geometry()).width(), OutputPage::HalfLabelWidth);
    EXPECT_EQ(Twips::fromPixels(page->fraTab()->geometry()).height(), 120 + 5 * 960 + 720 - 960);
    EXPECT_EQ(part1.labels().at(1)->text(), QStringLiteral("Part01.Label02"));
}

TEST_F(OutputPageTest, EmptyDefinitionListShowsNothingAndStoresMinusOne)
{
    auto page = load({4, 4, 0, 0, 0});
    QComboBox* box = page->cmbAbgriffOutput(2, 3);
    EXPECT_EQ(box->count(), 0);
    EXPECT_EQ(box->currentIndex(), -1);

    ConfigurationData& data = env.data;
    data.Current.OutputPickoff[1][3] = 7; // left out: the list has nothing to show
    data.Current.OutputPickoff[0][2] = 2;
    ASSERT_TRUE(page->fromDataSet(data));
    EXPECT_EQ(page->cmbAbgriffOutput(1, 2)->currentIndex(), 2);
    page->toDataSet(data);
    EXPECT_EQ(data.Current.OutputPickoff[1][3], -1);
    EXPECT_EQ(data.Current.OutputPickoff[0][2], 2);
    EXPECT_EQ(data.Current.OutputPickoff[0][3], 0);
}

TEST_F(OutputPageTest, PositionBeyondTheListStopsTheTransferWithItsMessage)
{
    auto page = load({4, 4, 4, 4, 4});
    env.pages->findPage = [&page](const QString& form) -> TabPage* {
        return form == page->formName() ? page.get() : nullptr;
    };
    env.data.Current.OutputPickoff[0][0] = 1;
    env.data.Current.OutputPickoff[0][1] = 40;
    env.data.Current.OutputPickoff[0][2] = 2;
    PageTransfer transfer(*env.pages, *env.app);
    EXPECT_FALSE(transfer.DataSetToPages());
    EXPECT_EQ(page->cmbAbgriffOutput(1, 0)->currentIndex(), 1) << "set before the failure";
    EXPECT_EQ(page->cmbAbgriffOutput(1, 2)->currentIndex(), 0) << "after the failure: as it was";
    ASSERT_EQ(env.ui.boxes.size(), 1);
    EXPECT_EQ(env.ui.boxes.first().text, QStringLiteral("Fehler bei der Weitergabe der Werte an die Controls"));
    EXPECT_EQ(env.ui.boxes.first().title, QStringLiteral("ZEL308Tools"));
    EXPECT_FALSE(env.ui.busy);
}

} // namespace

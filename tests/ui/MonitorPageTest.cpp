#include "pages/MonitorPage.h"
#include "pages/PageLists.h"
#include "pages/SourcePicker.h"

#include "FramedPanel.h"
#include "UiTestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QByteArray Definitions = R"(
[TabStrip_Monitor_GER]
Part02.Caption=Abgriff
Part01.Label02=Modus
Part01.ToolTip02=Wiedergabe
Part01.Opt04.Caption=Stereo
Part03.DropDown02=Zweite Anzeige
Part04.Label03=Taste 3
[IO_Channel_Data_Monitor_Channel_GER]
0=Summe PGM
1=AUX 1
2=AUX 2
[IO_Channel_Data_Monitor_Peak_GER]
0=Pre Fader
3=Post Fader
[IO_Channel_Data_Monitor_Key_GER]
0=Kommando
1=Regie
)";

class MonitorPageTest : public ::testing::Test
{
protected:
    std::unique_ptr<MonitorPage> load(const QByteArray& ini)
    {
        env = std::make_unique<UiTestEnv>(ini);
        auto page = std::make_unique<MonitorPage>(*env->pages);
        page->load(&container);
        return page;
    }

    std::unique_ptr<UiTestEnv> env;
    QWidget container;
};

TEST_F(MonitorPageTest, MissingKeysShowTheirDefaults)
{
    auto page = load(Definitions);
    EXPECT_EQ(page->fraContainerPart(1)->caption(), QStringLiteral("Part01"));
    EXPECT_EQ(page->fraContainerPart(1)->toolTip(), QString());
    EXPECT_EQ(page->fraContainerPart(2)->caption(), QStringLiteral("Abgriff"));
    EXPECT_EQ(page->fraContainerPart(4)->caption(), QStringLiteral("Part04"));
    EXPECT_EQ(page->txtLblPart(1, 0)->text(), QStringLiteral("Part01.Label01"));
    EXPECT_EQ(page->txtLblPart(1, 1)->text(), QStringLiteral("Modus"));
    EXPECT_EQ(page->txtLblPart(1, 1)->toolTip(), QStringLiteral("Wiedergabe"));
    EXPECT_EQ(page->txtLblPart(4, 2)->text(), QStringLiteral("Taste 3"));
    EXPECT_EQ(page->chkMonMode(0)->text(), QStringLiteral("Part01.Opt01.Caption"));
    EXPECT_EQ(page->chkMonMode(3)->text(), QStringLiteral("Stereo"));
    EXPECT_EQ(page->chkMonAbgriff(2)->text(), QStringLiteral("Part02.Opt03.Caption"));
    EXPECT_EQ(page->cmbAbgriffPeak(0)->toolTip(), QString());
    EXPECT_EQ(page->cmbAbgriffPeak(1)->toolTip(), QStringLiteral("Zweite Anzeige"));
}

TEST_F(MonitorPageTest, CheckGroupsKeepExactlyOneMark)
{
    auto page = load(Definitions);
    const QList<QList<QCheckBox*>> groups = {
        {page->chkMonMode(0), page->chkMonMode(1), page->chkMonMode(2), page->chkMonMode(3)},
        {page->chkMonAbgriff(0), page->chkMonAbgriff(1), page->chkMonAbgriff(2)},
    };
    auto checked = [](const QList<QCheckBox*>& group) {
        QList<int> on;
        for (int i = 0; i < group.size(); ++i)
            if (group[i]->isChecked())
                on.append(i);
        return on;
    };
    for (const auto& group : groups) {
        group[1]->click();
        EXPECT_EQ(checked(group), QList<int>{1});
        group[1]->click();
        EXPECT_EQ(checked(group), QList<int>{1});
        group[2]->click();
        EXPECT_EQ(checked(group), QList<int>{2});
    }
    // The groups do not reach into each other.
    EXPECT_EQ(checked(groups[0]), QList<int>{2});
}

TEST_F(MonitorPageTest, ListsAreFilledCopiedAndMirrored)
{
    auto page = load(Definitions);
    const EntryList peaks{{QStringLiteral("Pre Fader"), 12000}, {QStringLiteral("Post Fader"), 12003}};
    EXPECT_EQ(PageLists::entries(page->cmbAbgriffPeak(0)), peaks);
    EXPECT_EQ(PageLists::entries(page->cmbAbgriffPeak(1)), peaks);
    EXPECT_EQ(page->cmbKanal()->count(), 3);
    EXPECT_EQ(page->cmbKanal()->itemData(2).toInt(), 11002);
    EXPECT_EQ(page->cmbExtMon(3)->itemData(1).toInt(), 13001);
    const SelectorLists& lists = env->pages->lists;
    EXPECT_EQ(lists.cmbKanal, PageLists::entries(page->cmbKanal()));
    for (int i = 0; i < MonitorPage::Peaks; ++i) {
        EXPECT_EQ(lists.cmbAbgriffPeak[i], peaks);
        EXPECT_EQ(page->cmbAbgriffPeak(i)->currentIndex(), 0);
    }
    for (int i = 0; i < MonitorPage::Keys; ++i) {
        EXPECT_EQ(lists.cmbExtMon[i], PageLists::entries(page->cmbExtMon(i)));
        EXPECT_EQ(page->cmbExtMon(i)->currentIndex(), 0);
    }
    // Other pages name monitor sources from these lists.
    QLineEdit box;
    const SourcePicker picker(*env->pages);
    picker.ShowSourceName(&box, 11001);
    EXPECT_EQ(box.text(), QStringLiteral("AUX 1"));
    picker.ShowSourceName(&box, 12003);
    EXPECT_EQ(box.text(), QStringLiteral("Post Fader"));
    picker.ShowSourceName(&box, 13001);
    EXPECT_EQ(box.text(), QStringLiteral("Regie"));
}

TEST_F(MonitorPageTest, EmptyDefinitionListLeavesTheBoxEmptyAndStoresMinusOne)
{
    auto page = load("[IO_Channel_Data_Monitor_Key_GER]\n0=Kommando\n");
    EXPECT_EQ(page->cmbKanal()->count(), 0);
    EXPECT_EQ(page->cmbKanal()->currentIndex(), -1);
    EXPECT_EQ(page->cmbAbgriffPeak(1)->count(), 0);
    EXPECT_TRUE(env->pages->lists.cmbKanal.isEmpty());
    EXPECT_TRUE(env->pages->lists.cmbAbgriffPeak[1].isEmpty());
    EXPECT_EQ(env->pages->lists.cmbExtMon[2].size(), 1);
    ConfigurationData data;
    data.Current.MonChannel = 4;
    data.Current.PeakPickoff = {4, 4};
    page->toDataSet(data);
    EXPECT_EQ(data.Current.MonChannel, -1);
    EXPECT_EQ(data.Current.PeakPickoff, (std::array<qint16, 2>{-1, -1}));
    EXPECT_EQ(data.Current.ExtMon, (std::array<qint16, 4>{0, 0, 0, 0}));
    // A stored position for an empty list is skipped, not refused.
    EXPECT_TRUE(page->fromDataSet(data));
}

TEST_F(MonitorPageTest, DataSetRoundTrip)
{
    auto page = load(Definitions);
    ConfigurationData in;
    in.Current.MonMode = {0, 0, 1, 0};
    in.Current.MonChannel = 2;
    in.Current.MonPickoff = {0, 1, 0};
    in.Current.PeakPickoff = {1, 0};
    in.Current.ExtMon = {1, 0, 1, 1};
    ASSERT_TRUE(page->fromDataSet(in));
    EXPECT_TRUE(page->chkMonMode(2)->isChecked());
    EXPECT_EQ(page->cmbKanal()->currentText(), QStringLiteral("AUX 2"));
    ConfigurationData out;
    page->toDataSet(out);
    EXPECT_EQ(out.Current.MonMode, in.Current.MonMode);
    EXPECT_EQ(out.Current.MonChannel, 2);
    EXPECT_EQ(out.Current.MonPickoff, in.Current.MonPickoff);
    EXPECT_EQ(out.Current.PeakPickoff, in.Current.PeakPickoff);
    EXPECT_EQ(out.Current.ExtMon, in.Current.ExtMon);
}

TEST_F(MonitorPageTest, ValueAControlCannotTakeFailsTheTransfer)
{
    auto page = load(Definitions);
    const std::vector<std::function<void(DataSet&)>> faults = {
        [](DataSet& d) { d.MonChannel = 3; }, [](DataSet& d) { d.PeakPickoff[1] = 2; },
        [](DataSet& d) { d.ExtMon[3] = 7; },  [](DataSet& d) { d.ExtMon[0] = -2; },
        [](DataSet& d) { d.MonMode[1] = 3; },
    };
    for (size_t i = 0; i < faults.size(); ++i) {
        ConfigurationData data;
        faults[i](data.Current);
        EXPECT_FALSE(page->fromDataSet(data)) << "case " << i;
    }
}

} // namespace

#include "AllPages.h"
#include "MainWindow.h"

#include "FramedPanel.h"
#include "Twips.h"
#include "UiTestEnv.h"
#include "pages/TabPage.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFrame>
#include <QImage>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

QStringList tabTexts(const MainWindow& window)
{
    QStringList texts;
    for (int i = 0; i < window.tabStrip()->count(); ++i)
        texts.append(window.tabStrip()->tabText(i));
    return texts;
}

struct TabVariant
{
    const char* name;
    bool system, esam, fbox, monitor, gpio;
    QStringList captions;
};

class TabStripVariants : public ::testing::TestWithParam<TabVariant>
{
};

TEST_P(TabStripVariants, OptionalPagesFollowTheirSettings)
{
    const TabVariant& v = GetParam();
    UiTestEnv env;
    env.settings.ShowTabStrip_System = v.system;
    env.settings.ShowTabStrip_ESAM = v.esam;
    env.settings.ShowTabStrip_FBOX = v.fbox;
    env.settings.ShowTabStrip_Monitor = v.monitor;
    env.settings.ShowTabStrip_IO_Opt = v.gpio;
    MainWindow window(*env.pages);
    window.show();
    EXPECT_EQ(tabTexts(window), v.captions);
    // Every tab found its page.
    for (int i = 0; i < window.tabStrip()->count(); ++i)
        EXPECT_TRUE(window.tabTag(i).contains(QStringLiteral("|FormName=frmTabStripData"))) << i;
}

const QString S = QStringLiteral("TabStrip_");
INSTANTIATE_TEST_SUITE_P(
    MainWindow, TabStripVariants,
    ::testing::Values(TabVariant{"AllOptionalOff",
                                 false,
                                 false,
                                 false,
                                 false,
                                 false,
                                 {S + "STATUS_GER", S + "NAME_GER", S + "LAYER_GER", S + "OUTPUT_GER",
                                  S + "SNAPSHOT_GER"}},
                      TabVariant{"SystemAddsSixthTab",
                                 true,
                                 false,
                                 false,
                                 false,
                                 false,
                                 {S + "STATUS_GER", S + "NAME_GER", S + "LAYER_GER", S + "OUTPUT_GER",
                                  S + "SNAPSHOT_GER", QStringLiteral("S&YSTEM")}},
                      TabVariant{"AllOn",
                                 true,
                                 true,
                                 true,
                                 true,
                                 true,
                                 {S + "STATUS_GER", S + "NAME_GER", S + "LAYER_GER", S + "OUTPUT_GER",
                                  S + "MONITOR_GER", S + "GPIO_GER", S + "ESAM_GER", S + "SNAPSHOT_GER",
                                  S + "FBOX_GER", QStringLiteral("S&YSTEM")}}),
    [](const ::testing::TestParamInfo<TabVariant>& info) { return std::string(info.param.name); });

TEST(MainWindowTabs, CaptionAndTooltipComeFromThePageSection)
{
    UiTestEnv env("[TabStrip_Name_GER]\nCaption=Namen\nToolTip=Die Signalnamen\n");
    MainWindow window(*env.pages);
    window.show();
    EXPECT_EQ(window.tabStrip()->tabText(1), QStringLiteral("Namen"));
    EXPECT_EQ(window.tabStrip()->tabToolTip(1), QStringLiteral("Die Signalnamen"));
    EXPECT_EQ(window.tabStrip()->tabToolTip(0), QString());
    EXPECT_EQ(window.tabTag(1), QStringLiteral("|FormName=frmTabStripData02||TabStrip=name|"));
}

struct StoredTab
{
    const char* stored;
    bool restore;
    int expectedTab;
    const char* expectedForm;
};

class ActTabStrip : public ::testing::TestWithParam<StoredTab>
{
};

TEST_P(ActTabStrip, StoredTabIsSelectedWhenValid)
{
    const StoredTab& c = GetParam();
    UiTestEnv env(QByteArray("[Recent]\nActTabStrip=") + c.stored + "\n");
    env.settings.RestoreLastPosition = c.restore;
    MainWindow window(*env.pages);
    window.show();
    ASSERT_EQ(window.tabStrip()->count(), 5);
    EXPECT_EQ(window.currentTabNumber(), c.expectedTab);
    ASSERT_NE(window.currentPage(), nullptr);
    EXPECT_EQ(window.currentPage()->formName(), QString::fromLatin1(c.expectedForm));
    EXPECT_TRUE(window.currentPage()->fraTab()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ActTabStrip,
                         ::testing::Values(StoredTab{"9", true, 1, "frmTabStripData01"},
                                           StoredTab{"3", true, 3, "frmTabStripData03"},
                                           StoredTab{"4", true, 4, "frmTabStripData09"},
                                           StoredTab{"0", true, 1, "frmTabStripData01"},
                                           StoredTab{"zwei", true, 1, "frmTabStripData01"},
                                           StoredTab{"3", false, 1, "frmTabStripData01"}));

class FixedWidth : public ::testing::TestWithParam<std::pair<int, int>>
{
};

TEST_P(FixedWidth, WidthFollowsTheFaderCount)
{
    const auto [faders, twips] = GetParam();
    EXPECT_EQ(MainWindow::fixedWidthTwips(faders), twips);
    UiTestEnv env;
    env.settings.Layer_NumFaders = static_cast<qint16>(faders);
    MainWindow window(*env.pages);
    window.show();
    window.resize(Twips::toPixelsX(20000), window.height());
    EXPECT_EQ(window.width(), Twips::toPixelsX(twips));
}

INSTANTIATE_TEST_SUITE_P(MainWindow, FixedWidth,
                         ::testing::Values(std::pair{2, 10285}, std::pair{10, 10285}, std::pair{12, 11130},
                                           std::pair{14, 12690}, std::pair{16, 14250}, std::pair{0, 14250}));

TEST(MainWindowSize, TwelveFadersGive11130Twips)
{
    UiTestEnv env;
    env.settings.Layer_NumFaders = 12;
    MainWindow window(*env.pages);
    window.show();
    EXPECT_EQ(window.placement().width, 11130);
}

TEST(MainWindowSize, HeightSnapsTo1800AndMaxMainHeight)
{
    UiTestEnv env;
    env.settings.MaxMainHeight = 9000;
    env.settings.CountInput = {4, 4, 4, 4, 4};
    MainWindow window(*env.pages);
    window.show();
    window.resize(window.width(), Twips::toPixelsY(30000));
    EXPECT_EQ(window.placement().height, 9000);
    window.resize(window.width(), Twips::toPixelsY(600));
    EXPECT_EQ(window.placement().height, 1800);
}

TEST(MainWindowSize, TallNamesPageRaisesMaxMainHeight)
{
    UiTestEnv env;
    env.settings.CountInput = {64, 0, 0, 0, 0};
    MainWindow window(*env.pages);
    window.show();
    ASSERT_TRUE(WaitForAllPages(window));
    const int pageHeight =
        Twips::fromPixelsY(window.page(QStringLiteral("frmTabStripData02"))->fraTab()->height());
    EXPECT_EQ(env.settings.MaxMainHeight, pageHeight + 1660);
    window.resize(window.width(), Twips::toPixelsY(32000));
    EXPECT_EQ(window.height(), Twips::toPixelsY(pageHeight + 1660));
}

// Start-up restores the stored placement before the tall names page exists: the
// window still comes back as tall as it was left, once that page allows it.
TEST(MainWindowSize, StoredHeightComesBackOnceTheTallPageIsBuilt)
{
    UiTestEnv env;
    env.settings.CountInput = {64, 0, 0, 0, 0};
    MainWindow window(*env.pages);
    window.setPlacement({300, 300, 10285, 12000});
    window.show();
    ASSERT_TRUE(WaitForAllPages(window));
    ASSERT_GE(env.settings.MaxMainHeight, 12000);
    EXPECT_EQ(window.placement().height, 12000);
}

TEST(MainWindowSize, FewFadersNarrowThePagesToTheTabStrip)
{
    UiTestEnv env;
    env.settings.Layer_NumFaders = 8;
    MainWindow window(*env.pages);
    window.show();
    ASSERT_TRUE(WaitForAllPages(window));
    const int limit = window.tabStrip()->width() - window.verticalScroll()->width() - Twips::toPixelsX(196);
    for (const auto& page : window.pages()) {
        EXPECT_EQ(page->fraTab()->width(), limit) << page->formName().toStdString();
        for (QWidget* control : page->fraTab()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_LE(control->x() + control->width(), limit) << control->objectName().toStdString();
    }
}

TEST(MainWindowToolbar, FifteenButtonsWithThreeSeparatorsRaiseTheirIndex)
{
    UiTestEnv env("[Messages_GER]\nMenu_FileRead.ToolTip=Datei lesen\n");
    MainWindow window(*env.pages);
    for (int i = 1; i <= MainWindow::ButtonCount; ++i) {
        ASSERT_NE(window.toolButton(i), nullptr) << i;
        EXPECT_EQ(window.toolButton(i)->isSeparator(), i == 4 || i == 11 || i == 14) << i;
    }
    EXPECT_EQ(window.toolButton(1)->toolTip(), QStringLiteral("Daten laden"));
    EXPECT_FALSE(window.toolButton(1)->icon().isNull());
    window.show();
    EXPECT_EQ(window.toolButton(1)->toolTip(), QStringLiteral("Datei lesen"));
    EXPECT_EQ(window.toolButton(15)->toolTip(), QStringLiteral("Menu_EndProgram.ToolTip"));

    QList<int> commands;
    QObject::connect(&window, &MainWindow::commandRequested, [&](int n) { commands.append(n); });
    window.toolButton(5)->trigger();
    window.toolButton(15)->trigger();
    EXPECT_EQ(commands, (QList<int>{5, 15}));
}

TEST(MainWindowTimer, SendTimerRunsCommand107Once)
{
    UiTestEnv env;
    MainWindow window(*env.pages);
    QList<int> commands;
    QEventLoop loop;
    QObject::connect(&window, &MainWindow::commandRequested, [&](int n) {
        commands.append(n);
        loop.quit();
    });
    window.startSendTimer(100);
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(commands, QList<int>{107});
    EXPECT_FALSE(window.sendTimer()->isActive());
    window.startSendTimer(100);
    window.startSendTimer(0);
    EXPECT_FALSE(window.sendTimer()->isActive());
}

TEST(MainWindowDebug, DatasetButtonOnlyWithDebug)
{
    for (bool debug : {false, true}) {
        UiTestEnv env;
        env.settings.Debug = debug;
        MainWindow window(*env.pages);
        window.show();
        EXPECT_EQ(window.debugButton()->isVisible(), debug);
        EXPECT_EQ(window.debugButton()->text(), QStringLiteral("dataset"));
        int raised = 0;
        QObject::connect(&window, &MainWindow::debugTestRequested, [&] { ++raised; });
        window.debugButton()->click();
        EXPECT_EQ(raised, 1);
    }
}

TEST(MainWindowEvents, FirstActivationOnceAndRefreshOnlyAfterStartUp)
{
    UiTestEnv env;
    MainWindow window(*env.pages);
    int activations = 0;
    int refreshes = 0;
    QObject::connect(&window, &MainWindow::firstActivated, [&] { ++activations; });
    QObject::connect(&window, &MainWindow::pageRefreshRequested, [&] { ++refreshes; });
    window.show();
    window.hide();
    window.show();
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(refreshes, 0);
    window.tabStrip()->setCurrentIndex(1);
    EXPECT_EQ(refreshes, 0);
    env.settings.InitDone = true;
    window.tabStrip()->setCurrentIndex(2);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(window.currentPage()->formName(), QStringLiteral("frmTabStripData03"));
    EXPECT_FALSE(window.page(QStringLiteral("frmTabStripData02"))->fraTab()->isVisible());
}

TEST(MainWindowEvents, ClosingAsksTheEndProcedure)
{
    UiTestEnv env;
    MainWindow window(*env.pages);
    window.show();
    int requests = 0;
    QObject::connect(&window, &MainWindow::closeRequested, [&] { ++requests; });
    window.close();
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(window.isVisible());
    window.allowClose();
    window.close();
    EXPECT_EQ(requests, 1);
    EXPECT_FALSE(window.isVisible());
}

TEST(MainWindowScroll, TallPageScrollsAndTheBlindFollows)
{
    UiTestEnv env;
    env.settings.CountInput = {40, 0, 0, 0, 0};
    MainWindow window(*env.pages);
    window.show();
    window.resize(window.width(), Twips::toPixelsY(4000));
    window.tabStrip()->setCurrentIndex(1);
    FramedPanel* page = window.currentPage()->fraTab();
    QScrollBar* bar = window.verticalScroll();
    ASSERT_TRUE(bar->isEnabled());
    const int pageHeight = Twips::fromPixelsY(page->height());
    EXPECT_EQ(bar->maximum(), pageHeight - Twips::fromPixelsY(window.container()->height()));
    EXPECT_EQ(bar->singleStep(), 96);
    bar->setValue(960);
    EXPECT_EQ(page->y(), -Twips::toPixelsY(960));
    EXPECT_EQ(window.blind()->y(), page->y() + page->height());
    // The status page fits: no scrolling, the page at the top.
    window.resize(window.width(), Twips::toPixelsY(9000));
    window.tabStrip()->setCurrentIndex(0);
    EXPECT_FALSE(bar->isEnabled());
    EXPECT_EQ(window.currentPage()->fraTab()->y(), 0);
    EXPECT_EQ(window.blind()->y(), window.currentPage()->fraTab()->height());
}

TEST(MainWindowLook, PageAreaBesideANarrowedPageHasThePageColour)
{
    UiTestEnv env(UiTestEnv::bundledSettings());
    env.settings.Layer_NumFaders = 8;
    MainWindow window(*env.pages);
    window.show();
    window.tabStrip()->setCurrentIndex(2);
    const QWidget* page = window.currentPage()->fraTab();
    const QWidget* area = window.container();
    ASSERT_LT(page->width() + 4, area->width());
    const QImage shot = window.grab().toImage();
    const QPoint onPage = page->mapTo(&window, QPoint(page->width() / 2, 2));
    const QPoint beside = area->mapTo(&window, QPoint((page->width() + area->width()) / 2, 2));
    EXPECT_EQ(shot.pixelColor(beside), shot.pixelColor(onPage));
}

struct WheelCase
{
    const char* name;
    const char* form;
    const char* control;
};

void PrintTo(const WheelCase& c, std::ostream* os)
{
    *os << c.name;
}

class WheelOverPage : public ::testing::TestWithParam<WheelCase>
{
};

// A tall page in a short window: one notch down over any part of the page moves
// it by three lines of 96 twips.
TEST_P(WheelOverPage, OneNotchScrollsThreeLines)
{
    const WheelCase& c = GetParam();
    UiTestEnv env(UiTestEnv::bundledSettings());
    env.settings.CountInput = {40, 0, 0, 0, 0};
    env.settings.CountOutput = {16, 16, 16, 8, 8};
    MainWindow window(*env.pages);
    window.show();
    window.resize(window.width(), Twips::toPixelsY(3000));
    for (int i = 0; i < window.tabStrip()->count(); ++i) {
        if (window.tabTag(i).contains(QStringLiteral("|FormName=") + QLatin1String(c.form) +
                                      QLatin1Char('|')))
            window.tabStrip()->setCurrentIndex(i);
    }
    ASSERT_EQ(window.currentPage()->formName(), QLatin1String(c.form));
    auto* control = window.currentPage()->fraTab()->findChild<QWidget*>(QLatin1String(c.control));
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(window.verticalScroll()->isEnabled());
    auto* list = qobject_cast<QComboBox*>(control);
    const int listPosition = list ? list->currentIndex() : -1;

    const QPointF at(5, 5);
    QWheelEvent wheel(at, control->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(control, &wheel);
    EXPECT_EQ(window.verticalScroll()->value(), 288);
    if (list) {
        EXPECT_EQ(list->currentIndex(), listPosition);
    }
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, WheelOverPage,
    ::testing::Values(WheelCase{"OverANameBox", "frmTabStripData02", "txtInput1_0"},
                      WheelCase{"OverARowLabel", "frmTabStripData02", "txtLblPart01_3"},
                      WheelCase{"OverAPanelFrame", "frmTabStripData02", "Frame1"},
                      WheelCase{"OverAListWithoutFocus", "frmTabStripData09", "cmbAbgriffOutput1_0"}),
    [](const ::testing::TestParamInfo<WheelCase>& info) { return std::string(info.param.name); });

} // namespace

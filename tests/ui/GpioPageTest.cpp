#include "pages/GpioPage.h"
#include "pages/FaderBoxPage.h"

#include "ChooseDialog.h"
#include "FramedPanel.h"
#include "Twips.h"
#include "UiTestEnv.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QByteArray Definitions = "[Messages_GER]\nNotDefined=<nicht definiert>\n"
                               "[GPIO_Input_Data_GER]\n1=Rotlicht Studio\n2=Rotlicht Regie\n7=Fader Start\n"
                               "[GPIO_Output_Data_GER]\n3=Tally\n4=On-Air Lampe\n";

// A twip value as it comes back from the pixel geometry.
int rounded(int twips)
{
    return Twips::fromPixelsY(Twips::toPixelsY(twips));
}

int twipTop(const QWidget* w)
{
    return Twips::fromPixels(w->geometry()).top();
}

int twipHeight(const QWidget* w)
{
    return Twips::fromPixels(w->geometry()).height();
}

// Answers the next choice dialog: selects `row` (none for -1), records what it
// offered, presses OK.
void answerNextPick(ChooseDialog& dialog, int row, QStringList* offered = nullptr)
{
    QTimer::singleShot(0, &dialog, [&dialog, row, offered] {
        if (offered) {
            for (int i = 0; i < dialog.list()->count(); ++i)
                offered->append(dialog.list()->item(i)->text());
        }
        if (row >= 0)
            dialog.list()->setCurrentRow(row);
        dialog.okButton()->click();
    });
}

void click(QWidget* w)
{
    const QPointF at(3, 3);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

struct ModeCase
{
    int mode;
    int inputsShown;
    int outputsShown;
    int panel1Height;
    int panel2Top;
    int panel2Height; // 0: hidden
    int fraTabHeight;
};

// Design: rows 400 apart from 300, panel = top of the last box + 460, panels
// 15 apart from 120, 120 below the last one.
constexpr int P1 = 300 + 7 * 400 + 460;
constexpr int P2 = 300 + 15 * 400 + 460;
constexpr int Full = 120 + P1 + 15 + P2 + 120;

class GpioPageModes : public ::testing::TestWithParam<ModeCase>
{
};

TEST_P(GpioPageModes, ShowWhatTheDeviceHasAndFitThePage)
{
    const ModeCase c = GetParam();
    UiTestEnv env(Definitions);
    env.settings.GPIO_Options_Mode = static_cast<qint16>(c.mode);
    QWidget container;
    GpioPage page(*env.pages);
    page.load(&container);

    for (int i = 0; i < GpioPage::Inputs; ++i) {
        const bool hidden = i >= c.inputsShown;
        EXPECT_EQ(page.txtLblPart01(i)->isHidden(), hidden) << i;
        EXPECT_EQ(page.txtInput(i)->isHidden(), hidden) << i;
        EXPECT_EQ(page.picIn(i)->isHidden(), hidden) << i;
        EXPECT_EQ(page.txtInputInfo(i)->isHidden(), hidden) << i;
    }
    for (int i = 0; i < GpioPage::Outputs; ++i) {
        const bool hidden = i >= c.outputsShown;
        EXPECT_EQ(page.txtLblPart02(i)->isHidden(), hidden) << i;
        EXPECT_EQ(page.txtOutput(i)->isHidden(), hidden) << i;
        EXPECT_EQ(page.picOut(i)->isHidden(), hidden) << i;
        EXPECT_EQ(page.txtOutputInfo(i)->isHidden(), hidden) << i;
    }
    EXPECT_EQ(twipTop(page.fraContainerPart01()), rounded(120));
    EXPECT_EQ(twipHeight(page.fraContainerPart01()), rounded(c.panel1Height));
    EXPECT_EQ(page.fraContainerPart02()->isHidden(), c.panel2Height == 0);
    if (c.panel2Height != 0) {
        EXPECT_EQ(twipTop(page.fraContainerPart02()), rounded(c.panel2Top));
        EXPECT_EQ(twipHeight(page.fraContainerPart02()), rounded(c.panel2Height));
    }
    EXPECT_EQ(twipHeight(page.fraTab()), rounded(c.fraTabHeight));
}

INSTANTIATE_TEST_SUITE_P(
    OptionModes, GpioPageModes,
    ::testing::Values(
        // Inputs 1-4: the inputs panel ends 460 below input 4, the outputs follow it.
        ModeCase{1, 4, 16, 300 + 3 * 400 + 460, 120 + 300 + 3 * 400 + 460 + 15, P2,
                 Full - (P1 - (300 + 3 * 400 + 460))},
        ModeCase{2, 8, 12, P1, 120 + P1 + 15, 300 + 11 * 400 + 460, Full - (P2 - (300 + 11 * 400 + 460))},
        ModeCase{3, 8, 0, P1, 0, 0, Full - P2}, ModeCase{0, 8, 16, P1, 120 + P1 + 15, P2, Full},
        ModeCase{4, 8, 16, P1, 120 + P1 + 15, P2, Full}));

TEST(GpioPage, MissingKeysShowTheKeyAndEveryRowStartsNotAssigned)
{
    UiTestEnv env("[Messages_GER]\nNotDefined=<nicht definiert>\n"
                  "[TabStrip_GPIO_GER]\nPart01.Caption=Eing\xc3\xa4nge\nPart01.Label02=Rotlicht\n"
                  "Part01.ToolTip02=Eingang zwei\nPart02.ToolTip=Alle Ausg\xc3\xa4nge\n");
    env.settings.GPIO_Options_Mode = 0;
    QWidget container;
    GpioPage page(*env.pages);
    page.load(&container);

    EXPECT_EQ(page.fraContainerPart01()->caption(), QStringLiteral("Eingänge"));
    EXPECT_EQ(page.fraContainerPart01()->toolTip(), QString());
    EXPECT_EQ(page.fraContainerPart02()->caption(), QStringLiteral("Part02"));
    EXPECT_EQ(page.fraContainerPart02()->toolTip(), QStringLiteral("Alle Ausgänge"));
    EXPECT_EQ(page.txtLblPart01(0)->text(), QStringLiteral("Part01.Label01"));
    EXPECT_EQ(page.txtLblPart01(1)->text(), QStringLiteral("Rotlicht"));
    EXPECT_EQ(page.txtLblPart02(15)->text(), QStringLiteral("Part02.Label16"));
    for (QWidget* w : {static_cast<QWidget*>(page.txtLblPart01(1)), static_cast<QWidget*>(page.txtInput(1)),
                       static_cast<QWidget*>(page.txtInputInfo(1))})
        EXPECT_EQ(w->toolTip(), QStringLiteral("Eingang zwei"));
    EXPECT_EQ(page.txtInput(0)->toolTip(), QString());
    for (int i = 0; i < GpioPage::Outputs; ++i) {
        EXPECT_EQ(page.txtOutput(i)->text(), QStringLiteral("0"));
        EXPECT_EQ(page.txtOutputInfo(i)->text(), QStringLiteral("<nicht definiert>"));
        EXPECT_TRUE(page.txtOutput(i)->property("Tag").toString().isEmpty());
    }
}

TEST(GpioPage, EmptyDefinitionListOffersNothingAndOkClearsTheBox)
{
    UiTestEnv env("[Messages_GER]\nNotDefined=<nicht definiert>\n");
    QWidget container;
    GpioPage page(*env.pages);
    page.load(&container);
    env.data.Current.GpioInput[2] = 105;
    ASSERT_TRUE(page.fromDataSet(env.data));
    EXPECT_EQ(page.txtInput(2)->property("Tag").toString(), QStringLiteral("105"));

    ChooseDialog& dialog = env.pages->chooser();
    QStringList offered;
    answerNextPick(dialog, -1, &offered);
    click(page.txtInput(2));
    EXPECT_TRUE(offered.isEmpty());
    EXPECT_EQ(page.txtInput(2)->text(), QStringLiteral("0"));
    EXPECT_EQ(page.txtInputInfo(2)->text(), QStringLiteral("<nicht definiert>"));
    EXPECT_TRUE(page.txtInput(2)->property("Tag").toString().isEmpty());
}

TEST(GpioPage, ClickingPicksADefinitionAndAnUnknownStoredCodeShowsAsUnknown)
{
    UiTestEnv env(Definitions);
    QWidget container;
    GpioPage page(*env.pages);
    page.load(&container);

    // Loading starts the lists afresh from the settings.
    ASSERT_EQ(env.pages->lists.lstData[0].size(), 3);
    answerNextPick(env.pages->chooser(), 2);
    page.picIn(1)->click();
    EXPECT_EQ(page.txtInput(1)->text(), QStringLiteral("7"));
    EXPECT_EQ(page.txtInputInfo(1)->text(), QStringLiteral("Fader Start"));
    EXPECT_EQ(page.txtInput(1)->property("Tag").toString(), QStringLiteral("102"));

    // Never the definition shown before: the box keeps and saves 150.
    env.data.Current.GpioInput[1] = 150;
    ASSERT_TRUE(page.fromDataSet(env.data));
    EXPECT_EQ(page.txtInput(1)->text(), QStringLiteral("? 150"));
    EXPECT_EQ(page.txtInputInfo(1)->text(), QStringLiteral("? 150"));
    EXPECT_EQ(page.txtInput(1)->property("Tag").toString(), QStringLiteral("150"));
    ConfigurationData copy;
    page.toDataSet(copy);
    EXPECT_EQ(copy.Current.GpioInput[1], 150);
}

TEST(GpioPage, CodesSurviveTheRoundTripThroughThePage)
{
    UiTestEnv env(Definitions);
    env.settings.GPIO_Options_Mode = 1;
    QWidget container;
    GpioPage page(*env.pages);
    page.load(&container);
    for (int i = 0; i < GpioPage::Inputs; ++i)
        env.data.Current.GpioInput[i] = static_cast<qint16>(i % 2 == 0 ? 100 + i % 3 : 0);
    for (int i = 0; i < GpioPage::Outputs; ++i)
        env.data.Current.GpioOutput[i] = static_cast<qint16>(101 - i % 3);
    ASSERT_TRUE(page.fromDataSet(env.data));
    EXPECT_EQ(page.txtOutput(0)->text(), QStringLiteral("4"));
    EXPECT_EQ(page.txtOutputInfo(0)->text(), QStringLiteral("On-Air Lampe"));
    EXPECT_EQ(page.txtOutput(2)->text(), QStringLiteral("? 99")); // no definition carries 99
    EXPECT_EQ(page.txtOutputInfo(2)->text(), QStringLiteral("? 99"));

    ConfigurationData back;
    page.toDataSet(back);
    EXPECT_EQ(back.Current.GpioInput, env.data.Current.GpioInput);
    EXPECT_EQ(back.Current.GpioOutput, env.data.Current.GpioOutput);
}

TEST(FaderBoxPage, OffersTheGpioDefinitionsAndKeepsItsOwnCodes)
{
    UiTestEnv env(Definitions + "[TabStrip_FBox_GER]\nPart02.Caption=Ausg\xc3\xa4nge\n");
    QWidget container;
    GpioPage gpio(*env.pages);
    gpio.load(&container);
    FaderBoxPage fbox(*env.pages);
    fbox.load(&container);

    EXPECT_EQ(fbox.fraContainerPart01()->caption(), QStringLiteral("Part01"));
    EXPECT_EQ(fbox.fraContainerPart02()->caption(), QStringLiteral("Ausgänge"));
    EXPECT_EQ(fbox.txtLblPart02(8)->text(), QStringLiteral("Part02.Label09"));
    EXPECT_EQ(fbox.txtOutput(8)->text(), QStringLiteral("0"));
    EXPECT_EQ(twipTop(fbox.fraContainerPart02()), rounded(120 + 300 + 8 * 400 + 460 + 15));

    ChooseDialog& dialog = env.pages->chooser();
    QStringList fromGpio;
    QStringList fromFaderBox;
    answerNextPick(dialog, -1, &fromGpio);
    gpio.pickOutput(0);
    answerNextPick(dialog, 1, &fromFaderBox);
    click(fbox.txtOutput(8));
    EXPECT_EQ(fromFaderBox, fromGpio);
    EXPECT_EQ(fromFaderBox, (QStringList{QStringLiteral("3\tTally"), QStringLiteral("4\tOn-Air Lampe")}));
    EXPECT_EQ(fbox.txtOutput(8)->text(), QStringLiteral("4"));
    EXPECT_EQ(fbox.txtOutputInfo(8)->text(), QStringLiteral("On-Air Lampe"));

    // New definitions reach both pages through the shared lists.
    env.pages->lists.lstData[1] = {{QStringLiteral("9|Summer"), 100}};
    fromFaderBox.clear();
    answerNextPick(dialog, 0, &fromFaderBox);
    fbox.picOut(0)->click();
    EXPECT_EQ(fromFaderBox, QStringList{QStringLiteral("9\tSummer")});

    env.data.Current.FaderBoxInput = {100, 101, 102, 0, 100, 101, 102, 0, 120};
    env.data.Current.FaderBoxOutput = {0, 100, 0, 100, 0, 100, 0, 100, 0};
    ASSERT_TRUE(fbox.fromDataSet(env.data));
    EXPECT_EQ(fbox.txtInputInfo(1)->text(), QStringLiteral("Rotlicht Regie"));
    ConfigurationData back;
    fbox.toDataSet(back);
    EXPECT_EQ(back.Current.FaderBoxInput, env.data.Current.FaderBoxInput);
    EXPECT_EQ(back.Current.FaderBoxOutput, env.data.Current.FaderBoxOutput);
    EXPECT_EQ(back.Current.GpioInput, ConfigurationData{}.Current.GpioInput);
}

} // namespace

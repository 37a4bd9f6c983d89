#include "AllPages.h"
#include "FramedPanel.h"
#include "MainWindow.h"
#include "ScriptedProgram.h"
#include "UiTestEnv.h"
#include "SettingsFile.h"
#include "pages/NamesPage.h"
#include "pages/TabPage.h"

#include <QLineEdit>
#include <QTabBar>

#include <gtest/gtest.h>

namespace {

// The program starts with one page built; the others follow after start-up or
// when their tab is chosen. What is shown, saved and sent must not depend on
// which pages were built when.
class PagesOnFirstUse : public ScriptedProgram
{
protected:
    // A start-up file whose first name part reads "R1-<position>" and whose
    // layer A, pair 1 takes name 4 of part 1; the editor opens on tab `tab`.
    void start(int tab)
    {
        DataSet d;
        d.DataVersion.set(QStringLiteral("2.1"));
        for (int n = 0; n < DataSet::SlotsPerPart; ++n)
            d.InputName[0][n].set(QStringLiteral("R1-%1").arg(n + 1));
        d.LayerAssign[0][0] = 1003;
        folder.write(QStringLiteral("Start.DAT"), d.toBytes());

        const QString ini = quietSettings(QStringLiteral("Start.DAT"));
        WriteSetting(ini, QStringLiteral("Main"), QStringLiteral("RestoreLastPosition"), QStringLiteral("yes"), false);
        WriteSetting(ini, QStringLiteral("Recent"), QStringLiteral("ActTabStrip"), QString::number(tab), false);
        ScriptedProgram::start();
    }

    MainWindow& window() const { return *shell->mainWindow(); }
    TabPage* page(const char* form) const { return window().page(QString::fromLatin1(form)); }
    QLineEdit* box(const char* form, const char* name) const
    {
        TabPage* p = page(form);
        return p && p->isLoaded() ? p->fraTab()->findChild<QLineEdit*>(QString::fromLatin1(name)) : nullptr;
    }
    void chooseTab(const char* form)
    {
        QTabBar* tabs = window().tabStrip();
        for (int i = 0; i < tabs->count(); ++i) {
            if (window().tabTag(i).contains(QStringLiteral("|FormName=") + QString::fromLatin1(form) + '|'))
                tabs->setCurrentIndex(i);
        }
    }
    QByteArray saveNow(const QString& fileName)
    {
        const QString path = folder.file(fileName);
        fileAnswers = {path};
        app->InterpretMenuCommand(2);
        return TestFolder::read(path);
    }
};

constexpr const char* Names = "frmTabStripData02";
constexpr const char* Layers = "frmTabStripData03";

TEST_F(PagesOnFirstUse, OnlyTheShownPageIsBuiltAtStartAndTheRestFollow)
{
    start(1);
    int built = 0;
    for (const auto& p : window().pages())
        built += p->isLoaded() ? 1 : 0;
    EXPECT_EQ(built, 1);
    EXPECT_TRUE(WaitForAllPages(window()));
}

// The layer page shown first finds the names in the data set, not blanks of a
// names page that is not there yet.
TEST_F(PagesOnFirstUse, LayerPageShownFirstNamesItsSourceFromTheFile)
{
    start(3);
    ASSERT_FALSE(page(Names)->isLoaded());
    ASSERT_NE(box(Layers, "txtInputA_0"), nullptr);
    EXPECT_EQ(box(Layers, "txtInputA_0")->text(), QStringLiteral("R1-4"));
}

TEST_F(PagesOnFirstUse, ANameTypedShowsOnTheLayerPageBuiltAfterIt)
{
    start(2);
    ASSERT_FALSE(page(Layers)->isLoaded());
    box(Names, "txtInput1_3")->setText(QStringLiteral("NEU"));
    chooseTab(Layers);
    ASSERT_NE(box(Layers, "txtInputA_0"), nullptr);
    EXPECT_EQ(box(Layers, "txtInputA_0")->text(), QStringLiteral("NEU"));
}

// Saved right after start-up and saved after every page was built: the same bytes.
TEST_F(PagesOnFirstUse, WhatIsSavedDoesNotDependOnThePagesBuilt)
{
    start(1);
    ASSERT_FALSE(page(Layers)->isLoaded());
    const QByteArray early = saveNow(QStringLiteral("Early.DAT"));
    ASSERT_EQ(early.size(), 8449);
    EXPECT_EQ(early.mid(10 + 3 * 16, 16), QByteArray("R1-4            "));

    shell.reset();
    app.reset();
    start(1);
    ASSERT_TRUE(WaitForAllPages(window()));
    EXPECT_EQ(saveNow(QStringLiteral("Late.DAT")), early);
}

// A data set from the device right after start-up is read, and one sent, through
// the same lists whichever pages were built by then.
TEST_F(PagesOnFirstUse, TheTransferListsAreThereBeforeTheirPages)
{
    start(1);
    const SelectorLists atStart = shell->selectorLists();
    ASSERT_TRUE(WaitForAllPages(window()));
    EXPECT_FALSE(atStart.cmbKanal.isEmpty());
    EXPECT_TRUE(atStart == shell->selectorLists());
}

// The blank-name check names the field by the box's tooltip, also when the
// names page was never opened.
TEST(NamesPageUnbuilt, ToolTipsAreTheBuiltPagesOnes)
{
    UiTestEnv env(UiTestEnv::bundledSettings());
    ASSERT_EQ(env.readStartupSettings(), 0);
    NamesPage unbuilt(*env.pages);
    NamesPage built(*env.pages);
    QWidget container;
    built.load(&container);
    for (const auto& [part, index] : {std::pair{1, 0}, {1, 11}, {3, 7}, {5, 0}, {2, 40}}) {
        EXPECT_EQ(unbuilt.toolTip(part, index), built.toolTip(part, index)) << part << "/" << index;
        EXPECT_EQ(unbuilt.nameText(part, index), std::nullopt);
    }
    EXPECT_FALSE(built.toolTip(1, 0).isEmpty());
}

} // namespace

#include "ChooseDialog.h"

#include "UiTestEnv.h"

#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

enum class Action
{
    Ok,
    Cancel,
    DoubleClick,
    ClickThenOk
};

struct Case
{
    const char* name;
    QString preset;
    int expectedPreselected; // row, -1 for none
    Action action;
    int actOnRow;
    QString expectedActItem;
};

class ChooseDialogCases : public ::testing::TestWithParam<Case>
{
};

void fill(ChooseDialog& dialog)
{
    dialog.clearEntries();
    dialog.addEntry(QStringLiteral("NotDefined"), 0);
    dialog.addEntry(QStringLiteral("MIC 1"), 1000);
    dialog.addEntry(QStringLiteral("MIC 2"), 1001);
    dialog.addEntry(QStringLiteral("CD"), 1100);
}

TEST_P(ChooseDialogCases, PickReturnsTheCodeTheUserMeant)
{
    const Case& c = GetParam();
    UiTestEnv env;
    ChooseDialog dialog(*env.messages);
    fill(dialog);
    dialog.setActItem(c.preset);
    int preselected = -2;
    QTimer::singleShot(0, &dialog, [&] {
        const auto selected = dialog.list()->selectedItems();
        preselected = selected.isEmpty() ? -1 : dialog.list()->row(selected.first());
        QListWidgetItem* item = dialog.list()->item(c.actOnRow);
        switch (c.action) {
        case Action::Ok:
            dialog.okButton()->click();
            break;
        case Action::Cancel:
            dialog.cancelButton()->click();
            break;
        case Action::DoubleClick:
            Q_EMIT dialog.list()->itemDoubleClicked(item);
            break;
        case Action::ClickThenOk:
            dialog.list()->setCurrentItem(item);
            EXPECT_TRUE(dialog.isVisible()) << "a single click only selects";
            dialog.okButton()->click();
            break;
        }
    });
    dialog.exec();
    EXPECT_EQ(preselected, c.expectedPreselected);
    EXPECT_EQ(dialog.actItem(), c.expectedActItem);
    EXPECT_FALSE(dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    ChooseDialog, ChooseDialogCases,
    ::testing::Values(
        Case{"OkWithoutSelectionGivesEmpty", QString(), -1, Action::Ok, 0, QString()},
        Case{"PresetIsSelectedAndOkKeepsIt", QStringLiteral(" 1001 "), 2, Action::Ok, 0,
             QStringLiteral("1001")},
        Case{"CancelKeepsTheCallersCode", QStringLiteral("1100"), 3, Action::Cancel, 1,
             QStringLiteral("1100")},
        Case{"UnknownPresetSelectsNothing", QStringLiteral("1406"), -1, Action::Ok, 0, QString()},
        Case{"DoubleClickChooses", QStringLiteral("1000"), 1, Action::DoubleClick, 3, QStringLiteral("1100")},
        Case{"ClickThenOkChoosesTheClickedEntry", QString(), -1, Action::ClickThenOk, 0,
             QStringLiteral("0")}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(ChooseDialog, EntriesKeepTheirOrderAndCaptionComesFromTheMessages)
{
    UiTestEnv env("[Messages_GER]\nForm_Choose.Caption=Ziel w\xc3\xa4hlen\n");
    ChooseDialog dialog(*env.messages);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ziel wählen"));
    EXPECT_EQ(dialog.list()->toolTip(), QString());
    dialog.addEntry(QStringLiteral("Z"), 3);
    dialog.addEntry(QStringLiteral("A"), 1);
    dialog.addEntry(QStringLiteral("M"), 2);
    dialog.removeEntryWithData(1);
    ASSERT_EQ(dialog.entryCount(), 2);
    EXPECT_EQ(dialog.list()->item(0)->text(), QStringLiteral("Z"));
    EXPECT_EQ(dialog.list()->item(1)->text(), QStringLiteral("M"));
}

TEST(ChooseDialog, MissingCaptionShowsItsKey)
{
    UiTestEnv env;
    ChooseDialog dialog(*env.messages);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Form_Choose.Caption"));
}

} // namespace

namespace {

// The cancel button speaks the chosen language, from its message section or,
// in a file without the text, from the program's own German or English word.
TEST(ChooseDialogTexts, CancelButtonInTheChosenLanguage)
{
    const struct
    {
        const char* language;
        QByteArray ini;
        const char* expected;
    } cases[] = {
        {"GER", {}, "Abbrechen"},
        {"ENG", {}, "Cancel"},
        {"ENG", "[Messages_ENG]\r\nForm_Choose.Cancel=Leave\r\n", "Leave"},
    };
    for (const auto& c : cases) {
        UiTestEnv env(c.ini, QString::fromLatin1(c.language));
        ChooseDialog dialog(*env.messages);
        const auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel"));
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), QString::fromLatin1(c.expected)) << c.language;
    }
}

} // namespace

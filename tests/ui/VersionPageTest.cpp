#include "pages/VersionPage.h"

#include "UiTestEnv.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

void press(QLineEdit* box, int key, const QString& text = {})
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &event);
}

void type(QLineEdit* box, const QString& text)
{
    for (const QChar c : text)
        press(box, 0, QString(c));
}

class VersionPageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        env.pages->runCommand = [this](int number) { commands.push_back(number); };
        page.load(&container);
    }

    UiTestEnv env;
    QWidget container;
    VersionPage page{*env.pages};
    std::vector<int> commands;
};

TEST_F(VersionPageTest, VersionBoxTakesFourDigitsAndEditingKeys)
{
    QLineEdit* box = page.txtACUVersion();
    type(box, QStringLiteral("1a2B-"));
    EXPECT_EQ(box->text(), QStringLiteral("12"));
    press(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), QStringLiteral("1"));
    type(box, QStringLiteral("234 5"));
    EXPECT_EQ(box->text(), QStringLiteral("1234"));
    // A paste holding a letter is refused as a whole.
    box->clear();
    box->insert(QStringLiteral("7x"));
    EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(page.txtLblPart01()->text(), QStringLiteral("ACU Version"));
}

TEST_F(VersionPageTest, ToolbarButtonSendsTheVersion)
{
    QAction* send = page.sendButton();
    ASSERT_EQ(page.ToolbarPart01()->actions().size(), 1);
    EXPECT_EQ(send->toolTip(), QStringLiteral("ACU Version senden"));
    EXPECT_FALSE(send->icon().isNull());
    auto* button = qobject_cast<QToolButton*>(page.ToolbarPart01()->widgetForAction(send));
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->autoRaise());
    button->click();
    EXPECT_EQ(commands, std::vector<int>{108});
}

TEST_F(VersionPageTest, VersionTravelsWithoutTrailingBlanks)
{
    env.data.ACUVersion.set(QStringLiteral("12"));
    ASSERT_TRUE(page.fromDataSet(env.data));
    EXPECT_EQ(page.txtACUVersion()->text(), QStringLiteral("12"));
    page.txtACUVersion()->setText(QStringLiteral("0815"));
    ConfigurationData back;
    page.toDataSet(back);
    EXPECT_EQ(back.ACUVersion.raw(), QByteArray("0815"));
    page.txtACUVersion()->setText(QStringLiteral("7"));
    page.toDataSet(back);
    EXPECT_EQ(back.ACUVersion.raw(), QByteArray("7   "));
}

} // namespace

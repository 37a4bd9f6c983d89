#include "pages/GpioChannelPicker.h"

#include "pages/BoxTag.h"

#include "ChooseDialog.h"
#include "UiTestEnv.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class GpioChannelPickerTest : public ::testing::Test
{
protected:
    UiTestEnv env{"[Messages_GER]\nNotDefined=<nicht definiert>\n"};
    GpioChannelPicker picker{*env.pages};
    QLineEdit box;
    QLineEdit info;
};

TEST_F(GpioChannelPickerTest, CodeZeroShowsNotAssigned)
{
    picker.showGpioChannel(&box, &info, 0, 0);
    EXPECT_EQ(box.text(), QStringLiteral("0"));
    EXPECT_EQ(info.text(), QStringLiteral("<nicht definiert>"));
    EXPECT_TRUE(BoxTag::get(&box).isEmpty());
    EXPECT_EQ(BoxTag::code(&box), 0);
}

TEST_F(GpioChannelPickerTest, UnknownCodeShowsAsUnknownAndIsStored)
{
    env.pages->lists.lstData[1] = {{QStringLiteral("1|Rotlicht"), 100}};
    picker.showGpioChannel(&box, &info, 100, 1);
    EXPECT_EQ(box.text(), QStringLiteral("1"));
    EXPECT_EQ(info.text(), QStringLiteral("Rotlicht"));
    picker.showGpioChannel(&box, &info, 107, 1);
    EXPECT_EQ(box.text(), QStringLiteral("? 107"));
    EXPECT_EQ(info.text(), QStringLiteral("? 107"));
    EXPECT_EQ(BoxTag::code(&box), 107);
}

TEST_F(GpioChannelPickerTest, EmptyListAndOkStoresZero)
{
    BoxTag::set(&box, QStringLiteral("101"));
    ChooseDialog& dialog = env.pages->chooser();
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.okButton()->click(); });
    picker.pickGpioChannel(&box, &info, 0);
    EXPECT_EQ(dialog.entryCount(), 0);
    EXPECT_EQ(box.text(), QStringLiteral("0"));
    EXPECT_EQ(info.text(), QStringLiteral("<nicht definiert>"));
    EXPECT_TRUE(BoxTag::get(&box).isEmpty());
}

} // namespace

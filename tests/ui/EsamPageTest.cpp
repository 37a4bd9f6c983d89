#include "pages/EsamPage.h"
#include "pages/NamesPage.h"
#include "pages/PageLists.h"

#include "ChooseDialog.h"
#include "FramedPanel.h"
#include "UiTestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QByteArray Texts = R"(
[Messages_GER]
NotDefined=<nicht definiert>
TwoChannels=2 Kanäle
[TabStrip_Esam_GER]
Part02.Caption=VTR-Quellen
Part02.Row.ToolTip=Maschine
Part02.DropDown.ToolTip=Quelle wählen
Part01.Opt02.Caption=ESAM
Part04.Label01=Kanalzahl
)";

class EsamPageTest : public ::testing::Test
{
protected:
    EsamPageTest()
    {
        env.settings.CountInput = {4, 0, 0, 0, 0};
        env.pages->findPage = [this](const QString& form) -> TabPage* {
            if (form == names.formName())
                return &names;
            return form == page.formName() ? &page : nullptr;
        };
        names.load(&container);
        const QStringList signalNames{QStringLiteral("Mic 1"), QStringLiteral("Mic 2"), QStringLiteral("CD"),
                                      QString()};
        for (int i = 0; i < signalNames.size(); ++i)
            names.txtInput(1, i)->setText(signalNames[i]);
        page.load(&container);
    }

    // Answers the next choice dialog with the entry carrying `code` (-1: Cancel)
    // and returns the codes it offered.
    QList<int> pick(int column, int row, int code)
    {
        QList<int> offered;
        ChooseDialog& dialog = env.pages->chooser();
        QTimer::singleShot(0, &dialog, [&dialog, &offered, code] {
            QListWidget* list = dialog.list();
            for (int i = 0; i < list->count(); ++i) {
                const int data = list->item(i)->data(Qt::UserRole).toInt();
                offered.append(data);
                if (data == code)
                    list->setCurrentRow(i);
            }
            (code < 0 ? dialog.cancelButton() : dialog.okButton())->click();
        });
        page.picVTRSource(column, row)->click();
        return offered;
    }

    void setSources(std::array<qint16, 9> first, std::array<qint16, 9> second)
    {
        ConfigurationData data;
        data.Current.VTRSource1 = first;
        data.Current.VTRSource2 = second;
        ASSERT_TRUE(page.fromDataSet(data));
    }

    UiTestEnv env{Texts};
    QWidget container;
    NamesPage names{*env.pages};
    EsamPage page{*env.pages};
};

TEST_F(EsamPageTest, MissingKeysShowTheirDefaults)
{
    EXPECT_EQ(page.fraContainerPart(1)->caption(), QStringLiteral("Part01"));
    EXPECT_EQ(page.fraContainerPart(2)->caption(), QStringLiteral("VTR-Quellen"));
    EXPECT_EQ(page.fraContainerPart(3)->caption(), QStringLiteral("Part03"));
    EXPECT_EQ(page.fraVTRChannelColHdr()->caption(), QStringLiteral("Col.Caption"));
    EXPECT_EQ(page.fraVTRChannelRowHdr()->caption(), QStringLiteral("Row.Caption"));
    EXPECT_EQ(page.txtLblVTR(8)->toolTip(), QStringLiteral("Maschine"));
    EXPECT_EQ(page.txtLblVTR(8)->text(), QStringLiteral("H"));
    EXPECT_EQ(page.txtlblChannel(1)->text(), QStringLiteral("03 - 04"));
    EXPECT_EQ(page.picVTRSource(2, 4)->toolTip(), QStringLiteral("Quelle wählen"));
    EXPECT_EQ(page.txtVTRSource(1, 0)->toolTip(), QStringLiteral("Quelle wählen"));
    EXPECT_EQ(page.txtVTRSource(2, 8)->text(), QStringLiteral("<nicht definiert>"));
    EXPECT_EQ(page.chkControl(0)->text(), QStringLiteral("Part01.Opt01.Caption"));
    EXPECT_EQ(page.chkControl(1)->text(), QStringLiteral("ESAM"));
    EXPECT_EQ(page.txtlblPart03()->text(), QStringLiteral("Part03.Label01"));
    EXPECT_EQ(page.txtlblPart04()->text(), QStringLiteral("Kanalzahl"));
}

TEST_F(EsamPageTest, ListsCarryTheirItemDataAndAreMirrored)
{
    const EntryList frames{{QStringLiteral("25 frames"), 25}, {QStringLiteral("30 frames"), 30}};
    const EntryList channels{{QStringLiteral("2 Kanäle"), 2}, {QStringLiteral("FourChannels"), 1}};
    EXPECT_EQ(PageLists::entries(page.cmbFrames()), frames);
    EXPECT_EQ(PageLists::entries(page.cmbChannels()), channels);
    EXPECT_EQ(env.pages->lists.cmbFrames, frames);
    EXPECT_EQ(env.pages->lists.cmbChannels, channels);
    EXPECT_EQ(page.cmbChannels()->currentIndex(), 0);
}

TEST_F(EsamPageTest, ControlModeKeepsExactlyOneMark)
{
    page.chkControl(1)->click();
    page.chkControl(1)->click();
    EXPECT_TRUE(page.chkControl(1)->isChecked());
    page.chkControl(2)->click();
    EXPECT_FALSE(page.chkControl(1)->isChecked());
    EXPECT_TRUE(page.chkControl(2)->isChecked());
    EXPECT_FALSE(page.chkControl(0)->isChecked());
}

TEST_F(EsamPageTest, DataSetRoundTrip)
{
    ConfigurationData in;
    in.Current.ControlMode = {0, 0, 1};
    in.Current.VTRSource1 = {1000, 0, 1002, 0, 0, 0, 0, 0, 1001};
    in.Current.VTRSource2 = {1001, 0, 0, 0, 0, 0, 0, 0, 0};
    in.Current.EsamFrames = 1;
    in.Current.EsamChannels = 1;
    ASSERT_TRUE(page.fromDataSet(in));
    EXPECT_EQ(page.txtVTRSource(1, 2)->text(), QStringLiteral("CD"));
    EXPECT_EQ(page.txtVTRSource(2, 0)->text(), QStringLiteral("Mic 2"));
    EXPECT_EQ(page.txtVTRSource(1, 1)->text(), QStringLiteral("<nicht definiert>"));
    ConfigurationData out;
    page.toDataSet(out);
    EXPECT_EQ(out.Current.ControlMode, in.Current.ControlMode);
    EXPECT_EQ(out.Current.VTRSource1, in.Current.VTRSource1);
    EXPECT_EQ(out.Current.VTRSource2, in.Current.VTRSource2);
    EXPECT_EQ(out.Current.EsamFrames, 1);
    EXPECT_EQ(out.Current.EsamChannels, 1);
}

TEST_F(EsamPageTest, ValueAControlCannotTakeFailsTheTransfer)
{
    const std::vector<std::function<void(DataSet&)>> faults = {
        [](DataSet& d) { d.EsamFrames = 2; },
        [](DataSet& d) { d.EsamChannels = 5; },
        [](DataSet& d) { d.ControlMode[2] = 4; },
    };
    for (size_t i = 0; i < faults.size(); ++i) {
        ConfigurationData data;
        faults[i](data.Current);
        EXPECT_FALSE(page.fromDataSet(data)) << "case " << i;
    }
}

TEST_F(EsamPageTest, SourceInOneBoxIsNotOfferedForTheOthers)
{
    setSources({1000, 0, 0, 0, 0, 0, 0, 0, 0}, {1002, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(pick(1, 3, -1), (QList<int>{0, 1001}));
    // The box's own source stays on offer for itself.
    EXPECT_EQ(pick(1, 0, -1), (QList<int>{0, 1000, 1001}));
    EXPECT_EQ(page.txtVTRSource(1, 0)->text(), QStringLiteral("Mic 1"));
    pick(1, 3, 1001);
    EXPECT_EQ(page.txtVTRSource(1, 3)->text(), QStringLiteral("Mic 2"));
    EXPECT_EQ(pick(2, 5, -1), QList<int>{0});
}

TEST_F(EsamPageTest, SecondSourceNeedsAFirst)
{
    setSources({1000, 0, 0, 0, 0, 0, 0, 0, 0}, {1002, 0, 1001, 0, 0, 0, 0, 0, 0});
    // Row 2 holds a second source without a first: any pick clears it.
    pick(2, 8, -1);
    EXPECT_EQ(page.txtVTRSource(2, 2)->text(), QStringLiteral("<nicht definiert>"));
    EXPECT_TRUE(page.txtVTRSource(2, 2)->property("Tag").toString().isEmpty());
    EXPECT_EQ(page.txtVTRSource(2, 0)->text(), QStringLiteral("CD"));
    // Clearing the first source of row 0 takes the second with it.
    pick(1, 0, 0);
    EXPECT_EQ(page.txtVTRSource(1, 0)->text(), QStringLiteral("<nicht definiert>"));
    EXPECT_EQ(page.txtVTRSource(2, 0)->text(), QStringLiteral("<nicht definiert>"));
    ConfigurationData out;
    page.toDataSet(out);
    EXPECT_EQ(out.Current.VTRSource2, (std::array<qint16, 9>{}));
}

} // namespace

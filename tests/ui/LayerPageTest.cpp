#include "pages/LayerPage.h"
#include "pages/NamesPage.h"

#include "ChooseDialog.h"
#include "DataSet.h"
#include "FramedPanel.h"
#include "Twips.h"
#include "UiTestEnv.h"
#include "pages/BoxTag.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The names page and the layer page together, as the main window hosts them.
class LayerPageTest : public ::testing::Test
{
protected:
    LayerPageTest()
    {
        env.settings.CountInput = {4, 4, 4, 4, 8};
        env.pages->findPage = [this](const QString& form) -> TabPage* {
            if (form == names.formName())
                return &names;
            if (form == layers.formName())
                return &layers;
            return nullptr;
        };
    }

    void load()
    {
        names.load(&container);
        layers.load(&container);
        for (int part = 1; part <= 5; ++part)
            for (int i = 0; i < 4; ++i)
                names.txtInput(part, i)->setText(QStringLiteral("S%1-%2").arg(part).arg(i + 1));
        names.txtInput(5, 6)->setText(QStringLiteral("REGIE"));
    }

    // Runs a pick and lets `answer` handle the dialog while it is shown;
    // returns the codes the dialog offered.
    QList<int> pick(int layer, int n, const std::function<void(ChooseDialog&)>& answer)
    {
        ChooseDialog& dialog = env.pages->chooser();
        QList<int> offered;
        QTimer::singleShot(0, &dialog, [&] {
            for (int i = 0; i < dialog.list()->count(); ++i)
                offered.append(dialog.list()->item(i)->data(Qt::UserRole).toInt());
            answer(dialog);
        });
        layers.pick(layer, n);
        return offered;
    }

    static std::function<void(ChooseDialog&)> choose(int code)
    {
        return [code](ChooseDialog& dialog) {
            for (int i = 0; i < dialog.list()->count(); ++i)
                if (dialog.list()->item(i)->data(Qt::UserRole).toInt() == code)
                    dialog.list()->setCurrentRow(i);
            dialog.okButton()->click();
        };
    }

    UiTestEnv env{"[Messages_GER]\nNotDefined=<nicht definiert>\n"
                  "[TabStrip_Layer_GER]\nRow.Caption=Fader\nRowSub.Caption01=1 / 2\nColSub.Caption01=A\n"
                  "Row.ToolTip=Faderpaar\n"};
    QWidget container;
    NamesPage names{*env.pages};
    LayerPage layers{*env.pages};
};

TEST_F(LayerPageTest, TextsAndTheirDefaults)
{
    load();
    EXPECT_EQ(layers.fraChannelLayer(2)->caption(), QStringLiteral("Fader"));
    EXPECT_EQ(layers.fraChannelLayer(3)->caption(), QStringLiteral("Col.Caption"));
    EXPECT_EQ(layers.txtLblLayer(1)->text(), QStringLiteral("RowSub.Caption02"));
    EXPECT_EQ(layers.txtLblLeft(0)->text(), QStringLiteral(" A"));
    EXPECT_EQ(layers.txtLblLeft(1)->text(), QStringLiteral(" ColSub.Caption02"));
    // The row tooltip reaches the first four row labels only.
    EXPECT_EQ(layers.txtLblLayer(3)->toolTip(), QStringLiteral("Faderpaar"));
    EXPECT_EQ(layers.txtLblLayer(4)->toolTip(), QString());
    EXPECT_EQ(layers.txtInput(0, 0)->text(), QStringLiteral("<nicht definiert>"));
}

TEST_F(LayerPageTest, FaderCountHidesTheUnusedPairs)
{
    env.settings.Layer_NumFaders = 8;
    load();
    for (int n = 0; n < LayerPage::Pairs; ++n) {
        EXPECT_EQ(layers.txtLblLayer(n)->isHidden(), n >= 4) << n;
        EXPECT_EQ(layers.txtInput(7, n)->isHidden(), n >= 4) << n;
        EXPECT_EQ(layers.pic(7, n)->isHidden(), n >= 4) << n;
    }
    EXPECT_EQ(layers.fraChannelLayer(2)->width(), layers.fraChannelLayer(1)->width());
}

TEST_F(LayerPageTest, LayerAOffersOnlyNamedSignalsAndCancelKeepsTheSource)
{
    load();
    names.txtInput(2, 1)->clear();
    QList<int> offered = pick(0, 0, choose(1003));
    EXPECT_FALSE(offered.contains(0));
    EXPECT_FALSE(offered.contains(1101)) << "an empty name is no source";
    EXPECT_TRUE(offered.contains(1406));
    EXPECT_EQ(layers.txtInput(0, 0)->text(), QStringLiteral("S1-4"));
    EXPECT_EQ(BoxTag::get(layers.txtInput(0, 0)), QStringLiteral("1003"));

    pick(0, 0, [](ChooseDialog& d) { d.cancelButton()->click(); });
    EXPECT_EQ(BoxTag::get(layers.txtInput(0, 0)), QStringLiteral("1003"));

    offered = pick(1, 0, choose(0));
    EXPECT_EQ(offered.value(0), 0) << "other layers start with the not-assigned entry";
    EXPECT_EQ(layers.txtInput(1, 0)->text(), QStringLiteral("<nicht definiert>"));
}

TEST_F(LayerPageTest, SignalOfPosition1406GoesToOneCellOnly)
{
    load();
    pick(2, 3, choose(1406));
    EXPECT_EQ(layers.txtInput(2, 3)->text(), QStringLiteral("REGIE"));
    EXPECT_FALSE(pick(4, 0, choose(1000)).contains(1406));
    EXPECT_TRUE(pick(2, 3, choose(1406)).contains(1406)) << "the cell that holds it keeps it offered";
    pick(0, 1, choose(1001));
    EXPECT_TRUE(pick(5, 5, choose(1001)).contains(1001)) << "any other signal may be used again";
}

TEST_F(LayerPageTest, RenamedOrEmptiedNamesShowOnTheNextRefresh)
{
    load();
    ConfigurationData& data = env.data;
    data.Current.LayerAssign[0][0] = 1000;
    data.Current.LayerAssign[3][7] = 1203;
    data.Current.LayerAssign[4][4] = 1460; // beyond the part's eight names
    ASSERT_TRUE(layers.fromDataSet(data));
    EXPECT_EQ(layers.txtInput(0, 0)->text(), QStringLiteral("S1-1"));
    EXPECT_EQ(layers.txtInput(3, 7)->text(), QStringLiteral("S3-4"));
    EXPECT_EQ(layers.txtInput(4, 4)->text(), QStringLiteral("<nicht definiert>"));

    names.txtInput(1, 0)->setText(QStringLiteral("SPRECHER"));
    names.txtInput(3, 3)->clear();
    layers.activated();
    EXPECT_EQ(layers.txtInput(0, 0)->text(), QStringLiteral("SPRECHER"));
    EXPECT_EQ(layers.txtInput(3, 7)->text(), QStringLiteral("<nicht definiert>"));

    ConfigurationData back;
    layers.toDataSet(back);
    EXPECT_EQ(back.Current.LayerAssign[0][0], 1000);
    EXPECT_EQ(back.Current.LayerAssign[3][7], 0);
}

// Codes from a data file of another device: no list entry carries them.
TEST_F(LayerPageTest, UnknownCodesShowAsUnknownNeverAsTheNameBeforeAndAreSaved)
{
    load();
    for (const int code : {12077, 11050, 10099, 13001, 500}) {
        SCOPED_TRACE(code);
        env.data.Current.LayerAssign[2][1] = 1000;
        ASSERT_TRUE(layers.fromDataSet(env.data));
        ASSERT_EQ(layers.txtInput(2, 1)->text(), QStringLiteral("S1-1"));

        env.data.Current.LayerAssign[2][1] = static_cast<qint16>(code);
        ASSERT_TRUE(layers.fromDataSet(env.data));
        EXPECT_EQ(layers.txtInput(2, 1)->text(), QStringLiteral("? %1").arg(code));
        layers.activated(); // the refresh of every tab change
        EXPECT_EQ(layers.txtInput(2, 1)->text(), QStringLiteral("? %1").arg(code));
        ConfigurationData back;
        layers.toDataSet(back);
        EXPECT_EQ(back.Current.LayerAssign[2][1], code);
    }
}

} // namespace

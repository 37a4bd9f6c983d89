#include "pages/SnapshotPage.h"
#include "pages/SnapshotToolbar.h"

#include "FramedPanel.h"
#include "UiTestEnv.h"
#include "pages/BoxTag.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

const QByteArray Texts = R"(
[Messages_GER]
StartUpConf_Temp=Temporär
[TabStrip_SnapShot_GER]
Part01.Caption=Snapshots
Part01.Label01=Morgen
Part01.Label02=Mittag
Part01.Label03=Abend
Part01.Label04=Nacht
Part01.Label05=Sport
Part01.Label06=Wahl
Part01.Label07=Musik
Part01.ToolTip03=Abendsendung
Part01.Button01.ToolTip_ON=Merker 1 an
Part01.Button01.ToolTip_OFF=Merker 1 aus
Part01.Button02.ToolTip_ON=Merker 2 an
Part01.Button02.ToolTip_OFF=Merker 2 aus
Part01.Button03.ToolTip=Holen
Part01.Button04.ToolTip=Senden
Part02.Caption=Gruppe
Part02.ToolTip=Alle acht
Part02.Label01=Gruppendatei
Part02.Button01.ToolTip=Gruppe holen
Part02.Button02.ToolTip=Gruppe senden
)";

class SnapshotPageTest : public ::testing::Test
{
protected:
    SnapshotPageTest()
    {
        env.settings.ProgramFolder = env.folder.path();
        page = std::make_unique<SnapshotPage>(*env.pages);
        page->load(&container);
    }

    QToolButton* button(int slot, int number) const { return page->ToolbarPart01(slot)->button(number); }
    QString folderFile(const QString& name) const { return QDir::toNativeSeparators(env.folder.file(name)); }

    UiTestEnv env{Texts};
    QWidget container;
    std::unique_ptr<SnapshotPage> page;
};

TEST_F(SnapshotPageTest, ReadsItsTextsWithTheirDefaults)
{
    EXPECT_EQ(page->txtLblPart01(2)->text(), QStringLiteral("Abend"));
    EXPECT_EQ(page->txtLblPart01(7)->text(), QStringLiteral("Part01.Label08"));
    for (QWidget* w : {static_cast<QWidget*>(page->txtLblPart01(2)), static_cast<QWidget*>(page->txtInfoPart01(2)),
                       static_cast<QWidget*>(page->txtConfigName(2))})
        EXPECT_EQ(w->toolTip(), QStringLiteral("Abendsendung")) << w->objectName().toStdString();
    EXPECT_EQ(page->txtInfoPart01(1)->toolTip(), QString());
    EXPECT_EQ(page->fraContainerPart(1)->toolTip(), QStringLiteral("Snapshots"));
    EXPECT_EQ(page->fraContainerPart(2)->toolTip(), QStringLiteral("Alle acht"));
    EXPECT_EQ(page->fraContainerPart(3)->caption(), QStringLiteral("Part03"));
    EXPECT_EQ(page->txtLblPart03()->text(), QStringLiteral("Part03.Label01"));
    EXPECT_EQ(button(5, SnapshotToolbar::Fetch)->toolTip(), QStringLiteral("Holen"));
    EXPECT_EQ(button(5, SnapshotToolbar::Send)->toolTip(), QStringLiteral("Senden"));
    EXPECT_EQ(page->ToolbarPart02()->button(SnapshotToolbar::Fetch)->toolTip(), QStringLiteral("Gruppe holen"));
    EXPECT_EQ(page->ToolbarPart02()->button(SnapshotToolbar::Flag1), nullptr);
    // Every row starts with flag 1 on and flag 2 off, shown as such.
    EXPECT_EQ(button(0, SnapshotToolbar::Flag1)->toolTip(), QStringLiteral("Merker 1 an"));
    EXPECT_EQ(button(7, SnapshotToolbar::Flag2)->toolTip(), QStringLiteral("Merker 2 aus"));
}

TEST_F(SnapshotPageTest, ToggleTwiceReturnsToTheFirstState)
{
    const struct
    {
        int number;
        const char* first;
        const char* second;
    } flags[] = {{SnapshotToolbar::Flag1, "Merker 1 an", "Merker 1 aus"},
                 {SnapshotToolbar::Flag2, "Merker 2 aus", "Merker 2 an"}};
    for (const auto& flag : flags) {
        SCOPED_TRACE(flag.number);
        QToolButton* b = button(3, flag.number);
        const QString firstTag = BoxTag::get(b);
        const QImage firstImage = b->icon().pixmap(16).toImage();
        b->click();
        EXPECT_NE(BoxTag::get(b), firstTag);
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(flag.second));
        EXPECT_NE(b->icon().pixmap(16).toImage(), firstImage);
        EXPECT_EQ(button(2, flag.number)->toolTip(), QString::fromUtf8(flag.first)); // other rows stay
        b->click();
        EXPECT_EQ(BoxTag::get(b), firstTag);
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(flag.first));
        EXPECT_EQ(b->icon().pixmap(16).toImage(), firstImage);
    }
}

TEST_F(SnapshotPageTest, StartUpListHoldsTheTemporaryConfigurationAndTheLabels)
{
    const EntryList expected{{QStringLiteral("Temporär"), 0},      {QStringLiteral("Morgen"), 1},
                             {QStringLiteral("Mittag"), 2},        {QStringLiteral("Abend"), 3},
                             {QStringLiteral("Nacht"), 4},         {QStringLiteral("Sport"), 5},
                             {QStringLiteral("Wahl"), 6},          {QStringLiteral("Musik"), 7},
                             {QStringLiteral("Part01.Label08"), 8}};
    QComboBox* list = page->cmbStartUpConf();
    ASSERT_EQ(list->count(), expected.size());
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_EQ(list->itemText(i), expected[i].text);
        EXPECT_EQ(list->itemData(i).toInt(), expected[i].itemData);
    }
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(env.pages->lists.cmbStartUpConf, expected);
}

TEST_F(SnapshotPageTest, FetchAndSendAskForTheirConfiguration)
{
    QList<int> requested;
    QList<int> sent;
    env.pages->requestConfig = [&](int index) { requested.append(index); };
    env.pages->sendConfig = [&](int index) { sent.append(index); };
    for (int slot = 0; slot < SnapshotPage::Slots; ++slot) {
        button(slot, SnapshotToolbar::Fetch)->click();
        button(slot, SnapshotToolbar::Send)->click();
    }
    page->ToolbarPart02()->button(SnapshotToolbar::Fetch)->click();
    page->ToolbarPart02()->button(SnapshotToolbar::Send)->click();
    EXPECT_EQ(requested, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 0}));
    EXPECT_EQ(sent, QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 0}));
    EXPECT_TRUE(BoxTag::get(button(0, SnapshotToolbar::Fetch)).isEmpty());
}

TEST_F(SnapshotPageTest, DataRoundTripsThroughThePage)
{
    ConfigurationData in;
    for (int i = 0; i < 8; ++i) {
        in.Current.ConfigName[i].set(QStringLiteral("Cfg-%1").arg(i));
        in.Current.ConfigFlag1[i] = static_cast<qint16>(i % 2);
        in.Current.ConfigFlag2[i] = static_cast<qint16>(i < 4 ? 1 : 0);
        in.Current.ConfigFile[i].set(folderFile(QStringLiteral("Slot %1.CNS").arg(i + 1)));
    }
    in.Current.ConfigFile[6].set(QStringLiteral("/srv/shared/Slot 7.CNS"));
    in.Current.ConfigGroupFile.set(folderFile(QStringLiteral("All.CNG")));
    in.Current.StartUpConf = 5;

    ASSERT_TRUE(page->fromDataSet(in));
    EXPECT_EQ(page->txtConfigName(3)->text(), QStringLiteral("Cfg-3"));
    EXPECT_EQ(page->txtInfoPart01(0)->text(), QStringLiteral("Slot 1.CNS"));
    EXPECT_EQ(page->txtInfoPart01(6)->text(), QStringLiteral("/srv/shared/Slot 7.CNS"));
    EXPECT_EQ(page->txtInfoPart02()->text(), QStringLiteral("All.CNG"));
    EXPECT_EQ(page->cmbStartUpConf()->currentIndex(), 5);
    EXPECT_EQ(button(0, SnapshotToolbar::Flag1)->toolTip(), QStringLiteral("Merker 1 aus"));
    EXPECT_EQ(button(1, SnapshotToolbar::Flag1)->toolTip(), QStringLiteral("Merker 1 an"));
    EXPECT_EQ(button(5, SnapshotToolbar::Flag2)->toolTip(), QStringLiteral("Merker 2 aus"));

    ConfigurationData out;
    page->toDataSet(out);
    EXPECT_EQ(out.Current.ConfigName, in.Current.ConfigName);
    EXPECT_EQ(out.Current.ConfigFlag1, in.Current.ConfigFlag1);
    EXPECT_EQ(out.Current.ConfigFlag2, in.Current.ConfigFlag2);
    EXPECT_EQ(out.Current.ConfigFile, in.Current.ConfigFile);
    EXPECT_EQ(out.Current.ConfigGroupFile, in.Current.ConfigGroupFile);
    EXPECT_EQ(out.Current.StartUpConf, 5);
}

TEST_F(SnapshotPageTest, TypedPathsAreKeptWithTheProgramFolder)
{
    page->txtInfoPart01(2)->setText(QStringLiteral("Evening.CNS  "));
    page->txtInfoPart01(4)->setText(QStringLiteral("/media/usb/Sport.CNS"));
    page->txtInfoPart02()->setText(QStringLiteral("Week.CNG"));
    ConfigurationData data;
    page->toDataSet(data);
    EXPECT_EQ(data.Current.ConfigFile[2].trimmedRight(), folderFile(QStringLiteral("Evening.CNS")));
    EXPECT_EQ(data.Current.ConfigFile[4].trimmedRight(), QStringLiteral("/media/usb/Sport.CNS"));
    EXPECT_EQ(data.Current.ConfigFile[0].trimmedRight(), QString());
    EXPECT_EQ(data.Current.ConfigGroupFile.trimmedRight(), folderFile(QStringLiteral("Week.CNG")));

    page->txtInfoPart01(2)->clear();
    ASSERT_TRUE(page->fromDataSet(data));
    EXPECT_EQ(page->txtInfoPart01(2)->text(), QStringLiteral("Evening.CNS"));
    EXPECT_EQ(page->txtInfoPart01(4)->text(), QStringLiteral("/media/usb/Sport.CNS"));
    EXPECT_EQ(page->txtInfoPart02()->text(), QStringLiteral("Week.CNG"));
}

TEST_F(SnapshotPageTest, StartUpPositionBeyondTheListFails)
{
    ConfigurationData data;
    data.Current.ConfigName[0].set(QStringLiteral("Neu"));
    data.Current.StartUpConf = 9;
    EXPECT_FALSE(page->fromDataSet(data));
    EXPECT_EQ(page->txtConfigName(0)->text(), QStringLiteral("Neu")); // set before the failure
    EXPECT_EQ(page->cmbStartUpConf()->currentIndex(), 0);
    data.Current.StartUpConf = 8;
    EXPECT_TRUE(page->fromDataSet(data));
}

TEST_F(SnapshotPageTest, NameBoxesTakeEightNameCharactersAsTyped)
{
    QLineEdit* box = page->txtConfigName(1);
    for (const QChar c : QStringLiteral("ab\u00e4c'd-efghij")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
    }
    EXPECT_EQ(box->text(), QStringLiteral("abcd-efg"));
}

// The separator between the flags and the transfer buttons is drawn as one
// upright line, the same in every row from top to bottom: no cap at its top or
// end left off at its bottom, which made it read as a bracket.
TEST_F(SnapshotPageTest, SeparatorIsOneUprightLine)
{
    auto* separator = page->ToolbarPart01(0)->findChild<QWidget*>(QStringLiteral("Button3"));
    ASSERT_NE(separator, nullptr);
    const QImage picture = separator->grab().toImage();
    const QColor background = separator->palette().color(QPalette::Window);
    auto drawn = [&](int y) {
        QList<int> columns;
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixelColor(x, y) != background)
                columns.append(x);
        }
        return columns;
    };
    const QList<int> middle = drawn(picture.height() / 2);
    ASSERT_FALSE(middle.isEmpty());
    EXPECT_LE(middle.last() - middle.first(), 1);
    for (int y = 0; y < picture.height(); ++y)
        EXPECT_EQ(drawn(y), middle) << "row " << y;
}

} // namespace

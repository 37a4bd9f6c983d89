#include "SnapshotPage.h"

#include "AppSettings.h"
#include "BoxTag.h"
#include "ConfigPaths.h"
#include "DataSet.h"
#include "FramedPanel.h"
#include "PageContext.h"
#include "PageControls.h"
#include "PageLists.h"
#include "SelectorListEntries.h"
#include "SnapshotPictures.h"
#include "SnapshotToolbar.h"
#include "TrimRight.h"
#include "Twips.h"
#include "TypingValidator.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace {

// Design geometry: three panels one below the other; every row has its label,
// then the file box, the name box and the button row. Where the page has less
// room than its design, the file boxes give up the difference.
constexpr int PanelLeft = 120;
constexpr int PanelRightMargin = 150;
constexpr int SlotsPanelTop = 120;
constexpr int SlotsPanelHeight = 3780;
constexpr int GroupPanelTop = SlotsPanelTop + SlotsPanelHeight + 120;
constexpr int SingleRowPanelHeight = 840;
constexpr int StartPanelTop = GroupPanelTop + SingleRowPanelHeight + 120;
constexpr int FraTabHeight = StartPanelTop + SingleRowPanelHeight + 120;

constexpr int FirstRowTop = 330;
constexpr int RowPitch = 420;
constexpr int LabelLeft = 240;
constexpr int LabelWidth = 1560;
constexpr int LabelHeight = 255;
constexpr int LabelShift = (SnapshotToolbar::Height - LabelHeight) / 2;
constexpr int FileLeft = 1920;
constexpr int FileWidth = 5160;
// Still room for a file name with its folder.
constexpr int MinFileWidth = 2400;
constexpr int ColumnGap = 120;
// Wide enough for eight of the widest capitals.
constexpr int NameWidth = 1560;
constexpr int BoxHeight = SnapshotToolbar::Height;
constexpr int PathLength = 255;

// The page's width for a file box width: everything but the file box is fixed.
constexpr int fraTabWidth(int fileWidth)
{
    return PanelLeft + FileLeft + fileWidth + ColumnGap + NameWidth + ColumnGap + SnapshotToolbar::Width +
           PanelRightMargin + 120;
}

QString indexed(const char* name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

FramedPanel* makePanel(QWidget* fraTab, int part)
{
    return new FramedPanel(fraTab, QStringLiteral("fraContainerPart0%1").arg(part));
}

QLineEdit* makeLabel(QWidget* panel, const QString& name)
{
    return PageControls::labelBox(panel, name, 0, 0, 0, 0);
}

QLineEdit* makePathBox(QWidget* panel, const QString& name)
{
    QLineEdit* box = PageControls::textBox(panel, name, 0, 0, 0, 0);
    box->setMaxLength(PathLength);
    // The path is kept in the data file, whose characters are Windows-1252.
    new TypingValidator(box, TypingValidator::windowsText);
    return box;
}

} // namespace

SnapshotPage::SnapshotPage(PageContext& context)
    : TabPage(context, QStringLiteral("frmTabStripData07"), QStringLiteral("snapshot"),
              QStringLiteral("TabStrip_SnapShot_"))
{
}

void SnapshotPage::build(FramedPanel* fraTab)
{
    FramedPanel* slotsPanel = makePanel(fraTab, 1);
    m_panels.append(slotsPanel);
    buildSlots(slotsPanel);

    FramedPanel* group = makePanel(fraTab, 2);
    m_panels.append(group);
    m_txtLblPart02 = makeLabel(group, QStringLiteral("txtLblPart02_0"));
    m_txtInfoPart02 = makePathBox(group, QStringLiteral("txtInfoPart02_0"));
    m_toolbarPart02 = new SnapshotToolbar(group, QStringLiteral("ToolbarPart02"), false);
    connect(m_toolbarPart02, &SnapshotToolbar::buttonClicked, this, &SnapshotPage::groupButton);

    FramedPanel* start = makePanel(fraTab, 3);
    m_panels.append(start);
    m_txtLblPart03 = makeLabel(start, QStringLiteral("txtLblPart03_0"));
    m_cmbStartUpConf = new QComboBox(start);
    m_cmbStartUpConf->setObjectName(QStringLiteral("cmbStartUpConf"));
    layOut(FileWidth);
}

void SnapshotPage::buildSlots(FramedPanel* panel)
{
    for (int i = 0; i < Slots; ++i) {
        m_txtLblPart01.append(makeLabel(panel, indexed("txtLblPart01", i)));
        m_txtInfoPart01.append(makePathBox(panel, indexed("txtInfoPart01", i)));
        QLineEdit* name = PageControls::textBox(panel, indexed("txtConfigName", i), 0, 0, 0, 0);
        name->setMaxLength(NameLength);
        new TypingValidator(name, TypingValidator::nameCharacter);
        m_txtConfigName.append(name);
        auto* toolbar = new SnapshotToolbar(panel, indexed("ToolbarPart01", i), true);
        BoxTag::set(toolbar->button(SnapshotToolbar::Flag1), QStringLiteral("1"));
        BoxTag::set(toolbar->button(SnapshotToolbar::Flag2), QStringLiteral("0"));
        connect(toolbar, &SnapshotToolbar::buttonClicked, this,
                [this, i](int button) { slotButton(i, button); });
        m_toolbarPart01.append(toolbar);
    }
}

void SnapshotPage::fitWidth(int pixels)
{
    const int room = Twips::fromPixelsX(pixels);
    if (room < fraTabWidth(FileWidth))
        layOut(std::max(MinFileWidth, FileWidth - (fraTabWidth(FileWidth) - room)));
}

void SnapshotPage::layOut(int fileWidth)
{
    const int nameLeft = FileLeft + fileWidth + ColumnGap;
    const int toolbarLeft = nameLeft + NameWidth + ColumnGap;
    const int panelWidth = toolbarLeft + SnapshotToolbar::Width + PanelRightMargin;
    PageControls::place(fraTab(), 0, 0, fraTabWidth(fileWidth), FraTabHeight);
    PageControls::place(m_panels[0], PanelLeft, SlotsPanelTop, panelWidth, SlotsPanelHeight);
    PageControls::place(m_panels[1], PanelLeft, GroupPanelTop, panelWidth, SingleRowPanelHeight);
    PageControls::place(m_panels[2], PanelLeft, StartPanelTop, panelWidth, SingleRowPanelHeight);
    auto placeRow = [&](QLineEdit* label, QLineEdit* file, int width, SnapshotToolbar* toolbar, int top) {
        PageControls::place(label, LabelLeft, top + LabelShift, LabelWidth, LabelHeight);
        PageControls::place(file, FileLeft, top, width, BoxHeight);
        PageControls::place(toolbar, toolbarLeft, top, SnapshotToolbar::Width, SnapshotToolbar::Height);
    };
    for (int i = 0; i < Slots; ++i) {
        const int top = FirstRowTop + i * RowPitch;
        placeRow(m_txtLblPart01[i], m_txtInfoPart01[i], fileWidth, m_toolbarPart01[i], top);
        PageControls::place(m_txtConfigName[i], nameLeft, top, NameWidth, BoxHeight);
    }
    // The group file reaches over the name column, so fetch and send line up with the rows above.
    placeRow(m_txtLblPart02, m_txtInfoPart02, nameLeft + NameWidth - FileLeft, m_toolbarPart02, FirstRowTop);
    PageControls::place(m_txtLblPart03, LabelLeft, FirstRowTop + LabelShift, LabelWidth, LabelHeight);
    PageControls::place(m_cmbStartUpConf, FileLeft, FirstRowTop, fileWidth, BoxHeight);
}

void SnapshotPage::loadPageTexts()
{
    const PageTexts t = texts();
    auto readPanel = [&t](FramedPanel* panel, int part) {
        const QString caption =
            t.read(PageTexts::partKey(part, QStringLiteral("Caption")), QStringLiteral("Part0%1").arg(part));
        panel->setCaption(caption);
        panel->setToolTip(t.read(PageTexts::partKey(part, QStringLiteral("ToolTip")), caption));
    };
    auto labelKey = [](int part, int row) {
        return PageTexts::partKey(part, QStringLiteral("Label")) + PageTexts::twoDigits(row);
    };
    auto tipOf = [&t](int part, int row) {
        return t.read(PageTexts::partKey(part, QStringLiteral("ToolTip")) + PageTexts::twoDigits(row),
                      QString());
    };
    auto buttonTip = [&t](int part, const char* button) {
        return t.read(PageTexts::partKey(part, QLatin1String(button)), QString());
    };

    readPanel(m_panels[0], 1);
    m_toggleTips = {buttonTip(1, "Button01.ToolTip_ON"), buttonTip(1, "Button01.ToolTip_OFF"),
                    buttonTip(1, "Button02.ToolTip_ON"), buttonTip(1, "Button02.ToolTip_OFF")};
    const QString fetchTip = buttonTip(1, "Button03.ToolTip");
    const QString sendTip = buttonTip(1, "Button04.ToolTip");
    for (int i = 0; i < Slots; ++i) {
        const QString key = labelKey(1, i + 1);
        m_txtLblPart01[i]->setText(t.read(key, key));
        const QString tip = tipOf(1, i + 1);
        for (QWidget* w : {m_txtLblPart01[i], m_txtInfoPart01[i], m_txtConfigName[i]})
            w->setToolTip(tip);
        m_toolbarPart01[i]->button(SnapshotToolbar::Fetch)->setToolTip(fetchTip);
        m_toolbarPart01[i]->button(SnapshotToolbar::Send)->setToolTip(sendTip);
    }
    refreshToggles();

    readPanel(m_panels[1], 2);
    m_txtLblPart02->setText(t.read(labelKey(2, 1), labelKey(2, 1)));
    const QString groupTip = tipOf(2, 1);
    m_txtLblPart02->setToolTip(groupTip);
    m_txtInfoPart02->setToolTip(groupTip);
    m_toolbarPart02->button(SnapshotToolbar::Fetch)->setToolTip(buttonTip(2, "Button01.ToolTip"));
    m_toolbarPart02->button(SnapshotToolbar::Send)->setToolTip(buttonTip(2, "Button02.ToolTip"));

    readPanel(m_panels[2], 3);
    m_txtLblPart03->setText(t.read(labelKey(3, 1), labelKey(3, 1)));
    const QString startTip = tipOf(3, 1);
    m_txtLblPart03->setToolTip(startTip);
    m_cmbStartUpConf->setToolTip(startTip);

    QStringList labels;
    for (const QLineEdit* label : std::as_const(m_txtLblPart01))
        labels.append(label->text());
    PageLists::fill(m_cmbStartUpConf, StartUpConfEntries(messages(), labels));
    context().lists.cmbStartUpConf = PageLists::entries(m_cmbStartUpConf);
}

void SnapshotPage::refreshToggles()
{
    for (SnapshotToolbar* toolbar : std::as_const(m_toolbarPart01)) {
        for (int flag = 0; flag < 2; ++flag) {
            QToolButton* button = toolbar->button(SnapshotToolbar::Flag1 + flag);
            // Pictures 1/2 and 3/4 are the on and off states of flags 1 and 2.
            const int picture = 2 * flag + (BoxTag::code(button) == 1 ? 1 : 2);
            button->setIcon(SnapshotPictures::image(picture));
            button->setToolTip(m_toggleTips.value(picture - 1));
        }
    }
}

void SnapshotPage::toggle(int slot, int button)
{
    QToolButton* b = m_toolbarPart01[slot]->button(button);
    BoxTag::set(b, BoxTag::code(b) == 0 ? QStringLiteral("1") : QStringLiteral("0"));
    refreshToggles();
}

void SnapshotPage::slotButton(int slot, int button)
{
    switch (button) {
    case SnapshotToolbar::Flag1:
    case SnapshotToolbar::Flag2:
        toggle(slot, button);
        break;
    case SnapshotToolbar::Fetch:
        if (context().requestConfig)
            context().requestConfig(slot + 1);
        break;
    case SnapshotToolbar::Send:
        if (context().sendConfig)
            context().sendConfig(slot + 1);
        break;
    default:
        break;
    }
}

void SnapshotPage::groupButton(int button)
{
    if (button == SnapshotToolbar::Fetch && context().requestConfig)
        context().requestConfig(0);
    else if (button == SnapshotToolbar::Send && context().sendConfig)
        context().sendConfig(0);
}

void SnapshotPage::toDataSet(ConfigurationData& data)
{
    DataSet& d = data.Current;
    for (int i = 0; i < Slots; ++i)
        d.ConfigName[i].set(TrimRight(m_txtConfigName[i]->text()));
    for (int i = 0; i < Slots; ++i)
        d.ConfigFlag1[i] =
            static_cast<qint16>(BoxTag::code(m_toolbarPart01[i]->button(SnapshotToolbar::Flag1)));
    for (int i = 0; i < Slots; ++i)
        d.ConfigFlag2[i] =
            static_cast<qint16>(BoxTag::code(m_toolbarPart01[i]->button(SnapshotToolbar::Flag2)));
    for (int i = 0; i < Slots; ++i)
        d.ConfigFile[i].set(StoredConfigPath(settings(), m_txtInfoPart01[i]->text()));
    d.ConfigGroupFile.set(StoredConfigPath(settings(), m_txtInfoPart02->text()));
    d.StartUpConf = static_cast<qint16>(m_cmbStartUpConf->currentIndex());
}

bool SnapshotPage::fromDataSet(const ConfigurationData& data)
{
    const DataSet& d = data.Current;
    for (int i = 0; i < Slots; ++i)
        m_txtConfigName[i]->setText(d.ConfigName[i].trimmedRight());
    for (int i = 0; i < Slots; ++i) {
        BoxTag::set(m_toolbarPart01[i]->button(SnapshotToolbar::Flag1), QString::number(d.ConfigFlag1[i]));
        BoxTag::set(m_toolbarPart01[i]->button(SnapshotToolbar::Flag2), QString::number(d.ConfigFlag2[i]));
    }
    // Right after the tags, so a failure further on cannot leave a button
    // showing another state than the one it will save.
    refreshToggles();
    for (int i = 0; i < Slots; ++i)
        m_txtInfoPart01[i]->setText(ShownConfigPath(settings(), d.ConfigFile[i].text()));
    m_txtInfoPart02->setText(ShownConfigPath(settings(), d.ConfigGroupFile.text()));
    return PageLists::setPosition(m_cmbStartUpConf, d.StartUpConf);
}

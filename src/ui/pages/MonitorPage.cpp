#include "MonitorPage.h"

#include "AppSettings.h"
#include "ChannelDefinitions.h"
#include "CheckArray.h"
#include "CheckValue.h"
#include "DataSet.h"
#include "FramedPanel.h"
#include "PageContext.h"
#include "PageControls.h"
#include "PageLists.h"
#include "PanelTexts.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// Design geometry: four panels stacked, each on a grid of two label/list
// columns; the check boxes of a group sit in a row from the first list column.
constexpr int PanelLeft = 120;
constexpr int PanelWidth = 8160;
constexpr int PanelGap = 120;
constexpr int FirstRowTop = 360;
constexpr int RowPitch = 435;
constexpr int BottomMargin = 225;
constexpr int ControlHeight = 315;
constexpr int LabelHeight = 255;
// Labels lie 30 lower than the 315 high controls of their row, centred.
constexpr int LabelDrop = (ControlHeight - LabelHeight) / 2;
constexpr int LabelLeft[] = {240, 4200};
constexpr int ControlLeft[] = {2160, 6120};
constexpr int ColumnWidth = 1800;
constexpr int CheckPitch = 1440;
constexpr int CheckWidth = 1320;
// Rows per panel.
constexpr int PanelRows[] = {2, 1, 1, 2};

constexpr int panelHeight(int rows)
{
    return FirstRowTop + (rows - 1) * RowPitch + ControlHeight + BottomMargin;
}

constexpr int rowTop(int row)
{
    return FirstRowTop + row * RowPitch;
}

QLineEdit* makeLabel(QWidget* parent, int part, int index, int column, int row, const char* text)
{
    QLineEdit* label = PageControls::labelBox(
        parent, QStringLiteral("txtLblPart%1_%2").arg(part, 2, 10, QLatin1Char('0')).arg(index),
        LabelLeft[column], rowTop(row) + LabelDrop, ColumnWidth, LabelHeight);
    label->setText(QString::fromUtf8(text));
    return label;
}

QComboBox* makeList(QWidget* parent, const QString& name, int column, int row)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    PageControls::place(box, ControlLeft[column], rowTop(row), ColumnWidth, ControlHeight);
    return box;
}

QList<QCheckBox*> makeChecks(QWidget* parent, const QString& arrayName, const QStringList& texts, int row)
{
    return MakeCheckArray(parent, arrayName, texts, ControlLeft[0], rowTop(row), CheckPitch, CheckWidth,
                          ControlHeight);
}

} // namespace

MonitorPage::MonitorPage(PageContext& context)
    : TabPage(context, QStringLiteral("frmTabStripData04"), QStringLiteral("monitor"),
              QStringLiteral("TabStrip_Monitor_"))
{
}

void MonitorPage::build(FramedPanel* fraTab)
{
    int top = PanelLeft;
    for (int part = 1; part <= 4; ++part) {
        auto* panel =
            new FramedPanel(fraTab, QStringLiteral("fraContainerPart%1").arg(part, 2, 10, QLatin1Char('0')));
        const int height = panelHeight(PanelRows[part - 1]);
        PageControls::place(panel, PanelLeft, top, PanelWidth, height);
        m_panels[part - 1] = panel;
        top += height + PanelGap;
    }
    PageControls::place(fraTab, 0, 0, PanelLeft + PanelWidth + PanelLeft, top);

    // Created row by row, left to right: that is the tab order.
    FramedPanel* p1 = m_panels[0];
    m_labels[0].append(makeLabel(p1, 1, 0, 0, 0, "Monitor Kanal"));
    m_cmbKanal = makeList(p1, QStringLiteral("cmbKanal"), 0, 0);
    m_labels[0].append(makeLabel(p1, 1, 1, 0, 1, "Monitor Mode"));
    m_chkMonMode = makeChecks(
        p1, QStringLiteral("chkMonMode"),
        {QStringLiteral("RR"), QStringLiteral("LL"), QStringLiteral("Mono"), QStringLiteral("Stereo")}, 1);

    FramedPanel* p2 = m_panels[1];
    m_labels[1].append(makeLabel(p2, 2, 0, 0, 0, "Abgriff"));
    m_chkMonAbgriff = makeChecks(p2, QStringLiteral("chkMonAbgriff"),
                                 {QStringLiteral("AF"), QStringLiteral("PF"), QStringLiteral("MON")}, 0);

    FramedPanel* p3 = m_panels[2];
    for (int i = 0; i < Peaks; ++i) {
        m_labels[2].append(makeLabel(p3, 3, i, i, 0, i == 0 ? "Abgriff Peak 1" : "Abgriff Peak 2"));
        m_cmbAbgriffPeak.append(makeList(p3, QStringLiteral("cmbAbgriffPeak_%1").arg(i), i, 0));
    }

    FramedPanel* p4 = m_panels[3];
    for (int i = 0; i < Keys; ++i) {
        m_labels[3].append(makeLabel(p4, 4, i, i % 2, i / 2, "Belegung"));
        m_cmbExtMon.append(makeList(p4, QStringLiteral("cmbExtMon_%1").arg(i), i % 2, i / 2));
    }
}

void MonitorPage::loadPageTexts()
{
    const PageTexts t = texts();
    for (int part = 1; part <= 4; ++part) {
        PanelTexts::loadPanel(t, part, m_panels[part - 1]);
        PanelTexts::loadLabels(t, part, m_labels[part - 1]);
    }
    PanelTexts::loadChecks(t, 1, m_chkMonMode);
    PanelTexts::loadChecks(t, 2, m_chkMonAbgriff);
    for (int i = 0; i < Peaks; ++i)
        m_cmbAbgriffPeak[i]->setToolTip(t.read(
            PageTexts::partKey(3, QStringLiteral("DropDown") + PageTexts::twoDigits(i + 1)), QString()));
    for (int i = 0; i < Keys; ++i)
        m_cmbExtMon[i]->setToolTip(t.read(
            PageTexts::partKey(4, QStringLiteral("DropDown") + PageTexts::twoDigits(i + 1)), QString()));
    fillLists();
    raiseMaxMainHeight();
}

void MonitorPage::fillLists()
{
    SelectorLists& lists = context().lists;
    auto fillGroup = [this](const ChannelListName& def, const QList<QComboBox*>& boxes) {
        PageLists::fill(boxes.first(), ReadChannelList(settings(), QString(def.name), def.offset));
        for (qsizetype i = 1; i < boxes.size(); ++i)
            PageLists::ListBoxCopy(boxes.first(), boxes.at(i));
    };
    fillGroup(kMonitorChannelList, {m_cmbKanal});
    fillGroup(kMonitorPeakList, m_cmbAbgriffPeak);
    fillGroup(kMonitorKeyList, m_cmbExtMon);
    // The mirrors hold what the boxes show, texts cut as the boxes cut them.
    lists.cmbKanal = PageLists::entries(m_cmbKanal);
    for (int i = 0; i < Peaks; ++i)
        lists.cmbAbgriffPeak[i] = PageLists::entries(m_cmbAbgriffPeak[i]);
    for (int i = 0; i < Keys; ++i)
        lists.cmbExtMon[i] = PageLists::entries(m_cmbExtMon[i]);
}

void MonitorPage::toDataSet(ConfigurationData& data)
{
    DataSet& d = data.Current;
    for (int i = 0; i < Modes; ++i)
        d.MonMode[i] = CheckValue::get(m_chkMonMode[i]);
    d.MonChannel = static_cast<qint16>(m_cmbKanal->currentIndex());
    for (int i = 0; i < Pickoffs; ++i)
        d.MonPickoff[i] = CheckValue::get(m_chkMonAbgriff[i]);
    for (int i = 0; i < Peaks; ++i)
        d.PeakPickoff[i] = static_cast<qint16>(m_cmbAbgriffPeak[i]->currentIndex());
    for (int i = 0; i < Keys; ++i)
        d.ExtMon[i] = static_cast<qint16>(m_cmbExtMon[i]->currentIndex());
}

bool MonitorPage::fromDataSet(const ConfigurationData& data)
{
    const DataSet& d = data.Current;
    for (int i = 0; i < Modes; ++i) {
        if (!CheckValue::set(m_chkMonMode[i], d.MonMode[i]))
            return false;
    }
    if (!PageLists::setPosition(m_cmbKanal, d.MonChannel))
        return false;
    for (int i = 0; i < Pickoffs; ++i) {
        if (!CheckValue::set(m_chkMonAbgriff[i], d.MonPickoff[i]))
            return false;
    }
    for (int i = 0; i < Peaks; ++i) {
        if (!PageLists::setPosition(m_cmbAbgriffPeak[i], d.PeakPickoff[i]))
            return false;
    }
    for (int i = 0; i < Keys; ++i) {
        if (!PageLists::setPosition(m_cmbExtMon[i], d.ExtMon[i]))
            return false;
    }
    return true;
}

#include "PartGrid.h"

#include "FramedPanel.h"
#include "PageControls.h"
#include "PageTexts.h"
#include "Twips.h"

#include <QLineEdit>

PartGrid::PartGrid(int part, FramedPanel* panel, QLineEdit* label0, QList<QWidget*> designRow,
                   ControlFactory makeControl, int halfLabelWidth)
    : m_part(part), m_panel(panel), m_labels{label0}, m_controls(std::move(designRow)),
      m_makeControl(std::move(makeControl)), m_halfLabelWidth(halfLabelWidth)
{
}

int PartGrid::rows() const
{
    return m_count <= PerRow ? 1 : (m_count + PerRow - 1) / PerRow;
}

int PartGrid::layOut(int count)
{
    m_count = count;
    if (count == 0) {
        m_panel->hide();
        return -HiddenPart;
    }
    QLineEdit* label0 = m_labels.first();
    if (count == 2) {
        m_controls.at(2)->hide();
        m_controls.at(3)->hide();
        label0->resize(Twips::toPixelsX(m_halfLabelWidth), label0->height());
        return 0;
    }
    const QWidget* first = m_controls.first();
    for (int i = PerRow; i < count; ++i) {
        QWidget* control = m_makeControl(m_panel, i);
        const int row = i / PerRow;
        control->setGeometry(m_controls.at(i - PerRow)->x(), first->y() + Twips::toPixelsY(RowPitch * row),
                             first->width(), first->height());
        control->show();
        m_controls.append(control);
        if (i % PerRow == PerRow - 1 || i == count - 1)
            addLabel(row);
    }
    if (count > PerRow && count % PerRow != 0)
        m_labels.last()->resize(Twips::toPixelsX(m_halfLabelWidth), label0->height());
    const int addedRows = rows() - 1;
    m_panel->resize(m_panel->width(), m_panel->height() + Twips::toPixelsY(RowPitch * addedRows));
    return RowPitch * addedRows;
}

QLineEdit* PartGrid::addLabel(int row)
{
    const QLineEdit* label0 = m_labels.first();
    auto* label = PageControls::labelBox(m_panel,
                                         label0->objectName().section(QLatin1Char('_'), 0, 0) +
                                             QLatin1Char('_') + QString::number(row),
                                         0, 0, 0, 0);
    label->setGeometry(label0->x(), m_labels.last()->y() + Twips::toPixelsY(RowPitch), label0->width(),
                       label0->height());
    label->setFont(label0->font());
    label->show();
    m_labels.append(label);
    return label;
}

void PartGrid::loadTexts(const PageTexts& texts)
{
    const QString caption = texts.read(PageTexts::partKey(m_part, QStringLiteral("Caption")), QString());
    m_panel->setCaption(caption);
    m_panel->setToolTip(texts.read(PageTexts::partKey(m_part, QStringLiteral("ToolTip")), caption));
    const QString labelKey = PageTexts::partKey(m_part, QStringLiteral("Label"));
    for (int r = 1; r <= m_labels.size(); ++r) {
        const QString key = labelKey + PageTexts::twoDigits(r);
        m_labels.at(r - 1)->setText(texts.read(key, key));
    }
    const QString tipKey = PageTexts::partKey(m_part, QStringLiteral("ToolTip"));
    for (int i = 1; i <= m_count && i <= m_controls.size(); ++i)
        m_controls.at(i - 1)->setToolTip(texts.read(tipKey + PageTexts::twoDigits(i), QString()));
}

void PartGrid::shiftDown(int twips)
{
    m_panel->move(m_panel->x(), m_panel->y() + Twips::toPixelsY(twips));
}

std::vector<std::unique_ptr<PartGrid>> PartGrid::buildParts(FramedPanel* fraTab, int parts,
                                                            const PageGeometry& g,
                                                            const PartControlFactory& makeControl,
                                                            int halfLabelWidth)
{
    std::vector<std::unique_ptr<PartGrid>> grids;
    for (int part = 1; part <= parts; ++part) {
        auto* panel =
            new FramedPanel(fraTab, QStringLiteral("fraContainerPart%1").arg(PageTexts::twoDigits(part)));
        PageControls::place(panel, g.panelLeft, g.firstPanelTop + (part - 1) * HiddenPart, g.panelWidth,
                            g.panelHeight);
        QLineEdit* label0 =
            PageControls::labelBox(panel, QStringLiteral("txtLblPart%1_0").arg(PageTexts::twoDigits(part)),
                                   g.labelLeft, g.labelTop, g.labelWidth, g.labelHeight);
        QList<QWidget*> row;
        for (int i = 0; i < PerRow; ++i)
            row.append(makeControl(panel, part, i, g.labelLeft + i * g.controlPitch, g.controlTop));
        auto make = [part, makeControl](QWidget* parent, int index) { return makeControl(parent, part, index, 0, 0); };
        grids.push_back(std::make_unique<PartGrid>(part, panel, label0, row, make, halfLabelWidth));
    }
    return grids;
}

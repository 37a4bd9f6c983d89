#include "GpioRowPanel.h"

#include "BoxTag.h"
#include "AppSettings.h"
#include "ChannelDefinitions.h"
#include "ClickFilter.h"
#include "DropDownButton.h"
#include "FramedPanel.h"
#include "GpioChannelPicker.h"
#include "PageContext.h"
#include "PageControls.h"
#include "PageTexts.h"
#include "Twips.h"

#include <QLineEdit>
#include <QToolButton>

namespace {

// Row geometry inside the panel: a box 315 high per row, 400 apart, the label
// centred on the box, the info box taking the rest of the width.
constexpr int FirstBoxTop = 300;
constexpr int RowPitch = 400;
constexpr int BottomMargin = 460;
constexpr int LabelLeft = 180;
constexpr int LabelWidth = 1935;
constexpr int LabelHeight = 255;
constexpr int BoxLeft = LabelLeft + LabelWidth + 60;
constexpr int BoxWidth = 735;
constexpr int BoxHeight = 315;
constexpr int PicWidth = 255;
constexpr int InfoLeft = BoxLeft + BoxWidth + PicWidth + 120;
constexpr int InfoWidth = 5355;
constexpr int PanelWidth = InfoLeft + InfoWidth + 180;
constexpr int PanelLeft = 120;

int boxTop(int row)
{
    return FirstBoxTop + row * RowPitch;
}

struct PartNames
{
    QString box;
    QString pic;
    QString info;
};

PartNames namesOf(int part)
{
    if (part == 1)
        return {QStringLiteral("txtInput"), QStringLiteral("picIn"), QStringLiteral("txtInputInfo")};
    return {QStringLiteral("txtOutput"), QStringLiteral("picOut"), QStringLiteral("txtOutputInfo")};
}

QString element(const QString& array, int index)
{
    return QStringLiteral("%1_%2").arg(array).arg(index);
}

} // namespace

int GpioRowPanel::outerWidth()
{
    return PanelLeft + PanelWidth + PanelLeft;
}

int GpioRowPanel::heightFor(int rows)
{
    return boxTop(rows - 1) + BottomMargin;
}

GpioRowPanel::GpioRowPanel(QObject* owner, PageContext& context, QWidget* fraTab, int part, int rows, int top)
    : QObject(owner), m_context(context), m_part(part), m_top(top), m_height(heightFor(rows)),
      m_panel(new FramedPanel(fraTab, QStringLiteral("fraContainerPart%1").arg(PageTexts::twoDigits(part))))
{
    place();
    const PartNames names = namesOf(part);
    const QString labelArray = QStringLiteral("txtLblPart") + PageTexts::twoDigits(part);
    const bool themed = context.settings.ThemeActive;
    auto* clicks = new ClickFilter(this);
    connect(clicks, &ClickFilter::clicked, this,
            [this](QWidget* w) { pick(m_boxes.indexOf(static_cast<QLineEdit*>(w))); });
    for (int i = 0; i < rows; ++i) {
        const int top = boxTop(i);
        m_labels.append(PageControls::labelBox(m_panel, element(labelArray, i), LabelLeft,
                                               top + (BoxHeight - LabelHeight) / 2, LabelWidth, LabelHeight));
        QLineEdit* box =
            PageControls::textBox(m_panel, element(names.box, i), BoxLeft, top, BoxWidth, BoxHeight);
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
        clicks->watch(box);
        m_boxes.append(box);
        QToolButton* pic = MakeDropDownButton(m_panel, element(names.pic, i), BoxLeft + BoxWidth, top,
                                              PicWidth, BoxHeight, themed);
        connect(pic, &QToolButton::clicked, this, [this, i] { pick(i); });
        m_pics.append(pic);
        QLineEdit* info =
            PageControls::textBox(m_panel, element(names.info, i), InfoLeft, top, InfoWidth, BoxHeight);
        info->setReadOnly(true);
        info->setFocusPolicy(Qt::NoFocus);
        m_infos.append(info);
    }
}

void GpioRowPanel::place()
{
    PageControls::place(m_panel, PanelLeft, m_top, PanelWidth, m_height);
}

void GpioRowPanel::moveTo(int top)
{
    m_top = top;
    place();
}

int GpioRowPanel::showRows(int shown)
{
    for (int i = shown; i < rowCount(); ++i) {
        for (QWidget* w : {static_cast<QWidget*>(m_labels[i]), static_cast<QWidget*>(m_boxes[i]),
                           static_cast<QWidget*>(m_pics[i]), static_cast<QWidget*>(m_infos[i])})
            w->hide();
    }
    const int before = m_height;
    if (shown <= 0) {
        m_panel->hide();
        return before;
    }
    m_height = heightFor(shown);
    place();
    return before - m_height;
}

void GpioRowPanel::loadTexts(const PageTexts& texts)
{
    const QString caption = PageTexts::partKey(m_part, QStringLiteral("Caption"));
    m_panel->setCaption(texts.read(caption, QStringLiteral("Part") + PageTexts::twoDigits(m_part)));
    m_panel->setToolTip(texts.read(PageTexts::partKey(m_part, QStringLiteral("ToolTip")), QString()));
    for (int i = 0; i < rowCount(); ++i) {
        const QString mm = PageTexts::twoDigits(i + 1);
        const QString labelKey = PageTexts::partKey(m_part, QStringLiteral("Label") + mm);
        m_labels[i]->setText(texts.read(labelKey, labelKey));
        const QString tip = texts.read(PageTexts::partKey(m_part, QStringLiteral("ToolTip") + mm), QString());
        m_labels[i]->setToolTip(tip);
        m_boxes[i]->setToolTip(tip);
        m_infos[i]->setToolTip(tip);
    }
}

void GpioRowPanel::clearAll()
{
    GpioChannelPicker picker(m_context);
    for (int i = 0; i < rowCount(); ++i)
        picker.showGpioChannel(m_boxes[i], m_infos[i], 0, m_part - 1);
}

void GpioRowPanel::pick(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    // The definitions are read on first need; the transfer refills them too.
    FillGpioLists(m_context.settings, m_context.lists.lstData);
    GpioChannelPicker(m_context).pickGpioChannel(m_boxes[row], m_infos[row], m_part - 1);
}

void GpioRowPanel::toCodes(std::span<qint16> codes) const
{
    for (int i = 0; i < rowCount() && i < static_cast<int>(codes.size()); ++i)
        codes[i] = static_cast<qint16>(BoxTag::code(m_boxes[i]));
}

void GpioRowPanel::fromCodes(std::span<const qint16> codes)
{
    GpioChannelPicker picker(m_context);
    for (int i = 0; i < rowCount() && i < static_cast<int>(codes.size()); ++i) {
        BoxTag::set(m_boxes[i], QString::number(codes[i]));
        picker.showGpioChannel(m_boxes[i], m_infos[i], codes[i], m_part - 1);
    }
}

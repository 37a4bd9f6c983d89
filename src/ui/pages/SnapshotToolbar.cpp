#include "SnapshotToolbar.h"

#include "PageControls.h"
#include "ThemeIcons.h"
#include "Twips.h"

#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace {

// Button 3: one upright etched line between the flags and the transfer buttons,
// a dark and a light line side by side over the widget's full height.
class SeparatorLine : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int x = width() / 2;
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(x, 0, x, height() - 1);
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(x + 1, 0, x + 1, height() - 1);
    }
};

} // namespace

SnapshotToolbar::SnapshotToolbar(QWidget* parent, const QString& name, bool withFlags)
    : QWidget(parent), m_buttons(5, nullptr)
{
    setObjectName(name);
    PageControls::place(this, 0, 0, Width, Height);
    const int sendLeft = 2 * ButtonWidth + SeparatorWidth;
    if (withFlags) {
        addButton(Flag1, 0);
        addButton(Flag2, ButtonWidth);
        auto* line = new SeparatorLine(this);
        line->setObjectName(QStringLiteral("Button3"));
        PageControls::place(line, 2 * ButtonWidth, 30, SeparatorWidth, Height - 60);
    }
    QToolButton* fetch = addButton(Fetch, sendLeft);
    fetch->setIcon(ThemeIcons::icon("go-down", QStyle::SP_ArrowDown));
    QToolButton* send = addButton(Send, sendLeft + ButtonWidth);
    send->setIcon(ThemeIcons::icon("go-up", QStyle::SP_ArrowUp));
}

QToolButton* SnapshotToolbar::button(int number) const
{
    return m_buttons.value(number - 1);
}

QToolButton* SnapshotToolbar::addButton(int number, int left)
{
    auto* b = new QToolButton(this);
    b->setObjectName(QStringLiteral("Button%1").arg(number));
    b->setAutoRaise(true);
    // 16 pixels at 96 dpi, growing with the screen's DPI like the rest of the page.
    b->setIconSize(Twips::toPixels(IconSize, IconSize));
    PageControls::place(b, left, 0, ButtonWidth, Height);
    connect(b, &QToolButton::clicked, this, [this, number] { Q_EMIT buttonClicked(number); });
    m_buttons[number - 1] = b;
    return b;
}

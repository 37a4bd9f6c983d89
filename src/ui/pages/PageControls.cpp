#include "PageControls.h"

#include "Twips.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// A line edit keeps this many pixels free on each side of its text, and wants
// one more plus the glyphs' overhang before it starts to scroll.
constexpr int InnerMargin = 2;
constexpr int ScrollSlack = 3;
constexpr double SmallestPointSize = 6.0;

// Pixels a box has for its text, inside its frame and margins.
int textRoom(const QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    return contents.marginsRemoved(box->textMargins()).width() - 2 * InnerMargin;
}

} // namespace

namespace PageControls {

void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(Twips::toPixels(left, top, width, height));
}

QLineEdit* labelBox(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setFrame(false);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    box->setPalette(p);
    place(box, left, top, width, height);
    return box;
}

QLineEdit* textBox(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    place(box, left, top, width, height);
    return box;
}

void fitText(const QList<QLineEdit*>& boxes, const QString& text)
{
    if (boxes.isEmpty())
        return;
    QFont font = boxes.first()->font();
    if (font.pointSizeF() <= 0)
        return;
    const int room = textRoom(boxes.first()) - ScrollSlack;
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > SmallestPointSize)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    for (QLineEdit* box : boxes)
        box->setFont(font);
}

} // namespace PageControls

#include "FramedPanel.h"

#include "Twips.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <qdrawutil.h>

// The inner frame: an etched group frame whose line runs through the middle of the
// caption field, so the field's opaque background breaks it where the caption is.
class FrameLine : public QWidget
{
public:
    explicit FrameLine(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("Frame1")); }

    bool border = true;
    int lineTop = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!border)
            return;
        // An etched edge in the colours of the panel's state, so a disabled panel greys it.
        QPainter painter(this);
        QStyleOption option;
        option.initFrom(this);
        qDrawShadeRect(&painter, rect().adjusted(0, lineTop, 0, 0), option.palette, true, 1, 0);
    }
};

namespace {

constexpr int CaptionLeftTwips = 120;

QFont designFont(const QFont& ambient)
{
    QFont font(ambient);
    font.setFamily(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

} // namespace

FramedPanel::FramedPanel(QWidget* parent, const QString& name)
    : QWidget(parent), m_frame1(new FrameLine(this)), m_txtCaption(new QLabel(m_frame1))
{
    setObjectName(name);
    m_txtCaption->setObjectName(QStringLiteral("txtCaption"));
    m_txtCaption->setAutoFillBackground(true);
    m_txtCaption->setTextInteractionFlags(Qt::NoTextInteraction);
    m_txtCaption->setMargin(0);
    m_frame1->installEventFilter(this);
    setPanelFont(designFont(font()));
    setCaption(name);
}

QWidget* FramedPanel::frame() const
{
    return m_frame1;
}

void FramedPanel::setCaption(const QString& caption)
{
    m_caption = caption;
    // Without a frame line there is nothing for the caption to stand on.
    if (caption.isEmpty() || !m_frame1->border) {
        m_txtCaption->hide();
        return;
    }
    const QString shown = QLatin1Char(' ') + caption + QLatin1Char(' ');
    m_txtCaption->setText(shown);
    fitCaption(shown);
    m_txtCaption->show();
}

void FramedPanel::fitCaption(const QString& shownText)
{
    const QFontMetrics metrics(m_txtCaption->font());
    m_txtCaption->setGeometry(Twips::toPixelsX(CaptionLeftTwips), 0, metrics.horizontalAdvance(shownText),
                              metrics.height());
    m_frame1->lineTop = metrics.height() / 2;
    m_frame1->update();
}

bool FramedPanel::hasBorder() const
{
    return m_frame1->border;
}

void FramedPanel::setBorder(bool on)
{
    m_frame1->border = on;
    setCaption(m_caption);
    m_frame1->update();
}

QColor FramedPanel::backColor() const
{
    return m_frame1->palette().color(QPalette::Window);
}

void FramedPanel::setBackColor(const QColor& color)
{
    for (QWidget* w : {static_cast<QWidget*>(m_frame1), static_cast<QWidget*>(m_txtCaption)}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, color);
        w->setPalette(p);
        w->setAutoFillBackground(true);
    }
}

void FramedPanel::setPanelFont(const QFont& font)
{
    setFont(font);
    m_frame1->setFont(font);
    m_txtCaption->setFont(font);
    // Measured with an underscore on each side, which is a little wider than blanks.
    fitCaption(QLatin1Char('_') + m_caption + QLatin1Char('_'));
}

void FramedPanel::setTwipGeometry(int left, int top, int width, int height)
{
    setGeometry(Twips::toPixels(left, top, width, height));
}

void FramedPanel::resizeEvent(QResizeEvent* event)
{
    m_frame1->setGeometry(0, 0, width(), height());
    QWidget::resizeEvent(event);
}

void FramedPanel::changeEvent(QEvent* event)
{
    // Frame and caption are children, so a disabled panel greys both.
    if (event->type() == QEvent::EnabledChange)
        m_frame1->update();
    QWidget::changeEvent(event);
}

bool FramedPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frame1) {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* e = static_cast<QMouseEvent*>(event);
            Q_EMIT mousePressed(e->button(), e->modifiers(), e->position().toPoint().x(),
                                e->position().toPoint().y());
            break;
        }
        case QEvent::MouseMove: {
            auto* e = static_cast<QMouseEvent*>(event);
            Q_EMIT mouseMoved(e->buttons(), e->modifiers(), e->position().toPoint().x(),
                              e->position().toPoint().y());
            break;
        }
        case QEvent::MouseButtonRelease: {
            auto* e = static_cast<QMouseEvent*>(event);
            Q_EMIT mouseReleased(e->button(), e->modifiers(), e->position().toPoint().x(),
                                 e->position().toPoint().y());
            break;
        }
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

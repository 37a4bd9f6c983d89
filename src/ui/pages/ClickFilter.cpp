#include "ClickFilter.h"

#include <QMouseEvent>
#include <QWidget>

void ClickFilter::watch(QWidget* widget)
{
    widget->installEventFilter(this);
}

bool ClickFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Q_EMIT clicked(static_cast<QWidget*>(watched));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

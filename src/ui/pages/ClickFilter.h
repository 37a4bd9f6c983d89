#pragma once

#include <QObject>

// Turns a left mouse click on a watched widget (a read-only text box that
// opens the choice dialog) into a signal naming the widget.
class ClickFilter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    void watch(QWidget* widget);

Q_SIGNALS:
    void clicked(QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

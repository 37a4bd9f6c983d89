#pragma once

#include <QEventLoop>
#include <QTimer>

// Runs the event loop for a while, so timers and port signals are served.
inline void RunEventsFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

#pragma once

#include "MainWindow.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

// After start-up the main window builds the pages not shown yet from the event
// loop. Tests that reach into a page the user has not opened wait for that, as
// a user clicking its tab a moment later would find it built.
inline bool WaitForAllPages(MainWindow& window)
{
    window.loadRemainingPages();
    const QDeadlineTimer deadline(10000);
    while (!window.allPagesLoaded() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return window.allPagesLoaded();
}

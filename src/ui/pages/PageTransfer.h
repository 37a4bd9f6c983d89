#pragma once

#include <QtGlobal>

struct AppContext;
class PageContext;
class TabPage;

// Copies between the ten editor pages and the data set: PagesToDataSet before
// every save and send, DataSetToPages after every read, reset and receive. The
// pages take part in the order status, names, layers, output pick-offs,
// monitor, GPIO, ESAM, snapshot, fader box, version; a page that is not there
// is skipped. DataSetToPages leaves pages not built yet to show the data set
// when they are built; PagesToDataSet builds them first.
class PageTransfer
{
    Q_DISABLE_COPY(PageTransfer)

public:
    PageTransfer(PageContext& pages, AppContext& app);
    ~PageTransfer();

    void PagesToDataSet();
    // Stops at the first value a control cannot take; the controls set so far
    // keep their new values. The failure is shown in a warning box, the status
    // line and the log; returns false then.
    bool DataSetToPages();
    // The same for one page built after the others were filled (set as the
    // pages' fillPage for as long as the transfer exists).
    bool DataSetToPage(TabPage& page);
    // The reset image becomes the data set, and the pages show it.
    bool ReloadResetImage();

private:
    void reportFailure();

    PageContext& m_pages;
    AppContext& m_app;
};

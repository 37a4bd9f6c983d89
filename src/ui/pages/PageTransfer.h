#pragma once

struct AppContext;
class PageContext;

// Copies between the ten editor pages and the data set: PagesToDataSet before
// every save and send, DataSetToPages after every read, reset and receive. The
// pages take part in the order status, names, layers, output pick-offs,
// monitor, GPIO, ESAM, snapshot, fader box, version; a page that is not there
// is skipped.
class PageTransfer
{
public:
    PageTransfer(PageContext& pages, AppContext& app);

    void PagesToDataSet();
    // Stops at the first value a control cannot take; the controls set so far
    // keep their new values. The failure is shown in a warning box, the status
    // line and the log; returns false then.
    bool DataSetToPages();
    // The reset image becomes the data set, and the pages show it.
    bool ReloadResetImage();

private:
    void reportFailure();

    PageContext& m_pages;
    AppContext& m_app;
};

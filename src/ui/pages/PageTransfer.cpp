#include "PageTransfer.h"

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "ChannelDefinitions.h"
#include "DataSet.h"
#include "PageContext.h"
#include "TabPage.h"
#include "UserInterface.h"

#include <array>

namespace {

constexpr std::array<const char*, 10> TransferOrder{
    "frmTabStripData01", "frmTabStripData02", "frmTabStripData03", "frmTabStripData09",
    "frmTabStripData04", "frmTabStripData05", "frmTabStripData06", "frmTabStripData07",
    "frmTabStripData08", "frmTabStripData99",
};

template <typename Visit>
bool forEachPage(PageContext& pages, Visit visit)
{
    if (!pages.findPage)
        return true;
    for (const char* form : TransferOrder) {
        TabPage* page = pages.findPage(QString::fromLatin1(form));
        if (page && page->isLoaded() && !visit(*page))
            return false;
    }
    return true;
}

} // namespace

PageTransfer::PageTransfer(PageContext& pages, AppContext& app) : m_pages(pages), m_app(app)
{
    m_pages.fillPage = [this](TabPage& page) { return DataSetToPage(page); };
}

PageTransfer::~PageTransfer()
{
    m_pages.fillPage = nullptr;
}

void PageTransfer::PagesToDataSet()
{
    // A page not built yet would still hold what it makes of the data set once
    // shown: a value it cannot show becomes the one it does.
    if (m_pages.loadAllPages)
        m_pages.loadAllPages();
    forEachPage(m_pages, [this](TabPage& page) {
        page.toDataSet(m_pages.data);
        return true;
    });
}

bool PageTransfer::DataSetToPages()
{
    m_app.ui.setBusy(true);
    m_app.ui.focusTabStrip();
    FillGpioLists(m_app.settings, m_pages.lists.lstData);
    const bool done =
        forEachPage(m_pages, [this](TabPage& page) { return page.fromDataSet(m_pages.data); });
    if (!done) {
        reportFailure();
        return false;
    }
    m_app.ui.setBusy(false);
    m_app.ui.focusTabStrip();
    return true;
}

bool PageTransfer::DataSetToPage(TabPage& page)
{
    if (page.fromDataSet(m_pages.data))
        return true;
    reportFailure();
    return false;
}

bool PageTransfer::ReloadResetImage()
{
    m_pages.data.Current = m_pages.data.Reset;
    return DataSetToPages();
}

void PageTransfer::reportFailure()
{
    const QString text = m_app.settings.isGerman()
                             ? QStringLiteral("Fehler bei der Weitergabe der Werte an die Controls")
                             : QStringLiteral("Error while transferring the data to the controls");
    m_app.ui.messageBox(MessageIcon::Exclamation, m_app.settings.boxTitle(), text);
    ShowStatus(m_app.ui, text);
    m_app.log.WriteLog(QStringLiteral("  ") + text);
    m_app.ui.setBusy(false);
}

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

PageTransfer::PageTransfer(PageContext& pages, AppContext& app) : m_pages(pages), m_app(app) {}

void PageTransfer::PagesToDataSet()
{
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

#include "Shutdown.h"

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "AppWindows.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "SerialLink.h"
#include "SettingsFile.h"
#include "UserInterface.h"

Shutdown::Shutdown(AppContext& ctx, AppWindows& windows, Terminate terminate)
    : m_ctx(ctx), m_windows(windows), m_terminate(std::move(terminate))
{
}

bool Shutdown::EndProgram(bool ask, int exitStatus)
{
    if (m_ended)
        return true;
    if (ask && !m_ctx.ui.askYesNo(MessageIcon::Stop, m_ctx.ui.mainWindowCaption(),
                                  m_ctx.messages.get(QStringLiteral("QueryEndProg"))))
        return false;

    // From here on the program ends, even if a step below fails.
    m_ended = true;
    m_ctx.log.WriteLog(ask ? m_ctx.messages.get(QStringLiteral("QueryEndProg_ByUser"))
                           : m_ctx.messages.get(QStringLiteral("QueryEndProg_NoQuery")));

    const QString& file = m_ctx.settings.SettingsFile;
    if (m_windows.mainWindowExists() && m_placementRestored) {
        const bool placed = SaveWindowPlacement(file, QStringLiteral("Screen"), QStringLiteral("Coord_"),
                                                m_windows.mainPlacement(), m_windows.mainIsNormal());
        const bool paged = WriteSetting(file, QStringLiteral("Recent"), QStringLiteral("ActTabStrip"),
                                        QString::number(m_windows.selectedTabNumber()), false);
        if (!placed || !paged)
            m_ctx.log.WriteLog(QStringLiteral("  ") +
                               FormatMessage(m_ctx.messages.get(QStringLiteral("WriteSettings_Err")), file));
    }
    if (m_ctx.settings.InitDone)
        TidySettingsFile(file);
    if (m_link)
        m_link->ClosePort();
    m_ctx.log.CloseLog();
    if (m_windows.mainWindowExists())
        m_windows.hideMainWindow();
    m_windows.closeOtherWindows();
    m_terminate(exitStatus);
    return true;
}

#include "MainShell.h"

#include "AboutWindow.h"
#include "AppSettings.h"
#include "Application.h"
#include "BlankNames.h"
#include "CommDebugWindow.h"
#include "CommDialog.h"
#include "ConfigTransfer.h"
#include "MainWindow.h"
#include "MessageTexts.h"
#include "PlatformStyle.h"
#include "ProgramInfo.h"
#include "ProtocolPlacement.h"
#include "ProtocolWindow.h"
#include "QtUserInterface.h"
#include "SerialLink.h"
#include "Twips.h"
#include "pages/NamesPage.h"
#include "pages/PageContext.h"
#include "pages/PageTransfer.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

MainShell::MainShell(Application& app, QtUserInterface& ui) : m_app(app), m_ui(ui) {}

MainShell::~MainShell() = default;

TextSink* MainShell::protocolView()
{
    if (!m_protocol)
        m_protocol =
            std::make_unique<ProtocolWindow>(m_app.messages(), m_app.settings().Language, m_window.get());
    return m_protocol.get();
}

bool MainShell::themeActive() const
{
    return IsThemedStyle(QApplication::style());
}

void MainShell::showSplash()
{
    m_splash = std::make_unique<AboutWindow>(ProgramInfo::fromSettings(m_app.settings()), true);
    m_splash->show();
    QCoreApplication::processEvents();
}

void MainShell::closeSplash()
{
    m_splash.reset();
}

void MainShell::createMainWindow(const QString& caption)
{
    m_pages = std::make_unique<PageContext>(m_app.settings(), m_app.messages(), m_app.data());
    m_window = std::make_unique<MainWindow>(*m_pages);
    m_window->setWindowTitle(caption);
    // The protocol window exists from start-up on; from now on it belongs to the
    // main window: above it, centred on it, with its icon and no task bar entry of its own.
    if (m_protocol)
        m_protocol->setParent(m_window.get(), m_protocol->windowFlags());
    m_ui.setMainWindow(m_window.get());
    const bool german = m_app.settings().isGerman();
    m_ui.setAnswerTexts(
        m_app.messages().get(QStringLiteral("Query_Yes"), german ? QStringLiteral("&Ja") : QStringLiteral("&Yes")),
        m_app.messages().get(QStringLiteral("Query_No"), german ? QStringLiteral("&Nein") : QStringLiteral("&No")));
    m_transfer = std::make_unique<PageTransfer>(*m_pages, m_app.context());
    m_ui.setPageTransfer([this] { m_transfer->PagesToDataSet(); }, [this] { return m_transfer->DataSetToPages(); });

    m_pages->runCommand = [this](int number) { m_app.InterpretMenuCommand(number); };
    // The snapshot page's transfers, like the toolbar's, wait for no other exchange to end.
    m_pages->requestConfig = [this](int index) {
        if (m_app.link().idle())
            m_app.configTransfer().RequestConfig(index);
    };
    m_pages->sendConfig = [this](int index) {
        if (m_app.link().idle())
            m_app.configTransfer().SendConfig(index);
    };

    QObject::connect(m_window.get(), &MainWindow::commandRequested,
                     [this](int number) { m_app.InterpretMenuCommand(number); });
    QObject::connect(m_window.get(), &MainWindow::firstActivated, [this] { m_app.link().OpenPort(); });
    QObject::connect(m_window.get(), &MainWindow::pageRefreshRequested, [this] { refreshPagesOnTabChange(); });
    QObject::connect(m_window.get(), &MainWindow::debugTestRequested, [this] { m_app.TestTransferEncoding(); });
    QObject::connect(m_window.get(), &MainWindow::closeRequested, [this] { m_app.EndProgram(false); });

    // Centred on the screen until the stored placement is restored.
    const QSize screen = screenTwips();
    TwipRect rect = m_window->placement();
    rect.left = (screen.width() - rect.width) / 2;
    rect.top = (screen.height() - rect.height) / 2;
    m_window->setPlacement(rect);
}

void MainShell::enableLinkCommands(bool enabled)
{
    if (!m_window)
        return;
    for (int command : {5, 6, 7, 8, 9, 10})
        if (QAction* button = m_window->toolButton(command))
            button->setEnabled(enabled);
}

void MainShell::refreshPagesOnTabChange()
{
    if (!m_app.settings().InitDone)
        return;
    m_transfer->PagesToDataSet();
    CheckBlankNames(m_app.dataContext(), true);
    m_transfer->DataSetToPages();
}

bool MainShell::mainWindowExists() const
{
    return m_window != nullptr;
}

TwipRect MainShell::mainPlacement() const
{
    return m_window->placement();
}

bool MainShell::mainIsNormal() const
{
    return m_window->isNormalPlacement();
}

void MainShell::setMainPlacement(const TwipRect& rect)
{
    m_window->setPlacement(rect);
}

QSize MainShell::screenTwips() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->size() : QSize(1024, 768);
    return QSize(Twips::fromPixelsX(pixels.width()), Twips::fromPixelsY(pixels.height()));
}

void MainShell::hideToolbarButton(int index)
{
    if (QAction* button = m_window->toolButton(index))
        button->setVisible(false);
}

void MainShell::showTestButton()
{
    m_window->debugButton()->setVisible(true);
}

void MainShell::showMainWindow()
{
    m_window->show();
}

void MainShell::loadRemainingPages()
{
    m_window->loadRemainingPages();
}

void MainShell::hideMainWindow()
{
    m_window->allowClose();
    m_window->hide();
}

int MainShell::selectedTabNumber() const
{
    return m_window->currentTabNumber();
}

void MainShell::startSendTimer(int intervalMs)
{
    m_window->startSendTimer(intervalMs);
}

void MainShell::editPortSettings()
{
    Comm_Edit_Settings(m_window.get(), m_app.link(), m_app.context());
}

// Shown once, not modal; closing it ends the debug output for the run.
void MainShell::showDebugMonitor()
{
    if (m_debugMonitor)
        return;
    m_debugMonitor = new CommDebugWindow(m_app.link(), m_app.settings().SettingsFile);
    m_debugMonitor->setAttribute(Qt::WA_DeleteOnClose);
    m_debugMonitor->show();
}

void MainShell::showProtocolWindow()
{
    ProtocolWindow* protocol = static_cast<ProtocolWindow*>(protocolView());
    const TwipRect size = TwipRect{0, 0, Twips::fromPixelsX(protocol->width()), Twips::fromPixelsY(protocol->height())};
    const TwipRect placed = ProtocolWindowPlacement(m_window->placement(), size, screenTwips());
    protocol->move(Twips::toPixelsX(placed.left), Twips::toPixelsY(placed.top));
    protocol->exec();
}

void MainShell::showAbout()
{
    AboutWindow about(ProgramInfo::fromSettings(m_app.settings()), false, m_window.get());
    about.exec();
}

void MainShell::closeOtherWindows()
{
    if (m_debugMonitor)
        m_debugMonitor->close();
    if (m_protocol)
        m_protocol->hide();
    m_splash.reset();
}

const SelectorLists& MainShell::selectorLists() const
{
    return m_pages->lists;
}

NameBoxes* MainShell::nameBoxes()
{
    return dynamic_cast<NamesPage*>(m_pages->findPage ? m_pages->findPage(QStringLiteral("frmTabStripData02")) : nullptr);
}

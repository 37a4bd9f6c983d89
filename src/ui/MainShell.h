#pragma once

#include "AppWindows.h"

#include <QPointer>

#include <memory>

class AboutWindow;
class Application;
class CommDebugWindow;
class MainWindow;
class PageContext;
class PageTransfer;
class ProtocolWindow;
class QtUserInterface;

// The real windows behind the application layer: splash and about window, the
// main window with its pages, the protocol window. It wires the main window's
// signals to the dispatcher, the link and the end procedure.
class MainShell final : public AppWindows
{
    Q_DISABLE_COPY(MainShell)
public:
    MainShell(Application& app, QtUserInterface& ui);
    ~MainShell() override;

    TextSink* protocolView() override;
    bool themeActive() const override;
    void showSplash() override;
    void closeSplash() override;
    void createMainWindow(const QString& caption) override;
    bool mainWindowExists() const override;
    TwipRect mainPlacement() const override;
    bool mainIsNormal() const override;
    void setMainPlacement(const TwipRect& rect) override;
    QSize screenTwips() const override;
    void hideToolbarButton(int index) override;
    void showTestButton() override;
    void showMainWindow() override;
    void loadRemainingPages() override;
    void hideMainWindow() override;
    int selectedTabNumber() const override;
    void startSendTimer(int intervalMs) override;
    void enableLinkCommands(bool enabled) override;
    void editPortSettings() override;
    void showProtocolWindow() override;
    void showAbout() override;
    void showDebugMonitor() override;
    void closeOtherWindows() override;
    const SelectorLists& selectorLists() const override;
    NameBoxes* nameBoxes() override;

    MainWindow* mainWindow() const { return m_window.get(); }

private:
    void refreshPagesOnTabChange();

    Application& m_app;
    QtUserInterface& m_ui;
    std::unique_ptr<AboutWindow> m_splash;
    std::unique_ptr<PageContext> m_pages;
    std::unique_ptr<PageTransfer> m_transfer;
    std::unique_ptr<MainWindow> m_window;
    // A child of the main window once that exists, so it goes first.
    std::unique_ptr<ProtocolWindow> m_protocol;
    QPointer<CommDebugWindow> m_debugMonitor;
};

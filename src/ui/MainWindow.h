#pragma once

#include "SettingsFile.h"
#include "pages/TabPage.h"

#include <QMainWindow>
#include <QStringList>

#include <memory>
#include <vector>

class FramedPanel;
class MessageTexts;
class PageContext;
class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;
class QTabBar;
class QTimer;
class QToolBar;
struct AppSettings;

// `frmMain`: toolbar of commands, the tab strip of the editor pages, the container
// that hosts the shown page with its scroll bar, and the status line. The window
// runs nothing itself: commands, the page refresh of a tab change, the debug
// test and closing are raised as signals for the application layer.
class MainWindow : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY(MainWindow)

public:
    static constexpr int ButtonCount = 15;
    static constexpr int SendDataCommand = 107;
    static constexpr int MinHeightTwips = 1800;

    // Without pages of its own the window hosts the standard ten.
    explicit MainWindow(PageContext& context, std::vector<std::unique_ptr<TabPage>> pages = {},
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Width in twips the window keeps for a number of faders per layer.
    static int fixedWidthTwips(int layerNumFaders);
    // The command name of toolbar button 1..15; separators are "???".
    static QString commandName(int index);

    QToolBar* toolbar() const { return m_toolbar; }
    // Button 1..15 (separators included), or null.
    QAction* toolButton(int index) const;
    QTabBar* tabStrip() const { return m_tabData; }
    QString tabTag(int tabIndex) const;
    QString tabKey(int tabIndex) const;
    FramedPanel* container() const { return m_fraContainer; }
    QFrame* blind() const { return m_fraBlind; }
    QScrollBar* verticalScroll() const { return m_vScroll; }
    QPushButton* debugButton() const { return m_cmdDummy; }
    QLabel* statusText() const { return m_statusText; }
    QTimer* sendTimer() const { return m_timSendData; }

    const std::vector<std::unique_ptr<TabPage>>& pages() const { return m_pages; }
    // Only the shown page is built at the first showing; this builds the others
    // one at a time from the event loop, so the window keeps answering meanwhile.
    // A tab chosen before its page's turn builds that page at once.
    void loadRemainingPages();
    // Builds them at once: the transfer from the pages to the data set needs every page.
    void loadAllPages();
    bool allPagesLoaded() const;
    TabPage* page(const QString& formName) const;
    TabPage* currentPage() const { return m_currentPage; }
    // The selected tab counted from 1, as stored under "ActTabStrip".
    int currentTabNumber() const;
    bool firstActivationDone() const { return m_firstActivationDone; }

    void setStatusLine(const QString& shown, const QString& toolTip);
    void focusTabStrip();
    // The device asked for data: command 107 runs once after the interval; 0 stops.
    void startSendTimer(int intervalMs = 100);

    // Placement in twips, for storing and restoring at start and end.
    TwipRect placement() const;
    void setPlacement(const TwipRect& rect);
    bool isNormalPlacement() const;

    // The end procedure calls this before it closes the window for good.
    void allowClose() { m_closeAllowed = true; }

Q_SIGNALS:
    void commandRequested(int number);
    // Once, at the first showing, after the tab strip was built: time to open the port.
    void firstActivated();
    // A tab change after start-up: pages to data set, blank names, data set to pages.
    void pageRefreshRequested();
    void debugTestRequested();
    // The user closed the window: the program ends without a query.
    void closeRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createToolbar();
    void createTabStrip();
    void loadToolTips();
    void buildTabStrip();
    void tagTabs();
    void loadPage(TabPage& page);
    void loadNextPage();
    void captionTabs();
    void selectStartTab();
    void fitPage(TabPage& page);
    bool wheelOverPage(QObject* watched, QEvent* event);
    void tabClick();
    void setUpScroll();
    void applyScroll(int value);
    void layOutTabStrip();
    void applySizeLimits();

    PageContext& m_context;
    AppSettings& m_settings;
    MessageTexts& m_messages;
    std::vector<std::unique_ptr<TabPage>> m_pages;
    QToolBar* m_toolbar = nullptr;
    QList<QAction*> m_buttons;
    QWidget* m_central = nullptr;
    QTabBar* m_tabData = nullptr;
    QWidget* m_tabPane = nullptr;
    FramedPanel* m_fraContainer = nullptr;
    QFrame* m_fraBlind = nullptr;
    QScrollBar* m_vScroll = nullptr;
    QLabel* m_statusText = nullptr;
    QPushButton* m_cmdDummy = nullptr;
    QTimer* m_timSendData = nullptr;
    QTimer* m_pageLoader = nullptr;
    TabPage* m_currentPage = nullptr;
    int m_heightToRestore = 0; // pixels, of a placement taller than the limit allowed then
    bool m_firstActivationDone = false;
    bool m_closeAllowed = false;
};

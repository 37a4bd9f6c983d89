#include "MainWindow.h"

#include "AppSettings.h"
#include "FramedPanel.h"
#include "Helpers.h"
#include "MessageTexts.h"
#include "ModelPictures.h"
#include "ThemeIcons.h"
#include "Twips.h"
#include "pages/PageContext.h"
#include "pages/StandardPages.h"
#include "pages/TabPage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

struct Button
{
    const char* name;
    const char* designToolTip;
    const char* themeIcon;
    QStyle::StandardPixmap fallback;
};

// Index i + 1 is the command number; entries without a name are separators.
const Button Buttons[MainWindow::ButtonCount] = {
    {"FileRead", "Daten laden", "document-open", QStyle::SP_DialogOpenButton},
    {"FileWrite", "Daten sichern", "document-save", QStyle::SP_DialogSaveButton},
    {"Reset", "Editor-Reset", "edit-clear", QStyle::SP_DialogResetButton},
    {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
    {"CommSendData", "Daten senden", "go-up", QStyle::SP_ArrowUp},
    {"CommReceiveData", "Daten empfangen", "go-down", QStyle::SP_ArrowDown},
    {"CommRestart", "Befehl zum System-Reset senden", "system-reboot", QStyle::SP_BrowserReload},
    {"CommGetInfo", "Version abfragen", "dialog-question", QStyle::SP_MessageBoxQuestion},
    {"CommCheck", "Online-Test", "network-wired", QStyle::SP_DriveNetIcon},
    {"CommSettings", "Parameter Serielle Schnittstelle", "preferences-system", QStyle::SP_ComputerIcon},
    {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
    {"ShowProtocol", "Protokoll anzeigen", "text-x-generic", QStyle::SP_FileDialogContentsView},
    {"ShowAbout", "Informationen über den Editor anzeigen", "help-about", QStyle::SP_MessageBoxInformation},
    {nullptr, nullptr, nullptr, QStyle::SP_CustomBase},
    {"EndProgram", "Programm beenden", "application-exit", QStyle::SP_DialogCloseButton},
};

struct DesignTab
{
    const char* key;
    const char* caption;
};

const DesignTab DesignTabs[] = {
    {"status", "status"}, {"name", "name"},         {"layer", "layer"},
    {"output", "output"}, {"monitor", "monitor"},   {"gpio", "gpio"},
    {"esam", "esam"},     {"snapshot", "snapshot"}, {"fbox", "fbox"},
};

// Optional pages: the setting that keeps a tab and the upper-cased key it removes.
struct OptionalTab
{
    bool AppSettings::*flag;
    const char* key;
};

const OptionalTab OptionalTabs[] = {
    {&AppSettings::ShowTabStrip_ESAM, "ESAM"},
    {&AppSettings::ShowTabStrip_FBOX, "FBOX"},
    {&AppSettings::ShowTabStrip_Monitor, "MONITOR"},
    {&AppSettings::ShowTabStrip_IO_Opt, "GPIO"},
};

constexpr int TabTopTwips = 60;
constexpr int ScrollGapTwips = 64;
constexpr int ContainerGapTwips = 8;
constexpr int BlindSizeTwips = 20000;
constexpr int ScrollStepTwips = 96;
constexpr int NarrowMarginTwips = 196;

// The frame under the tabs, drawn as the style draws a tab widget's pane.
class TabPane : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QStyleOptionTabWidgetFrame option;
        option.initFrom(this);
        option.shape = QTabBar::RoundedNorth;
        style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, this);
    }
};

// The tag's name after "TABSTRIP=", up to the next "|", blank or double quote.
QString tabStripName(const QString& upperTag)
{
    const QString marker = QStringLiteral("TABSTRIP=");
    const qsizetype at = upperTag.indexOf(marker);
    if (at < 0)
        return QString();
    QString name;
    for (qsizetype i = at + marker.size(); i < upperTag.size(); ++i) {
        const QChar c = upperTag.at(i);
        if (c == QLatin1Char('|') || c == QLatin1Char(' ') || c == QLatin1Char('"'))
            break;
        name += c;
    }
    return name;
}

} // namespace

MainWindow::MainWindow(PageContext& context, std::vector<std::unique_ptr<TabPage>> pages, QWidget* parent)
    : QMainWindow(parent), m_context(context), m_settings(context.settings), m_messages(context.messages),
      m_pages(std::move(pages))
{
    setObjectName(QStringLiteral("frmMain"));
    // The model's icon from the start (the design icon for an unknown model).
    setWindowIcon(ModelPictures::icon(ModelPictures::modelIndex(m_settings.DeviceModel)));
    if (m_pages.empty())
        m_pages = CreateStandardPages(context);
    context.findPage = [this](const QString& formName) { return page(formName); };
    context.loadAllPages = [this] { loadAllPages(); };
    context.mainPlacement = [this] { return placement(); };
    createToolbar();
    createTabStrip();

    m_statusText = new QLabel(this);
    m_statusText->setObjectName(QStringLiteral("StatusBarText"));
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->addWidget(m_statusText, 1);
    m_cmdDummy = new QPushButton(QStringLiteral("dataset"), this);
    m_cmdDummy->setObjectName(QStringLiteral("cmdDummy"));
    statusBar()->addPermanentWidget(m_cmdDummy);
    m_cmdDummy->setVisible(m_settings.Debug);
    connect(m_cmdDummy, &QPushButton::clicked, this, &MainWindow::debugTestRequested);

    m_timSendData = new QTimer(this);
    m_timSendData->setObjectName(QStringLiteral("timSendData"));
    m_timSendData->setSingleShot(true);
    connect(m_timSendData, &QTimer::timeout, this, [this] {
        m_timSendData->stop();
        Q_EMIT commandRequested(SendDataCommand);
    });

    m_pageLoader = new QTimer(this);
    m_pageLoader->setSingleShot(true);
    connect(m_pageLoader, &QTimer::timeout, this, &MainWindow::loadNextPage);

    applySizeLimits();
    resize(width(), Twips::toPixelsY(std::min<int>(7200, m_settings.MaxMainHeight)));
}

MainWindow::~MainWindow() = default;

int MainWindow::fixedWidthTwips(int layerNumFaders)
{
    switch (layerNumFaders) {
    case 2:
    case 4:
    case 6:
    case 8:
    case 10:
        return 10285;
    case 12:
        return 11130;
    case 14:
        return 12690;
    default:
        return 14250;
    }
}

QString MainWindow::commandName(int index)
{
    if (index < 1 || index > ButtonCount || !Buttons[index - 1].name)
        return QStringLiteral("???");
    return QString::fromLatin1(Buttons[index - 1].name);
}

void MainWindow::createToolbar()
{
    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    m_toolbar->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, m_toolbar);
    for (int index = 1; index <= ButtonCount; ++index) {
        const Button& b = Buttons[index - 1];
        if (!b.name) {
            m_buttons.append(m_toolbar->addSeparator());
            continue;
        }
        QAction* action = m_toolbar->addAction(ThemeIcons::icon(b.themeIcon, b.fallback), QString::fromLatin1(b.name));
        action->setObjectName(QString::fromLatin1(b.name));
        action->setToolTip(QString::fromUtf8(b.designToolTip));
        connect(action, &QAction::triggered, this, [this, index] { Q_EMIT commandRequested(index); });
        m_buttons.append(action);
    }
}

QAction* MainWindow::toolButton(int index) const
{
    return m_buttons.value(index - 1);
}

void MainWindow::createTabStrip()
{
    m_central = new QWidget(this);
    m_central->setObjectName(QStringLiteral("central"));
    setCentralWidget(m_central);
    m_central->installEventFilter(this);

    m_tabPane = new TabPane(m_central);
    m_tabPane->installEventFilter(this);
    m_tabData = new QTabBar(m_central);
    m_tabData->setObjectName(QStringLiteral("TabData"));
    m_tabData->setDrawBase(false);
    m_tabData->setExpanding(false);
    // Every tab stays reachable on the narrowest window, whatever the style prefers.
    m_tabData->setUsesScrollButtons(true);
    m_tabData->setElideMode(Qt::ElideNone);
    for (const DesignTab& tab : DesignTabs) {
        const int i = m_tabData->addTab(QString::fromLatin1(tab.caption));
        m_tabData->setTabData(i, QStringList{QString::fromLatin1(tab.key), QString()});
    }

    m_fraContainer = new FramedPanel(m_tabPane, QStringLiteral("fraContainer"));
    // Beside a page narrower than the container the window colour shows, not the
    // lighter inside of the tab pane.
    m_fraContainer->setAutoFillBackground(true);
    m_vScroll = new QScrollBar(Qt::Vertical, m_tabPane);
    m_vScroll->setObjectName(QStringLiteral("VScroll"));
    m_vScroll->setEnabled(false);
    connect(m_vScroll, &QScrollBar::valueChanged, this, &MainWindow::applyScroll);
    connect(m_tabData, &QTabBar::currentChanged, this, [this] {
        if (m_firstActivationDone)
            tabClick();
    });
}

QString MainWindow::tabKey(int tabIndex) const
{
    return m_tabData->tabData(tabIndex).toStringList().value(0);
}

QString MainWindow::tabTag(int tabIndex) const
{
    return m_tabData->tabData(tabIndex).toStringList().value(1);
}

TabPage* MainWindow::page(const QString& formName) const
{
    for (const auto& p : m_pages) {
        if (p->formName().compare(formName, Qt::CaseInsensitive) == 0)
            return p.get();
    }
    return nullptr;
}

int MainWindow::currentTabNumber() const
{
    return m_tabData->currentIndex() + 1;
}

void MainWindow::setStatusLine(const QString& shown, const QString& toolTip)
{
    m_statusText->setText(shown);
    m_statusText->setToolTip(toolTip);
    statusBar()->setToolTip(toolTip);
}

void MainWindow::focusTabStrip()
{
    m_tabData->setFocus(Qt::OtherFocusReason);
}

void MainWindow::startSendTimer(int intervalMs)
{
    if (intervalMs <= 0)
        m_timSendData->stop();
    else
        m_timSendData->start(intervalMs);
}

TwipRect MainWindow::placement() const
{
    const QRect r = Twips::fromPixels(geometry());
    return {r.x(), r.y(), r.width(), r.height()};
}

void MainWindow::setPlacement(const TwipRect& rect)
{
    const QRect wanted = Twips::toPixels(rect.left, rect.top, rect.width, rect.height);
    setGeometry(wanted);
    // A height the pages built so far do not allow yet is taken up as they come.
    m_heightToRestore = height() < wanted.height() ? wanted.height() : 0;
}

bool MainWindow::isNormalPlacement() const
{
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_firstActivationDone)
        return;
    loadToolTips();
    buildTabStrip();
    m_firstActivationDone = true;
    Q_EMIT firstActivated();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_closeAllowed) {
        QMainWindow::closeEvent(event);
        return;
    }
    // The end procedure unloads every window; it calls allowClose() and closes again.
    event->ignore();
    Q_EMIT closeRequested();
}

void MainWindow::loadToolTips()
{
    for (int index = 1; index <= ButtonCount; ++index) {
        const QString key = QStringLiteral("Menu_") + commandName(index) + QStringLiteral(".ToolTip");
        m_buttons.at(index - 1)->setToolTip(m_messages.get(key));
    }
}

void MainWindow::buildTabStrip()
{
    const QSignalBlocker quiet(m_tabData);
    if (m_settings.ShowTabStrip_System) {
        const int i = m_tabData->addTab(QStringLiteral("SYSTEM"));
        m_tabData->setTabData(i, QStringList{QStringLiteral("system"), QString()});
    }
    for (const OptionalTab& optional : OptionalTabs) {
        if (m_settings.*optional.flag)
            continue;
        for (int i = 0; i < m_tabData->count(); ++i) {
            if (tabKey(i).toUpper() == QLatin1String(optional.key)) {
                m_tabData->removeTab(i);
                break;
            }
        }
    }
    layOutTabStrip();
    m_fraContainer->setBorder(false);
    m_fraContainer->setCaption(QString());
    m_fraBlind = new QFrame(m_fraContainer);
    m_fraBlind->setObjectName(QStringLiteral("fraBlind"));
    m_fraBlind->setFrameShape(QFrame::NoFrame);
    m_fraBlind->setAutoFillBackground(true);
    m_fraBlind->setGeometry(Twips::toPixels(0, 0, BlindSizeTwips, BlindSizeTwips));
    m_fraBlind->show();
    tagTabs();
    captionTabs();
    applySizeLimits();
    selectStartTab();
}

void MainWindow::loadRemainingPages()
{
    if (m_firstActivationDone && !allPagesLoaded())
        m_pageLoader->start(0);
}

void MainWindow::loadAllPages()
{
    // Before the first showing the container has no size to build pages for.
    if (!m_firstActivationDone)
        return;
    m_pageLoader->stop();
    for (const auto& p : m_pages) {
        if (!p->isLoaded())
            loadPage(*p);
    }
}

bool MainWindow::allPagesLoaded() const
{
    return std::all_of(m_pages.begin(), m_pages.end(), [](const auto& p) { return p->isLoaded(); });
}

void MainWindow::loadNextPage()
{
    const auto next = std::find_if(m_pages.begin(), m_pages.end(), [](const auto& p) { return !p->isLoaded(); });
    if (next == m_pages.end())
        return;
    loadPage(**next);
    loadRemainingPages();
}

void MainWindow::loadPage(TabPage& page)
{
    page.load(m_fraContainer);
    FramedPanel* panel = page.fraTab();
    // The wheel over any part of a page scrolls it; a list box takes the wheel
    // only while it has the focus.
    panel->installEventFilter(this);
    for (QWidget* w : panel->findChildren<QWidget*>()) {
        w->installEventFilter(this);
        if (qobject_cast<QComboBox*>(w))
            w->setFocusPolicy(Qt::StrongFocus);
    }
    panel->hide();
    panel->setBorder(false);
    panel->setAutoFillBackground(true);
    panel->setGeometry(0, 0, m_fraContainer->width(), panel->height());
    fitPage(page);
    // A taller page lets the window grow further.
    applySizeLimits();
    if (m_heightToRestore > height())
        resize(width(), m_heightToRestore);
    if (allPagesLoaded())
        m_heightToRestore = 0;
    if (m_context.fillPage)
        m_context.fillPage(page);
}

// Each tab learns the form of the page whose design caption it carries.
void MainWindow::tagTabs()
{
    for (const auto& p : m_pages) {
        const QString panelCaption = p->designCaption().trimmed().toUpper();
        for (int i = 0; i < m_tabData->count(); ++i) {
            const QString tabCaption = m_tabData->tabText(i).trimmed();
            if (tabCaption.toUpper() != panelCaption)
                continue;
            const QString tag = tabTag(i) + QStringLiteral("|FormName=") + p->formName().trimmed() +
                                QStringLiteral("|") + QStringLiteral("|TabStrip=") + tabCaption +
                                QStringLiteral("|");
            m_tabData->setTabData(i, QStringList{tabKey(i), tag});
        }
    }
}

void MainWindow::captionTabs()
{
    for (int i = 0; i < m_tabData->count(); ++i) {
        const QString t = (QLatin1Char('|') + tabTag(i).trimmed() + QLatin1Char('|')).toUpper();
        const QString name = tabStripName(t);
        if (name.isEmpty())
            continue;
        if (t.contains(QStringLiteral("|TABSTRIP=SYSTEM|"))) {
            m_tabData->setTabText(i, QStringLiteral("S&YSTEM"));
            continue;
        }
        const QString section = QStringLiteral("TabStrip_") + name + QLatin1Char('_') + m_settings.Language;
        m_tabData->setTabText(
            i, ReadSetting(m_settings.SettingsFile, section, QStringLiteral("Caption"), section));
        m_tabData->setTabToolTip(
            i, ReadSetting(m_settings.SettingsFile, section, QStringLiteral("ToolTip"), QString()));
    }
}

void MainWindow::selectStartTab()
{
    int index = 1;
    if (m_settings.RestoreLastPosition) {
        const QString stored = ReadSetting(m_settings.SettingsFile, QStringLiteral("Recent"),
                                           QStringLiteral("ActTabStrip"), QStringLiteral("1"));
        index = IsNumeric(stored) ? LeadingNumber(stored) : 1;
        if (index < 1 || index > m_tabData->count())
            index = 1;
    }
    m_tabData->setCurrentIndex(index - 1);
    tabClick();
}

void MainWindow::fitPage(TabPage& page)
{
    const double perLayer = m_settings.Layer_NumFaders / 2.0;
    const bool narrow = perLayer >= 1 && perLayer < 8;
    const int limit = m_tabData->width() - m_vScroll->width() - Twips::toPixelsX(NarrowMarginTwips);
    page.fitWidth(narrow ? limit : m_fraContainer->width());
    if (!narrow)
        return;
    // What still reaches past the limit is cut to it (the panels' frames).
    QList<QWidget*> controls = page.fraTab()->findChildren<QWidget*>();
    controls.prepend(page.fraTab());
    for (QWidget* control : controls) {
        // A panel's own frame and caption field follow the panel.
        const QString name = control->objectName();
        if (name == QLatin1String("Frame1") || name == QLatin1String("txtCaption"))
            continue;
        if (control->x() + control->width() > limit && limit > control->x())
            control->resize(limit - control->x(), control->height());
    }
}

void MainWindow::tabClick()
{
    if (m_settings.InitDone)
        Q_EMIT pageRefreshRequested();
    const QString tag = tabTag(m_tabData->currentIndex()).toLower();
    TabPage* shown = nullptr;
    for (const auto& p : m_pages) {
        if (tag.contains(QStringLiteral("|formname=") + p->formName().toLower() + QLatin1Char('|'))) {
            shown = p.get();
            break;
        }
    }
    if (!shown)
        return;
    if (!shown->isLoaded())
        loadPage(*shown);
    // The previous page is hidden rather than covered, so nothing shows through.
    for (const auto& p : m_pages) {
        if (p.get() != shown && p->isLoaded())
            p->fraTab()->hide();
    }
    FramedPanel* panel = shown->fraTab();
    panel->raise();
    panel->show();
    shown->activated();
    m_fraBlind->raise();
    m_fraBlind->move(0, panel->y() + panel->height());
    m_currentPage = shown;
    setUpScroll();
}

void MainWindow::setUpScroll()
{
    if (!m_currentPage || !m_currentPage->isLoaded())
        return;
    FramedPanel* panel = m_currentPage->fraTab();
    const int pageHeight = Twips::fromPixelsY(panel->height());
    const int containerHeight = Twips::fromPixelsY(m_fraContainer->height());
    const bool enabled = containerHeight < pageHeight - ScrollStepTwips;
    const QSignalBlocker quiet(m_vScroll);
    m_vScroll->setEnabled(enabled);
    if (!enabled) {
        panel->move(panel->x(), 0);
        m_fraBlind->move(0, panel->height());
        m_vScroll->setRange(0, 0);
        m_vScroll->setValue(0);
        return;
    }
    const int top = Twips::fromPixelsY(panel->y());
    const int maximum = pageHeight - containerHeight;
    m_vScroll->setRange(0, maximum);
    m_vScroll->setSingleStep(ScrollStepTwips);
    m_vScroll->setPageStep(ScrollStepTwips);
    m_vScroll->setValue(0 < -top && -top <= maximum ? -top : 0);
    applyScroll(m_vScroll->value());
}

void MainWindow::applyScroll(int value)
{
    if (!m_currentPage || !m_currentPage->isLoaded())
        return;
    FramedPanel* panel = m_currentPage->fraTab();
    panel->move(panel->x(), -Twips::toPixelsY(value));
    if (m_fraBlind)
        m_fraBlind->move(0, panel->y() + panel->height());
}

void MainWindow::applySizeLimits()
{
    const int width = Twips::toPixelsX(fixedWidthTwips(m_settings.Layer_NumFaders));
    setMinimumWidth(width);
    setMaximumWidth(width);
    setMinimumHeight(Twips::toPixelsY(MinHeightTwips));
    setMaximumHeight(Twips::toPixelsY(std::max<int>(MinHeightTwips, m_settings.MaxMainHeight)));
}

void MainWindow::layOutTabStrip()
{
    const int width = m_central->width();
    const int top = Twips::toPixelsY(TabTopTwips);
    const int barHeight = m_tabData->sizeHint().height();
    m_tabData->setGeometry(0, top, width, barHeight);
    const int paneTop = top + barHeight - 1;
    m_tabPane->setGeometry(0, paneTop, width, std::max(0, m_central->height() - paneTop));

    // The pane's client area, inside its frame.
    const int edge = 2;
    const QRect client = m_tabPane->rect().adjusted(edge, edge, -edge, -edge);
    const int scrollWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_vScroll->setGeometry(width - scrollWidth - Twips::toPixelsX(ScrollGapTwips), client.top(), scrollWidth,
                           client.height());
    const int containerWidth = client.width() - scrollWidth - Twips::toPixelsX(ContainerGapTwips);
    m_fraContainer->setGeometry(client.left(), client.top(), std::max(0, containerWidth), client.height());
    setUpScroll();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_central && event->type() == QEvent::Resize && !isMinimized())
        layOutTabStrip();
    if (wheelOverPage(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

// The wheel anywhere over the page area moves the page's scroll bar: over the
// page's own widgets and over the area beside and below the page.
bool MainWindow::wheelOverPage(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Wheel || watched == m_vScroll)
        return false;
    auto* box = qobject_cast<QComboBox*>(watched);
    if (box && box->hasFocus())
        return false;
    // As the scroll bar itself turns the wheel: so many lines per notch.
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    const int step = delta * QApplication::wheelScrollLines() * m_vScroll->singleStep() / 120;
    if (m_vScroll->isEnabled())
        m_vScroll->setValue(m_vScroll->value() - step);
    return true;
}

#include "AboutWindow.h"

#include "ModelPictures.h"
#include "SettingsFile.h"
#include "Twips.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>

namespace {

constexpr int LogoWidth = 4800;
constexpr int LogoHeight = 3000;
// The etched frame and its gap around the logo in the about use.
constexpr int FramePixels = 2;

QLabel* overlayLabel(QWidget* parent, const QString& name, const QString& text, Qt::Alignment align)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(align | Qt::AlignVCenter);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    return label;
}

} // namespace

AboutWindow::AboutWindow(ProgramInfo info, bool isSplash, QWidget* mainWindow)
    : QDialog(isSplash ? nullptr : mainWindow), m_info(std::move(info)), m_isSplash(isSplash),
      m_modelIndex(ModelPictures::modelIndex(m_info.deviceModel)),
      m_openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }), m_picLogo(new QLabel(this)),
      m_lblInfo1(nullptr), m_lblInfo2(nullptr), m_lblInternet1(new QLabel(m_info.webAddress, this)),
      m_txtInfo(new QTextEdit(this)), m_cmdOk(new QPushButton(QStringLiteral("&Ok"), this))
{
    setObjectName(QStringLiteral("frmSplash"));
    m_picLogo->setObjectName(QStringLiteral("picLogo"));
    m_picLogo->setAlignment(Qt::AlignCenter);
    m_picLogo->setPixmap(
        ModelPictures::logo(m_modelIndex, Twips::toPixels(LogoWidth, LogoHeight), devicePixelRatio()));
    m_lblInfo1 =
        overlayLabel(m_picLogo, QStringLiteral("lblInfo1"), QStringLiteral("Versionsinfo"), Qt::AlignRight);
    m_lblInfo2 = overlayLabel(m_picLogo, QStringLiteral("lblInfo2"), QStringLiteral("Initialization..."),
                              Qt::AlignLeft);
    m_lblInfo1->setGeometry(Twips::toPixels(3600, 2580, 1080, 285));
    m_lblInfo2->setGeometry(Twips::toPixels(2040, 2580, 1560, 285));
    if (m_modelIndex != 0 && mainWindow)
        mainWindow->setWindowIcon(ModelPictures::icon(m_modelIndex));

    m_lblInternet1->setObjectName(QStringLiteral("lblInternet1"));
    m_txtInfo->setObjectName(QStringLiteral("txtInfo"));
    m_cmdOk->setObjectName(QStringLiteral("cmdOk"));

    if (m_isSplash)
        setUpSplash();
    else
        setUpAbout();
    centreOnScreen();
    if (!m_isSplash)
        buildInfoText();
}

void AboutWindow::setUpSplash()
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    m_lblInfo1->setText(QLatin1Char('V') + m_info.versionText());
    const QSize logoSize = Twips::toPixels(LogoWidth, LogoHeight);
    m_picLogo->setGeometry(QRect(QPoint(0, 0), logoSize));
    setFixedSize(logoSize);
    m_cmdOk->hide();
    m_txtInfo->hide();
    m_lblInternet1->hide();
}

void AboutWindow::setUpAbout()
{
    setModal(true);
    setWindowTitle(QStringLiteral("Info zu ") + m_info.title);
    m_lblInfo1->clear();
    m_lblInfo2->clear();

    m_picLogo->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_picLogo->setLineWidth(1);
    const QSize logoSize = Twips::toPixels(LogoWidth, LogoHeight);
    const int edge = 2 * FramePixels;
    m_picLogo->setGeometry(Twips::toPixelsX(240) - FramePixels, Twips::toPixelsY(240) - FramePixels,
                           logoSize.width() + edge, logoSize.height() + edge);

    m_txtInfo->setReadOnly(true);
    m_txtInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_txtInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_txtInfo->setGeometry(Twips::toPixels(5280, 240, 4440, 2400));
    m_txtInfo->setTabStopDistance(Twips::toPixelsX(720));

    m_lblInternet1->setGeometry(Twips::toPixels(5280, 2760, 4440, 285));
    m_lblInternet1->setToolTip(QStringLiteral("Internet:  ") + m_lblInternet1->text());
    m_lblInternet1->setCursor(Qt::PointingHandCursor);
    QFont linkFont = m_lblInternet1->font();
    linkFont.setUnderline(true);
    m_lblInternet1->setFont(linkFont);
    QPalette p = m_lblInternet1->palette();
    p.setColor(QPalette::WindowText, p.color(QPalette::Link));
    m_lblInternet1->setPalette(p);
    m_lblInternet1->installEventFilter(this);

    m_cmdOk->setGeometry(Twips::toPixels(8520, 3240, 1200, 375));
    m_cmdOk->setDefault(true);
    connect(m_cmdOk, &QPushButton::clicked, this, &AboutWindow::closeByOk);
    // Keys reach the focused child first; the window watches them for Esc and Alt.
    m_txtInfo->installEventFilter(this);
    m_cmdOk->installEventFilter(this);

    setFixedSize(Twips::toPixels(9960, 3840));
}

void AboutWindow::centreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

void AboutWindow::buildInfoText()
{
    QString text = m_info.productName + QStringLiteral("  V") + m_info.versionText();
    if (!m_info.fileDescription.isEmpty())
        text = m_info.fileDescription + QLatin1Char('\n') + text;
    if (m_details && !m_info.legalCopyright.isEmpty())
        text += QLatin1Char('\n') + m_info.legalCopyright;
    for (const QString& line : {m_info.companyName, m_info.legalTrademarks, m_info.comments}) {
        if (!line.isEmpty())
            text += QLatin1Char('\n') + line;
    }
    text = ReplaceAll(text, QStringLiteral("<cr>"), QStringLiteral("\n"));
    text = ReplaceAll(text, QStringLiteral("<tab>"), QStringLiteral("\t"));
    m_txtInfo->setPlainText(text);
}

QString AboutWindow::infoText() const
{
    return m_txtInfo->toPlainText();
}

void AboutWindow::closeByOk()
{
    m_details = false;
    accept();
}

void AboutWindow::keyPressEvent(QKeyEvent* event)
{
    if (m_isSplash) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        closeByOk();
        return;
    }
    if (event->key() == Qt::Key_Alt) {
        m_details = true;
        buildInfoText();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lblInternet1 && event->type() == QEvent::MouseButtonRelease) {
        m_openUrl(QUrl(m_lblInternet1->text()));
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Alt) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

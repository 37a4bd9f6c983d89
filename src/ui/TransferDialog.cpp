#include "TransferDialog.h"

#include "Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace {

// QProgressBar counts in int; frames stay far below this, the scale is a guard.
constexpr int kSteps = 1000;

} // namespace

TransferDialog::TransferDialog(QWidget* parent)
    : QDialog(parent), m_label(new QLabel(QStringLiteral("Datenübertragung, bitte warten..."), this)),
      m_progress(new QProgressBar(this)), m_cmdCancel(new QPushButton(QStringLiteral("&Abbrechen"), this))
{
    setObjectName(QStringLiteral("frmComm"));
    setWindowTitle(QStringLiteral("Datenübertragung"));
    setModal(false);
    setFixedSize(Twips::toPixels(4680, 1560));
    m_label->setObjectName(QStringLiteral("lblInfo"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setGeometry(Twips::toPixels(240, 240, 4200, 315));
    // Between the label and the button, which keep their places.
    m_progress->setObjectName(QStringLiteral("prgTransfer"));
    m_progress->setGeometry(Twips::toPixels(240, 600, 4200, 195));
    m_progress->setTextVisible(false);
    setProgress(0, 0);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setGeometry(Twips::toPixels(1740, 840, 1200, 375));
    connect(m_cmdCancel, &QPushButton::clicked, this, &TransferDialog::cancel);
}

void TransferDialog::showOver(const QWidget* over, const QString& caption, std::function<void()> onCancel)
{
    if (!caption.isEmpty())
        m_pendingCaption = caption;
    m_onCancel = std::move(onCancel);
    if (over) {
        const QRect main = over->frameGeometry();
        move((main.width() - width()) / 2 + main.left(), (main.height() - height()) / 2 + main.top());
    }
    if (isVisible()) {
        takePendingCaption();
    } else {
        setProgress(0, 0);
        show();
    }
}

void TransferDialog::setProgress(qint64 done, qint64 total)
{
    if (total <= 0) {
        m_progress->setRange(0, 0);
        return;
    }
    m_progress->setRange(0, kSteps);
    m_progress->setValue(int(std::clamp<qint64>(done, 0, total) * kSteps / total));
}

void TransferDialog::showEvent(QShowEvent* event)
{
    takePendingCaption();
    QDialog::showEvent(event);
}

void TransferDialog::takePendingCaption()
{
    if (m_pendingCaption.isEmpty())
        return;
    setWindowTitle(m_pendingCaption);
    m_pendingCaption.clear();
}

void TransferDialog::closeEvent(QCloseEvent* event)
{
    // Closing the window is a cancel as well; otherwise the wait would run on unseen.
    event->ignore();
    cancel();
}

void TransferDialog::cancel()
{
    hide();
    if (m_onCancel)
        m_onCancel();
}

#include "TransferDialog.h"

#include "Twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

TransferDialog::TransferDialog(QWidget* parent)
    : QDialog(parent), m_label(new QLabel(QStringLiteral("Datenübertragung, bitte warten..."), this)),
      m_cmdCancel(new QPushButton(QStringLiteral("&Abbrechen"), this))
{
    setObjectName(QStringLiteral("frmComm"));
    setWindowTitle(QStringLiteral("Datenübertragung"));
    setModal(false);
    setFixedSize(Twips::toPixels(4680, 1560));
    m_label->setObjectName(QStringLiteral("lblInfo"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setGeometry(Twips::toPixels(240, 240, 4200, 315));
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
    if (isVisible())
        takePendingCaption();
    else
        show();
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

#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

// `frmComm`: the non-modal "please wait" window with its cancel button that
// stands over the main window while the link sends or waits.
class TransferDialog : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY(TransferDialog)

public:
    explicit TransferDialog(QWidget* parent = nullptr);

    // A non-empty caption is taken when the dialog shows; an empty one keeps
    // the caption of the last showing. The dialog is centred on `over`.
    void showOver(const QWidget* over, const QString& caption, std::function<void()> onCancel);
    QString pendingCaption() const { return m_pendingCaption; }
    QPushButton* cancelButton() const { return m_cmdCancel; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void takePendingCaption();
    void cancel();

    QLabel* m_label;
    QPushButton* m_cmdCancel;
    QString m_pendingCaption;
    std::function<void()> m_onCancel;
};

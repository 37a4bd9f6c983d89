#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

// `frmComm`: the non-modal "please wait" window with its cancel button that
// stands over the main window while the link sends or waits, with a bar of how
// far the transfer has come.
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
    QProgressBar* progressBar() const { return m_progress; }
    // `done` of `total` bytes; a busy indicator when the total is not known (<= 0).
    // Each showing starts with the busy indicator until progress is reported.
    void setProgress(qint64 done, qint64 total);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void takePendingCaption();
    void cancel();

    QLabel* m_label;
    QProgressBar* m_progress;
    QPushButton* m_cmdCancel;
    QString m_pendingCaption;
    std::function<void()> m_onCancel;
};

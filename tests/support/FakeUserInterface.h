#pragma once

#include "UserInterface.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A scripted user interface: records what was shown and answers queries and
// dialogs from queues the test fills (an empty queue answers No / cancel).
class FakeUserInterface : public UserInterface
{
public:
    struct Box
    {
        MessageIcon icon;
        QString title;
        QString text;
    };

    void messageBox(MessageIcon icon, const QString& title, const QString& text) override;
    bool askYesNo(MessageIcon icon, const QString& title, const QString& text) override;
    QString mainWindowCaption() const override { return caption; }
    void setStatusLine(const QString& shown, const QString& toolTip) override;
    void setBusy(bool busy) override;
    void focusTabStrip() override { ++focusCount; }
    QString saveFileDialog(const FileDialogRequest& request) override;
    QString openFileDialog(const FileDialogRequest& request) override;
    void pagesToDataSet() override;
    bool dataSetToPages() override;
    void showTransferDialog(const QString& caption, std::function<void()> onCancel) override;
    void hideTransferDialog() override;
    void setTransferProgress(qint64 done, qint64 total) override { progress.append({done, total}); }

    // Script.
    QList<bool> answers;          // askYesNo answers, taken from the front
    QStringList dialogAnswers;    // file dialog results, taken from the front
    QString caption = QStringLiteral("ZEL308Tools Version 1.0 Build 0");
    std::function<void()> onPagesToDataSet;
    std::function<void()> onDataSetToPages;
    // Runs while a box is open, as the user takes time to answer it.
    std::function<void(const Box&)> whileBoxOpen;
    bool dataSetToPagesResult = true;

    // Record.
    QList<Box> boxes;
    QList<Box> queries;
    QList<FileDialogRequest> dialogs;
    QStringList statusLines;
    QString status;
    QString statusToolTip;
    bool busy = false;
    int busyCalls = 0;
    int focusCount = 0;
    int pagesToDataSetCount = 0;
    int dataSetToPagesCount = 0;
    bool transferDialogVisible = false;
    QStringList transferCaptions;
    QList<std::pair<qint64, qint64>> progress; // done, total (<= 0: not known)
    std::function<void()> cancelTransfer;
};

#pragma once

#include "UserInterface.h"

#include <QMessageBox>
#include <QPointer>

#include <functional>

class MainWindow;
class QFileDialog;
class TransferDialog;

// The user-interface seam with real windows: message boxes, Qt's file dialogs,
// the main window's status line and tab strip, the busy pointer and the
// transfer dialog. Tests can answer boxes and dialogs in advance through the
// answer hooks, which receive the fully prepared box or dialog instead of exec().
class QtUserInterface : public UserInterface
{
public:
    using BoxAnswer = std::function<QMessageBox::StandardButton(QMessageBox& box)>;
    using FileDialogAnswer = std::function<QString(QFileDialog& dialog)>;

    QtUserInterface();
    ~QtUserInterface() override;
    Q_DISABLE_COPY(QtUserInterface)

    // The main window exists after the run's context; until it is set, boxes
    // have no parent and the status line goes nowhere.
    void setMainWindow(MainWindow* window);
    void setBoxAnswer(BoxAnswer answer) { m_boxAnswer = std::move(answer); }
    void setFileDialogAnswer(FileDialogAnswer answer) { m_fileDialogAnswer = std::move(answer); }
    // The page layer's copies between pages and data set.
    // The labels of the Yes and No buttons of every query, in the chosen language.
    void setAnswerTexts(const QString& yes, const QString& no);
    void setPageTransfer(std::function<void()> pagesToDataSet, std::function<bool()> dataSetToPages);

    void messageBox(MessageIcon icon, const QString& title, const QString& text) override;
    bool askYesNo(MessageIcon icon, const QString& title, const QString& text) override;
    QString mainWindowCaption() const override;
    void setStatusLine(const QString& shown, const QString& toolTip) override;
    void setBusy(bool busy) override;
    bool isBusy() const { return m_busy; }
    void focusTabStrip() override;
    QString saveFileDialog(const FileDialogRequest& request) override;
    QString openFileDialog(const FileDialogRequest& request) override;
    void pagesToDataSet() override;
    bool dataSetToPages() override;
    void showTransferDialog(const QString& caption, std::function<void()> onCancel) override;
    void hideTransferDialog() override;
    void setTransferProgress(qint64 done, qint64 total) override;
    TransferDialog* transferDialog();

    // "desc|pattern|desc|pattern" in Qt's "desc (pattern);;desc (pattern)" form.
    static QString qtNameFilters(const QString& filter);

private:
    QMessageBox::StandardButton runBox(MessageIcon icon, const QString& title, const QString& text,
                                       QMessageBox::StandardButtons buttons);
    QString runFileDialog(const FileDialogRequest& request, bool save);
    QWidget* parentWindow() const;

    QPointer<MainWindow> m_mainWindow;
    // Owned by the main window once that exists, else by this object.
    QPointer<TransferDialog> m_transferDialog;
    BoxAnswer m_boxAnswer;
    FileDialogAnswer m_fileDialogAnswer;
    std::function<void()> m_pagesToDataSet;
    QString m_yesText;
    QString m_noText;
    std::function<bool()> m_dataSetToPages;
    bool m_busy = false;
};

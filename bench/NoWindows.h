#pragma once

#include "UserInterface.h"

// A user interface without windows: what a benchmark measures is the program's
// own cost, no boxes or page updates. Benchmarks that watch one call override it.
class NoWindows : public UserInterface
{
public:
    void messageBox(MessageIcon, const QString&, const QString&) override {}
    bool askYesNo(MessageIcon, const QString&, const QString&) override { return false; }
    QString mainWindowCaption() const override { return {}; }
    void setStatusLine(const QString&, const QString&) override {}
    void setBusy(bool) override {}
    void focusTabStrip() override {}
    QString saveFileDialog(const FileDialogRequest&) override { return {}; }
    QString openFileDialog(const FileDialogRequest&) override { return {}; }
    void pagesToDataSet() override {}
    bool dataSetToPages() override { return true; }
    void showTransferDialog(const QString&, std::function<void()>) override {}
    void hideTransferDialog() override {}
};

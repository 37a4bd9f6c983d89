#pragma once

#include "DataSet.h"
#include "TestFolder.h"

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// One run of the built zelcfg program.
struct ZelcfgRun
{
    int code = -1;
    QString out;
    QString err;

    // The lines on standard error that are zelcfg's own messages.
    QStringList errorLines() const;
    // Standard output, one entry per line.
    QStringList outLines() const;
};

ZelcfgRun RunZelcfg(const QStringList& args, int timeoutMs = 60000);

// A temporary folder with a copy of the bundled settings file and data files
// made in it; runs zelcfg with that settings file.
class ZelcfgFixture : public ::testing::Test
{
protected:
    ZelcfgFixture();

    // zelcfg COMMAND --settings <copy> ARGS...
    ZelcfgRun run(const QString& command, const QStringList& args, int timeoutMs = 60000) const;
    // zelcfg ARGS... exactly as given.
    static ZelcfgRun runRaw(const QStringList& args) { return RunZelcfg(args); }

    // Writes a key of the settings copy.
    void setSetting(const QString& section, const QString& key, const QString& value) const;

    // A data set the bundled settings accept everywhere: every name in use set,
    // one member of each radio group checked, list positions 0.
    static DataSet validDataSet();
    QString writeDataFile(const QString& name, const DataSet& data) const;
    QString path(const QString& name) const { return folder.file(name); }

    TestFolder folder;
    QString settingsFile;
};

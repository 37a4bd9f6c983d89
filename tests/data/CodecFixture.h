#pragma once

#include "AppContext.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "ConfigCollection.h"
#include "DataContext.h"
#include "DataSet.h"
#include "FakeClock.h"
#include "FakeUserInterface.h"
#include "MessageTexts.h"
#include "SelectorLists.h"
#include "TestFolder.h"

// One run's worth of real settings, message texts and log in a temporary folder,
// a scripted user interface, and selector lists whose item codes differ from their
// positions so that mixing the two shows.
struct CodecFixture
{
    CodecFixture();

    // Item codes: output pick-off position i carries 10000 + 2i + 1 (10 entries),
    // cmbKanal 11010 + i, peak 12020 + i, external monitor 13030 + i (8 each),
    // frames 25 / 30, channels 2 / 1, start-up 0 ... 8. Input definitions
    // "5|IN A" ... "12|IN H" carry 100 ... 107, outputs "21|OUT 1" ... "36|OUT 16"
    // carry 100 ... 115.
    static SelectorLists standardLists();
    QString logText() const;

    TestFolder folder;
    FakeClock clock;
    AppSettings settings;
    MessageTexts messages;
    AppLog log;
    FakeUserInterface ui;
    AppContext app;
    ConfigurationData data;
    DataContext ctx;
    SelectorLists lists;
    ConfigCollection collect;
};

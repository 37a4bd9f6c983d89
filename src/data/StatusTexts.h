#pragma once

#include <QByteArray>
#include <QString>

struct ConfigurationData;
struct DataContext;

// The six status texts travel with command "83" as hexadecimal text: per entry
// a length byte N and N text bytes (Windows-1252).

// The outgoing content: six entries of 64 characters, a blank text sent as
// "TextStatus(n)" (so is one never set, of NUL bytes); 780 hex digits.
QString StatusTextContent(const ConfigurationData& data);

// Copies the pages into the data set and frames the content: 0x83, the hex
// content, 0x0D.
QByteArray BuildStatusTextBlock(DataContext& ctx);

struct StatusTextReading
{
    int stored = 0;        // entries stored, from text 1 on
    int surplus = 0;       // complete entries beyond the sixth, ignored
    bool cutShort = false; // the content ended inside an entry, which was dropped
};

// Clears the six texts, stores those of an incoming content (framing already
// removed, trailing blanks dropped) and shows them on the pages. Entries beyond
// the sixth are ignored and counted.
StatusTextReading ReadStatusTextBlock(DataContext& ctx, const QString& content);

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Small shared routines of the file operations and the transfer code.

// Fills the "&" placeholders in order; an "&" inside an inserted argument takes
// the next argument. Absent arguments count as empty texts.
QString FormatMessage(const QString& text, const QString& a1, const QString& a2 = {}, const QString& a3 = {},
                      const QString& a4 = {}, const QString& a5 = {});

// True when the text, upper-cased, is "JA" or "YES".
bool IsYes(const QString& text);

bool FileExists(const QString& path);

// Two upper-case hex digits with leading zero.
QString HexByte(int value);
// The byte written by the first two characters (one character reads as "0" + it).
// Digits of either case count: a pair holding any other character gives 0.
// IsHexDigit tells the digits apart from everything else.
int ByteFromHex(const QString& text);
bool IsHexDigit(QChar c);
// Line noise inside a frame shows as characters that are no hex digits: empty
// when every byte is a digit, else which byte is not and where.
QString FirstNonHexDigit(const QByteArray& digits);
// Bytes of the 16-bit two's complement value.
int LowByte(int value);
int HighByte(int value);

// Two hex digits per character (its Windows-1252 code); empty or all-blank gives "".
QString TextToHex(const QString& text);
// One character per pair of digits; a text of blanks only gives "".
QString HexToText(const QString& hex);

// Bits 0..7; SetBit leaves the byte alone for any other bit number, TestBit
// reports it as set.
int SetBit(int byte, int bit);
bool TestBit(int byte, int bit);

// The trimmed pieces between "|"; an empty text gives one empty entry.
QStringList SplitList(const QString& text);

// The leading number of the text rounded down, as the settings rules read numbers:
// "" gives 0, "2.7" gives 2, " 12abc" gives 12, "-3" gives -3, "abc" gives 0.
int LeadingNumber(const QString& text);
// Whether the trimmed text is a number at all (for the start-up checks).
bool IsNumeric(const QString& text);

// Waits keep the window responsive: these run the event loop.
// PumpEvents processes pending events ten times; WaitMilliseconds runs a nested
// event loop until a single-shot timer ends it.
void PumpEvents();
void WaitMilliseconds(int ms);

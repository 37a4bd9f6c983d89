#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252, the single-byte code page of every byte in the data files,
// the configuration files and on the serial line.
namespace Cp1252 {

// The byte of one character, or '?' when the code page has no such character.
char encodeChar(QChar c);
bool canEncode(QChar c);
QByteArray encode(const QString& text);
QChar decodeByte(unsigned char byte);
QString decode(const QByteArray& bytes);

} // namespace Cp1252

#pragma once

#include <QString>

#include <optional>

// The reasons a user meets when the settings file holds such a text, in the
// chosen language; "&" stands for the item.
struct LineSettingsTexts
{
    QString invalidParity = QStringLiteral("Invalid parity \"&\"");
    QString unsupportedDataBits = QStringLiteral("Unsupported number of data bits \"&\"");
};

// The line parameter text "baud,parity,data,stop" of a serial port, e.g. "19200,N,8,1".
// Parity letters are N, E, O, M and S; data bits 5 to 8; stop bits 1, 1.5 or 2.
struct LineSettings
{
    qint32 baudRate = 19200;
    char parity = 'N';
    int dataBits = 8;
    int stopBitsTimesTwo = 2; // 2 = one, 3 = one and a half, 4 = two

    // Reads the text (letters in any case); an unusable item gives nothing and the reason.
    static std::optional<LineSettings> parse(const QString& text, QString* error = nullptr,
                                             const LineSettingsTexts& texts = {});
    QString text() const;
    // Bits on the wire per character: start, data, parity, stop (1.5 counts as 2).
    int bitsPerCharacter() const;
    bool operator==(const LineSettings&) const = default;
};

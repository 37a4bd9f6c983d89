#pragma once

#include "Cp1252.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <array>
#include <cstring>

// A text field of exactly N characters, held as the N Windows-1252 bytes it has
// in the files. Assigning pads with blanks on the right or cuts to N; a new
// field holds N NUL bytes, as the data set does before anything is loaded.
template <int N>
struct FixedText
{
    std::array<char, N> bytes{};

    void set(const QString& text) { setBytes(Cp1252::encode(text)); }
    void setBytes(const QByteArray& raw)
    {
        const int n = std::min<int>(N, raw.size());
        std::memcpy(bytes.data(), raw.constData(), n);
        std::fill(bytes.begin() + n, bytes.end(), ' ');
    }
    QByteArray raw() const { return QByteArray(bytes.data(), N); }
    QString text() const { return Cp1252::decode(raw()); }
    // The text without trailing blanks, as the pages show it. The NUL bytes of a
    // field never written count as blanks: a box must not hold invisible characters.
    QString trimmedRight() const
    {
        QString t = text();
        qsizetype end = t.size();
        while (end > 0 && (t.at(end - 1) == QLatin1Char(' ') || t.at(end - 1).isNull()))
            --end;
        t.truncate(end);
        return t;
    }
    bool isBlank() const
    {
        const QString t = text();
        return std::all_of(t.begin(), t.end(), [](QChar c) { return c.isSpace() || c.isNull(); });
    }
    bool operator==(const FixedText&) const = default;
};

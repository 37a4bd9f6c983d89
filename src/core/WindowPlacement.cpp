#include "SettingsFile.h"

#include "ProfileCache.h"

#include <algorithm>
#include <cmath>

namespace {

// Placement values were 16-bit integers; larger desktops are clamped to that range.
int clampToInt16(double value)
{
    return static_cast<int>(std::clamp(value, -32768.0, 32767.0));
}

// The leading number of the text ("12.7px" reads 12.7, "-3" reads -3), rounded
// down; text without a leading number reads 0.
int leadingWhole(const QString& text)
{
    qsizetype end = 0;
    if (end < text.size() && (text[end] == QLatin1Char('-') || text[end] == QLatin1Char('+')))
        ++end;
    const qsizetype digitsFrom = end;
    while (end < text.size() && text[end].isDigit() && text[end].unicode() < 0x80)
        ++end;
    if (end < text.size() && text[end] == QLatin1Char('.')) {
        ++end;
        while (end < text.size() && text[end].isDigit() && text[end].unicode() < 0x80)
            ++end;
    }
    if (end == digitsFrom)
        return 0;
    bool ok = false;
    const double value = text.left(end).toDouble(&ok);
    return ok ? clampToInt16(std::floor(value)) : 0;
}

} // namespace

bool SaveWindowPlacement(const QString& file, const QString& section, const QString& prefix,
                         const TwipRect& window, bool normalState, bool saveWidth, bool saveHeight)
{
    if (!normalState)
        return true;
    // One write for all four values, so the file never holds half a placement.
    return SharedProfileCache().update(file, [&](ProfileFile& profile) {
        ProfileFile::Change result = ProfileFile::Change::None;
        auto set = [&](const QString& suffix, int value) {
            const ProfileFile::Change change =
                profile.setValue(section, prefix + suffix, QString::number(value));
            result = std::max(result, change);
        };
        set(QStringLiteral("X"), window.left);
        set(QStringLiteral("Y"), window.top);
        if (saveWidth)
            set(QStringLiteral("W"), window.width);
        if (saveHeight)
            set(QStringLiteral("H"), window.height);
        return result;
    });
}

TwipRect RestoreWindowPlacement(const QString& file, const QString& section, const QString& prefix,
                                const TwipRect& window, const QSize& screenTwips, bool restoreWidth,
                                bool restoreHeight)
{
    auto read = [&](const char* suffix) {
        return leadingWhole(ReadSetting(file, section, prefix + QLatin1String(suffix), QString()));
    };
    const int x = read("X");
    const int y = read("Y");
    const int w = read("W");
    const int h = read("H");

    TwipRect placed = window;
    if (x == 0 && y == 0 && w == 0 && h == 0) {
        // Nothing stored yet (first start): centre on the screen.
        placed.left = clampToInt16(std::round((screenTwips.width() - window.width) / 2.0));
        placed.top = clampToInt16(std::round((screenTwips.height() - window.height) / 2.0));
        return placed;
    }
    placed.left = x;
    placed.top = y;
    if (w > 0 && restoreWidth)
        placed.width = w;
    if (h > 0 && restoreHeight)
        placed.height = h;
    return placed;
}

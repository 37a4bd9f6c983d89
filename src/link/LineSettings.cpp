#include "LineSettings.h"

#include "Helpers.h"

#include <QStringList>

std::optional<LineSettings> LineSettings::parse(const QString& text, QString* error,
                                                const LineSettingsTexts& texts)
{
    auto fail = [error](const QString& why) -> std::optional<LineSettings> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const QStringList items = text.toUpper().split(QLatin1Char(','));
    if (items.size() != 4)
        return fail(
            QStringLiteral("Invalid line parameters \"%1\": four items baud,parity,data,stop expected")
                .arg(text));

    LineSettings s;
    bool ok = false;
    s.baudRate = items[0].trimmed().toInt(&ok);
    if (!ok || s.baudRate <= 0)
        return fail(QStringLiteral("Invalid baud rate \"%1\"").arg(items[0].trimmed()));

    const QString parity = items[1].trimmed();
    if (parity.size() != 1 || !QStringLiteral("NEOMS").contains(parity))
        return fail(FormatMessage(texts.invalidParity, parity));
    s.parity = parity.at(0).toLatin1();

    s.dataBits = items[2].trimmed().toInt(&ok);
    if (!ok || s.dataBits < 5 || s.dataBits > 8)
        return fail(FormatMessage(texts.unsupportedDataBits, items[2].trimmed()));

    const QString stop = items[3].trimmed();
    if (stop == QLatin1String("1"))
        s.stopBitsTimesTwo = 2;
    else if (stop == QLatin1String("1.5"))
        s.stopBitsTimesTwo = 3;
    else if (stop == QLatin1String("2"))
        s.stopBitsTimesTwo = 4;
    else
        return fail(QStringLiteral("Invalid number of stop bits \"%1\"").arg(stop));
    return s;
}

QString LineSettings::text() const
{
    const QString stop = stopBitsTimesTwo == 2   ? QStringLiteral("1")
                         : stopBitsTimesTwo == 3 ? QStringLiteral("1.5")
                                                 : QStringLiteral("2");
    return QStringLiteral("%1,%2,%3,%4").arg(baudRate).arg(QLatin1Char(parity)).arg(dataBits).arg(stop);
}

int LineSettings::bitsPerCharacter() const
{
    return 1 + dataBits + (parity == 'N' ? 0 : 1) + (stopBitsTimesTwo + 1) / 2;
}

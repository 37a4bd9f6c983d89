#include "CommSettings.h"

#include "Helpers.h"
#include "LinkSettings.h"
#include "SerialControl.h"
#include "SettingsFile.h"

#include <cmath>
#include <functional>
#include <vector>

namespace {

const QString kSection = QStringLiteral("Comm");

QString read(const QString& file, const char* key, const char* defaultText)
{
    return ReadSetting(file, kSection, QLatin1String(key), QLatin1String(defaultText));
}

// A whole number as the settings file writes it; a fraction keeps its integer part.
bool toInteger(const QString& text, int* value)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::abs(number) > 2147483647.0)
        return false;
    *value = static_cast<int>(number);
    return true;
}

QString yesNo(bool on)
{
    return on ? QStringLiteral("yes") : QStringLiteral("no");
}

// Runs the steps in order and stops at the first failure, giving its number.
int runSteps(const std::vector<std::function<PortResult()>>& steps, QString* error)
{
    for (size_t i = 0; i < steps.size(); ++i) {
        const PortResult r = steps[i]();
        if (!r.ok()) {
            if (error)
                *error = r.description;
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

PortResult integerStep(const QString& text, const std::function<PortResult(int)>& apply)
{
    int value = 0;
    if (!toInteger(text, &value))
        return PortResult::failure(QStringLiteral("\"%1\" is not a number").arg(text));
    return apply(value);
}

PortResult written(const QString& file, const char* key, const QString& value)
{
    if (WriteSetting(file, kSection, QLatin1String(key), value, false))
        return {};
    return PortResult::failure(QStringLiteral("%1 could not be written").arg(file));
}

} // namespace

int ReadCommSettings(SerialControl& port, const QString& file, LinkSettings& link, QString* error)
{
    if (port.PortOpen())
        port.setPortOpen(false);
    return runSteps(
        {
            [&] { return integerStep(read(file, "Port", "2"), [&](int n) { return port.setCommPort(n); }); },
            [&] { return port.setSettings(read(file, "Settings", "19200,n,8,1").toUpper()); },
            [&] {
                return integerStep(read(file, "InBufferSize", "1024"),
                                   [&](int n) { return port.setInBufferSize(n); });
            },
            [&] {
                return integerStep(read(file, "OutBufferSize", "512"),
                                   [&](int n) { return port.setOutBufferSize(n); });
            },
            [&] { return port.setDTREnable(IsYes(read(file, "DTREnable", "yes"))); },
            [&] { return port.setRTSEnable(IsYes(read(file, "RTSEnable", "yes"))); },
            [&] { return port.setHandshaking(LeadingNumber(read(file, "HandShaking", "0"))); },
            [&] { return port.applyFixedProperties(); },
            [&] {
                return integerStep(read(file, "TimeOut", "10"), [&](int n) {
                    link.TimeOut = n;
                    return PortResult{};
                });
            },
            [&] {
                link.ShowCancelDialog = IsYes(read(file, "ShowCancelDialog", "yes"));
                return PortResult{};
            },
            [&] {
                return integerStep(read(file, "TimerInterval", "500"), [&](int n) {
                    link.TimerInterval = n;
                    return PortResult{};
                });
            },
        },
        error);
}

int WriteCommSettings(SerialControl& port, const QString& file, const LinkSettings& link, QString* error)
{
    return runSteps({
                        [&] { return written(file, "Port", QString::number(port.CommPort())); },
                        [&] { return written(file, "Settings", port.Settings().toUpper()); },
                        [&] { return written(file, "InBufferSize", QString::number(port.InBufferSize())); },
                        [&] { return written(file, "OutBufferSize", QString::number(port.OutBufferSize())); },
                        [&] { return written(file, "DTREnable", yesNo(port.DTREnable())); },
                        [&] { return written(file, "RTSEnable", yesNo(port.RTSEnable())); },
                        [&] { return written(file, "HandShaking", QString::number(port.Handshaking())); },
                        [&] { return port.applyFixedProperties(); },
                        [&] { return written(file, "TimeOut", QString::number(link.TimeOut)); },
                        [&] { return written(file, "ShowCancelDialog", yesNo(link.ShowCancelDialog)); },
                        [&] { return written(file, "TimerInterval", QString::number(link.TimerInterval)); },
                    },
                    error);
}

int ReadDebugLevel(const QString& file)
{
    return LeadingNumber(read(file, "Debug", "0"));
}

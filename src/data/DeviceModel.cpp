#include "DeviceModel.h"

#include "AppSettings.h"

QString DetectDeviceModel(const QString& commandLine, const QString& executableName)
{
    const QString& searched = commandLine.trimmed().isEmpty() ? executableName : commandLine;
    for (QLatin1StringView model : kDeviceModels) {
        if (searched.contains(model, Qt::CaseInsensitive))
            return model;
    }
    return kDefaultDeviceModel;
}

QString WithDeviceModel(const QString& text, const QString& model)
{
    const qsizetype at = text.indexOf(kModelToken);
    if (at < 0)
        return text;
    return text.left(at) + model + text.mid(at + kModelToken.size());
}

void ApplyDeviceModel(AppSettings& settings)
{
    settings.DeviceModel = DetectDeviceModel(settings.CommandLine, settings.ProgramFileName);
    settings.FileDescription = WithDeviceModel(kBuildFileDescription, settings.DeviceModel);
    settings.ProductName = WithDeviceModel(kBuildProductName, settings.DeviceModel);
    settings.AppTitle = WithDeviceModel(kBuildTitle, settings.DeviceModel);
}

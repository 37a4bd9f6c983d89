#pragma once

#include <QLatin1StringView>
#include <QString>

#include <array>

struct AppSettings;

// The device models one program serves, in the order they are tried.
inline constexpr std::array<QLatin1StringView, 4> kDeviceModels{
    QLatin1StringView("ZEL308"), QLatin1StringView("ZEL312s"), QLatin1StringView("MOR304m"),
    QLatin1StringView("MOR308m")};
// The model when neither the command line nor the executable names one.
inline constexpr QLatin1StringView kDefaultDeviceModel("ZEL308");

// The program's texts as built; the first "Q&J" in each stands for the model.
inline constexpr QLatin1StringView kModelToken("Q&J");
inline constexpr QLatin1StringView kBuildFileDescription("Q&J Tools");
inline constexpr QLatin1StringView kBuildProductName("Q&J Editor");
inline constexpr QLatin1StringView kBuildTitle("Q&JTools");

// The first model contained in the command line, or, when the command line is
// blank, in the executable name; letter case does not matter.
QString DetectDeviceModel(const QString& commandLine, const QString& executableName);

// The text with its first "Q&J" replaced by the model.
QString WithDeviceModel(const QString& text, const QString& model);

// Sets DeviceModel from CommandLine and ProgramFileName, and FileDescription,
// ProductName and AppTitle from the build texts.
void ApplyDeviceModel(AppSettings& settings);

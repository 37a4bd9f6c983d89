#pragma once

#include "FixedText.h"

#include <QByteArray>

#include <array>
#include <cstdint>

// The configuration data set as it is stored in a data file: 8449 bytes, fields
// one after another without alignment, 16-bit integers little-endian, texts as
// fixed-length Windows-1252 bytes padded with blanks. Arrays here are 0-based:
// InputName[part - 1][n - 1] is InputName(part, n).
struct DataSet
{
    static constexpr int FileSize = 8449;
    static constexpr int Parts = 5;
    static constexpr int SlotsPerPart = 64;

    FixedText<10> DataVersion;                                              //    0
    std::array<std::array<FixedText<16>, SlotsPerPart>, Parts> InputName;   //   10
    std::array<std::array<qint16, 8>, 8> LayerAssign{};                     // 5130 [layer A..H][n]
    std::array<std::array<qint16, SlotsPerPart>, Parts> OutputPickoff{};    // 5258
    std::array<qint16, 4> MonMode{};                                        // 5898 RR, LL, Mono, Stereo
    qint16 MonChannel = 0;                                                  // 5906
    std::array<qint16, 3> MonPickoff{};                                     // 5908 AF, PF, MON
    std::array<qint16, 2> PeakPickoff{};                                    // 5914
    std::array<qint16, 4> ExtMon{};                                         // 5918
    std::array<qint16, 8> GpioInput{};                                      // 5926
    std::array<qint16, 16> GpioOutput{};                                    // 5942
    std::array<qint16, 3> ControlMode{};                                    // 5974 VCA, ESAM, MIDI
    std::array<qint16, 9> VTRSource1{};                                     // 5980
    std::array<qint16, 9> VTRSource2{};                                     // 5998
    qint16 EsamFrames = 0;                                                  // 6016
    qint16 EsamChannels = 0;                                                // 6018
    std::array<qint16, 8> ConfigFlag1{};                                    // 6020
    std::array<qint16, 8> ConfigFlag2{};                                    // 6036
    std::array<FixedText<255>, 8> ConfigFile;                               // 6052
    FixedText<255> ConfigGroupFile;                                         // 8092
    qint16 StartUpConf = 0;                                                 // 8347
    std::array<FixedText<8>, 8> ConfigName;                                 // 8349
    std::array<qint16, 9> FaderBoxInput{};                                  // 8413
    std::array<qint16, 9> FaderBoxOutput{};                                 // 8431

    // The file image, exactly FileSize bytes.
    QByteArray toBytes() const;
    // Reads the first FileSize bytes; a shorter image leaves the rest as it was.
    void fromBytes(const QByteArray& image);

    bool operator==(const DataSet&) const = default;
};

// The records kept beside the data set (not part of the data file).
struct ConfigurationData
{
    DataSet Current;      // the data set being edited
    DataSet Reset;        // DataSetReset: the image a reset returns to
    std::array<FixedText<64>, 6> StatusText;
    FixedText<4> ACUVersion;
    FixedText<1024> ConfigSingle;
    std::array<FixedText<1024>, 8> ConfigGroup;
};

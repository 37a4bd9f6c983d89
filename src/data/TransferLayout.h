#pragma once

#include <QString>

#include <array>

struct AppSettings;

// The counts that shape a data-set payload, fixed at start-up: name length T,
// fader count F, names and outputs in use per part.
struct TransferLayout
{
    static constexpr int Slots = 64; // name slots and output entries of the payload

    int textLen = 8; // TextLenInput
    int faders = 16; // Layer_NumFaders
    std::array<int, 5> countInput{12, 4, 4, 4, 8};
    std::array<int, 5> countOutput{4, 4, 4, 4, 4};

    static TransferLayout fromSettings(const AppSettings& settings);

    int inputsInUse() const;
    int outputsInUse() const;
    // The bytes of a kind "20" payload: 338 besides the names and the layer table.
    int dataSetPayloadBytes() const;
    // Empty when the counts fit the payload and the data set, else what is wrong.
    // Start-up rejects such settings already; this keeps the codec inside its arrays.
    QString problem() const;
};

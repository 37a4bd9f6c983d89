#include "TransferLayout.h"

#include "AppSettings.h"

#include <numeric>

TransferLayout TransferLayout::fromSettings(const AppSettings& settings)
{
    TransferLayout layout;
    layout.textLen = settings.TextLenInput;
    layout.faders = settings.Layer_NumFaders;
    for (int p = 0; p < 5; ++p) {
        layout.countInput[p] = settings.CountInput[p];
        layout.countOutput[p] = settings.CountOutput[p];
    }
    return layout;
}

int TransferLayout::inputsInUse() const
{
    return std::accumulate(countInput.begin(), countInput.end(), 0);
}

int TransferLayout::outputsInUse() const
{
    return std::accumulate(countOutput.begin(), countOutput.end(), 0);
}

int TransferLayout::dataSetPayloadBytes() const
{
    // Names: every slot textLen bytes; layer table: faders / 2 rows of 8 words.
    return 338 + Slots * textLen + (faders / 2) * 8 * 2;
}

QString TransferLayout::problem() const
{
    if (textLen < 1 || textLen > 16)
        return QStringLiteral("name length %1 outside 1..16").arg(textLen);
    if (faders < 2 || faders > 16)
        return QStringLiteral("fader count %1 outside 2..16").arg(faders);
    for (int p = 0; p < 5; ++p) {
        if (countInput[p] < 0 || countOutput[p] < 0)
            return QStringLiteral("negative count in part %1").arg(p + 1);
    }
    if (inputsInUse() > Slots)
        return QStringLiteral("%1 names in use, more than %2").arg(inputsInUse()).arg(Slots);
    if (outputsInUse() > Slots)
        return QStringLiteral("%1 outputs in use, more than %2").arg(outputsInUse()).arg(Slots);
    return {};
}

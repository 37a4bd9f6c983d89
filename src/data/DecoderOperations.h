#pragma once

#include <QString>

// What storing received data needs from the data-set and file operations.
class DecoderOperations
{
public:
    virtual ~DecoderOperations() = default;

    // Back to the reset image, without asking; the pages show it.
    virtual void resetDataSet() = 0;
    // Blank signal names get their reset-image names.
    virtual void checkBlankNames() = 0;
    // Writes ConfigSingle (single) or ConfigGroup to `path`, after the save dialog
    // when ask is set; `path` becomes the path used, or stays on cancel. Failures
    // are reported by the operation itself.
    virtual void writeConfigFile(QString& path, bool single, bool ask) = 0;
};

#pragma once

#include "DecoderOperations.h"

struct DataContext;

// The data-set and configuration-file operations that storing received data
// uses, carried out on the run's data.
class DataOperations final : public DecoderOperations
{
public:
    explicit DataOperations(DataContext& data) : m_data(data) {}

    void resetDataSet() override;
    void checkBlankNames() override;
    void writeConfigFile(QString& path, bool single, bool ask) override;

private:
    DataContext& m_data;
};

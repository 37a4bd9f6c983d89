#include "DataOperations.h"

#include "BlankNames.h"
#include "ConfigFiles.h"
#include "DataContext.h"
#include "DataReset.h"

void DataOperations::resetDataSet()
{
    ResetDataSet(m_data, false, false);
}

void DataOperations::checkBlankNames()
{
    CheckBlankNames(m_data);
}

void DataOperations::writeConfigFile(QString& path, bool single, bool ask)
{
    WriteConfigFile(m_data, path, single, ask);
}

#pragma once

#include "AppContext.h"
#include "DataSet.h"

class NameBoxes;

// What the data operations work on: the run's shared parts and the data set
// with its side records. `names` is the signal names page once it exists; without
// it the blank-name check works on the data set alone.
struct DataContext
{
    AppContext& app;
    ConfigurationData& data;
    NameBoxes* names = nullptr;
};

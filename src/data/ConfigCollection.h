#pragma once

#include <QString>

// Set by the configuration transfer when all eight records were requested one by
// one: records "31" ... "38" then fill ConfigGroup in order of arrival and the
// eighth writes the group file. Kept between received frames.
struct ConfigCollection
{
    bool CollectingConfigs = false;
    int CollectCount = 0; // records collected so far, 0 ... 8
    QString CollectPath;  // the group (.CNG) file to write
};

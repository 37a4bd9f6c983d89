#pragma once

class QCheckBox;

// A check-box array drawn as check boxes but used as a radio group: checking a
// box unchecks the others of its array (the boxes of the same page whose name
// shares the part before "_"); with keepOne the last checked box stays checked.
void ExclusiveCheck(QCheckBox* clicked, bool keepOne);

#pragma once

#include <QIcon>

// The pictures of the snapshot flag buttons: 1 flag 1 on, 2 flag 1 off,
// 3 flag 2 on, 4 flag 2 off.
namespace SnapshotPictures {

QIcon image(int number);

} // namespace SnapshotPictures

#include "SnapshotPictures.h"

#include <array>

// The pictures are compiled into this static library; referencing the resource
// here keeps the linker from dropping it.
static void loadSnapshotResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(snapshot);
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace SnapshotPictures {

QIcon image(int number)
{
    static const char* const names[] = {"flag1-on", "flag1-off", "flag2-on", "flag2-off"};
    if (number < 1 || number > 4)
        return {};
    // Made once: every toggle and every refresh of the page shows one of these.
    static const std::array<QIcon, 4> icons = [] {
        loadSnapshotResources();
        std::array<QIcon, 4> made;
        for (int i = 0; i < 4; ++i)
            made[i] = QIcon(QStringLiteral(":/snapshot/%1.svg").arg(QLatin1String(names[i])));
        return made;
    }();
    return icons[number - 1];
}

} // namespace SnapshotPictures

#include "ModelPictures.h"

#include <QImageReader>
#include <QStringList>

// The pictures are compiled into this static library; referencing the resource
// here keeps the linker from dropping it.
static void loadPictureResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(models);
        return true;
    }();
    Q_UNUSED(loaded);
}

namespace {

const QStringList& prefixes()
{
    static const QStringList list{QStringLiteral("zel308"), QStringLiteral("zel312"),
                                  QStringLiteral("mor304"), QStringLiteral("mor308")};
    return list;
}

QString resourceName(const QString& kind, int index)
{
    loadPictureResources();
    const QString model =
        index >= 1 && index <= prefixes().size() ? prefixes().at(index - 1) : QStringLiteral("design");
    return QStringLiteral(":/models/%1-%2.svg").arg(kind, model);
}

} // namespace

namespace ModelPictures {

int modelIndex(const QString& deviceModel)
{
    const QString head = deviceModel.toLower().left(6);
    const int found = prefixes().indexOf(head);
    return found < 0 ? 0 : found + 1;
}

QPixmap logo(int index, const QSize& pixelSize, qreal devicePixelRatio)
{
    // Rendered at the final size so the vector picture stays sharp.
    QImageReader reader(resourceName(QStringLiteral("logo"), index));
    reader.setScaledSize(pixelSize * devicePixelRatio);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon icon(int index)
{
    return QIcon(resourceName(QStringLiteral("icon"), index));
}

} // namespace ModelPictures

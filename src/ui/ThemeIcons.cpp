#include "ThemeIcons.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>

namespace {

// The style's standard picture, asked of the style when first drawn or measured.
// The style decodes every size it has of a picture at once; the toolbar's are
// not drawn before start-up is through, so it need not wait for them.
class StylePictureEngine : public QIconEngine
{
public:
    explicit StylePictureEngine(QStyle::StandardPixmap which) : m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        picture().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // Sizes here count device pixels, as the style's own picture takes them at ratio 1.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return picture().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return picture().availableSizes(mode, state);
    }
    // Asked by every button that takes the picture; Qt's styles have each standard picture.
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("StylePictureEngine"); }
    QIconEngine* clone() const override { return new StylePictureEngine(m_which); }

private:
    const QIcon& picture()
    {
        if (m_picture.isNull())
            m_picture = QApplication::style()->standardIcon(m_which);
        return m_picture;
    }

    QStyle::StandardPixmap m_which;
    QIcon m_picture;
};

} // namespace

namespace ThemeIcons {

QIcon icon(const char* themeName, QStyle::StandardPixmap fallback)
{
    static QHash<QByteArray, QIcon> made;
    const QByteArray key = QByteArray(themeName) + '|' + QByteArray::number(int(fallback));
    const auto found = made.constFind(key);
    if (found != made.cend())
        return *found;
    const QString name = QString::fromLatin1(themeName);
    const QIcon icon =
        QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name) : QIcon(new StylePictureEngine(fallback));
    made.insert(key, icon);
    return icon;
}

} // namespace ThemeIcons

#include "ThemeIcons.h"
#include "pages/SnapshotToolbar.h"

#include <QApplication>
#include <QPainter>
#include <QToolButton>

#include <gtest/gtest.h>

// Every snapshot slot has its own toolbar; the pictures are made once and shared.
TEST(ThemeIcons, EverySnapshotToolbarSharesOnePictureOfEachButton)
{
    QWidget page;
    SnapshotToolbar first(&page, QStringLiteral("Toolbar1"), true);
    SnapshotToolbar second(&page, QStringLiteral("Toolbar2"), false);
    for (const int button : {SnapshotToolbar::Fetch, SnapshotToolbar::Send}) {
        const QIcon a = first.button(button)->icon();
        ASSERT_FALSE(a.isNull()) << button;
        EXPECT_EQ(a.cacheKey(), second.button(button)->icon().cacheKey()) << button;
    }
    EXPECT_NE(first.button(SnapshotToolbar::Fetch)->icon().cacheKey(),
              first.button(SnapshotToolbar::Send)->icon().cacheKey());
}

TEST(ThemeIcons, ANameNoThemeHasFallsBackToTheStylesPicture)
{
    const QIcon icon = ThemeIcons::icon("zel-no-such-icon", QStyle::SP_ArrowUp);
    EXPECT_FALSE(icon.isNull());
    EXPECT_FALSE(icon.pixmap(16, 16).isNull());
}

// The style is asked when the picture is first needed; what it gives is the
// style's own picture in every size, mode and pixel ratio a button asks for.
TEST(ThemeIcons, TheFallbackDrawsAsTheStylesOwnPicture)
{
    for (const QStyle::StandardPixmap which : {QStyle::SP_DialogOpenButton, QStyle::SP_BrowserReload}) {
        const QIcon icon = ThemeIcons::icon("zel-no-such-icon", which);
        const QIcon own = QApplication::style()->standardIcon(which);
        for (const int side : {16, 22, 24, 32, 48}) {
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active}) {
                for (const qreal ratio : {1.0, 1.5, 2.0}) {
                    const QSize size(side, side);
                    const std::string at = std::to_string(which) + "/" + std::to_string(side) + "/" +
                                           std::to_string(int(mode)) + "/" + std::to_string(ratio);
                    const QPixmap shown = icon.pixmap(size, ratio, mode);
                    const QPixmap expected = own.pixmap(size, ratio, mode);
                    EXPECT_EQ(shown.size(), expected.size()) << at;
                    EXPECT_EQ(shown.devicePixelRatio(), expected.devicePixelRatio()) << at;
                    EXPECT_TRUE(shown.toImage() == expected.toImage()) << at;
                }
                EXPECT_EQ(icon.actualSize(QSize(side, side), mode), own.actualSize(QSize(side, side), mode));
            }
        }
        QImage drawn(40, 40, QImage::Format_ARGB32_Premultiplied);
        QImage expected = drawn;
        drawn.fill(Qt::transparent);
        expected.fill(Qt::transparent);
        {
            QPainter a(&drawn);
            icon.paint(&a, QRect(4, 4, 32, 32));
            QPainter b(&expected);
            own.paint(&b, QRect(4, 4, 32, 32));
        }
        EXPECT_TRUE(drawn == expected) << which;
    }
}

#include "ThemeIcons.h"
#include "pages/SnapshotToolbar.h"

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

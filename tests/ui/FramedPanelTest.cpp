#include "FramedPanel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

TEST(FramedPanel, NewPanelShowsItsNameInArial8)
{
    FramedPanel panel(nullptr, QStringLiteral("fraTest"));
    EXPECT_EQ(panel.caption(), QStringLiteral("fraTest"));
    EXPECT_EQ(panel.captionField()->text(), QStringLiteral(" fraTest "));
    EXPECT_EQ(panel.font().pointSize(), 8);
    EXPECT_EQ(panel.font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(panel.captionField()->font(), panel.font());
}

TEST(FramedPanel, CaptionFieldIsAsWideAsItsRenderedText)
{
    FramedPanel panel;
    panel.resize(300, 100);
    panel.setCaption(QStringLiteral("Eingänge"));
    panel.show();
    EXPECT_FALSE(panel.captionField()->isHidden());
    EXPECT_EQ(panel.captionField()->text(), QStringLiteral(" Eingänge "));
    EXPECT_EQ(panel.captionField()->width(),
              QFontMetrics(panel.captionField()->font()).horizontalAdvance(QStringLiteral(" Eingänge ")));
}

TEST(FramedPanel, EmptyCaptionLeavesNoCaptionField)
{
    FramedPanel panel;
    panel.resize(300, 100);
    panel.setCaption(QString());
    panel.show();
    EXPECT_TRUE(panel.captionField()->isHidden());
    EXPECT_EQ(panel.caption(), QString());
    // The frame line runs unbroken: nothing is drawn over the top edge.
    const QImage image = panel.grab().toImage();
    const int lineY = QFontMetrics(panel.captionField()->font()).height() / 2;
    const QColor lineColour = image.pixelColor(5, lineY);
    for (int x = 10; x < 60; ++x)
        EXPECT_EQ(image.pixelColor(x, lineY), lineColour) << x;
}

TEST(FramedPanel, BorderlessPanelKeepsItsCaptionButShowsNoField)
{
    FramedPanel panel;
    panel.setCaption(QStringLiteral("status"));
    panel.setBorder(false);
    EXPECT_TRUE(panel.captionField()->isHidden());
    EXPECT_EQ(panel.caption(), QStringLiteral("status"));
    panel.setBorder(true);
    EXPECT_FALSE(panel.captionField()->isHidden());
}

TEST(FramedPanel, DisablingGreysFrameAndCaption)
{
    FramedPanel panel;
    panel.setCaption(QStringLiteral("Teil 1"));
    panel.setEnabled(false);
    EXPECT_FALSE(panel.frame()->isEnabled());
    EXPECT_FALSE(panel.captionField()->isEnabled());
    panel.resize(200, 80);
    const QImage disabled = panel.grab().toImage();
    panel.setEnabled(true);
    EXPECT_NE(panel.grab().toImage(), disabled);
    EXPECT_TRUE(panel.captionField()->isEnabled());
}

TEST(FramedPanel, FrameFollowsThePanelSizeAndRaisesItsMouseEvents)
{
    FramedPanel panel;
    panel.resize(200, 80);
    panel.show();
    EXPECT_EQ(panel.frame()->geometry(), QRect(0, 0, 200, 80));
    int pressedX = -1;
    QObject::connect(&panel, &FramedPanel::mousePressed,
                     [&](Qt::MouseButton, Qt::KeyboardModifiers, int x, int) { pressedX = x; });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(40, 30), QPointF(40, 30), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(panel.frame(), &press);
    EXPECT_EQ(pressedX, 40);
}

} // namespace

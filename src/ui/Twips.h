#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window geometry is written in twips (1440 per inch); the screen's logical DPI
// turns it into device-independent pixels, so a 96-DPI screen has 15 twips per pixel.
namespace Twips {

int toPixelsX(int twips);
int toPixelsY(int twips);
int fromPixelsX(int pixels);
int fromPixelsY(int pixels);

QRect toPixels(int left, int top, int width, int height);
QSize toPixels(int width, int height);
QRect fromPixels(const QRect& pixels);

} // namespace Twips

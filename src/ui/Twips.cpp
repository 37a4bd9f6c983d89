#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440.0;

double dpiX()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double dpiY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

int scaled(double value, double factor)
{
    return static_cast<int>(std::lround(value * factor));
}

} // namespace

namespace Twips {

int toPixelsX(int twips)
{
    return scaled(twips, dpiX() / TwipsPerInch);
}

int toPixelsY(int twips)
{
    return scaled(twips, dpiY() / TwipsPerInch);
}

int fromPixelsX(int pixels)
{
    return scaled(pixels, TwipsPerInch / dpiX());
}

int fromPixelsY(int pixels)
{
    return scaled(pixels, TwipsPerInch / dpiY());
}

QRect toPixels(int left, int top, int width, int height)
{
    return QRect(toPixelsX(left), toPixelsY(top), toPixelsX(width), toPixelsY(height));
}

QSize toPixels(int width, int height)
{
    return QSize(toPixelsX(width), toPixelsY(height));
}

QRect fromPixels(const QRect& pixels)
{
    return QRect(fromPixelsX(pixels.x()), fromPixelsY(pixels.y()), fromPixelsX(pixels.width()),
                 fromPixelsY(pixels.height()));
}

} // namespace Twips

#include "ProtocolPlacement.h"

TwipRect ProtocolWindowPlacement(const TwipRect& main, const TwipRect& protocol, const QSize& screen)
{
    TwipRect placed = protocol;
    placed.top = (main.height - protocol.height) / 2 + main.top;
    if (placed.top < 1)
        placed.top = 1;
    if (placed.top + protocol.height > screen.height())
        placed.top = screen.height() - protocol.height;

    placed.left = (main.width - protocol.width) / 2 + main.left;
    if (placed.left < 1)
        placed.left = 1;
    if (placed.left + protocol.width > screen.width())
        placed.left = screen.width() - protocol.width;
    return placed;
}

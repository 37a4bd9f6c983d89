#pragma once

#include <QIcon>
#include <QStyle>

// Toolbar pictures: the desktop theme's icon of that name, or the style's
// standard icon where the theme has none. Each is made once per run and shared:
// the style decodes every size of a standard icon's pictures whenever it is
// asked, which was a fifth of the start-up with a button per snapshot slot; so
// the style is asked only when a picture is first drawn.
// A theme or style changed during the run is not followed.
namespace ThemeIcons {

QIcon icon(const char* themeName, QStyle::StandardPixmap fallback);

} // namespace ThemeIcons

#pragma once

class QStyle;

// Whether the widgets are drawn with a themed style: any style but the plain
// Windows one counts as themed; without a style nothing is.
bool IsThemedStyle(const QStyle* style);

#pragma once

// System colours by their classic index, taken from Qt's palette.

#include <QBrush>
#include <QColor>

constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_3DHILIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;

// The colour of a system colour index; black for an index it does not know.
// Active caption is kept distinct from highlight, as on the classic desktop.
QColor GetSysColor(int index);
QBrush GetSysColorBrush(int index);

#pragma once

// Bitmaps from the resource modules, with the classic load-time mapping of the
// grey shades of button images to the current three-dimensional colours.

#include "platform/core/resources.h"
#include "platform/core/types.h"

#include <QImage>
#include <QPixmap>

constexpr UINT LR_DEFAULTCOLOR = 0x0000;
// Grey 128 becomes the button shadow, grey 192 the button face and grey 223
// the 3-D light colour, so that an image drawn on grey blends with the buttons.
constexpr UINT LR_LOADMAP3DCOLORS = 0x1000;

// Loads bitmap `id`, searching `module` first (when given) and then the
// resource chain. A null pixmap when no module has it or its data is not a
// readable image.
QPixmap LoadImageBitmap(HINSTANCE module, UINT id, UINT flags);

// The image with the three grey shades replaced by the current 3-D colours.
QImage MapImageTo3DColors(const QImage& image);

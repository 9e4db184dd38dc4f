#include "platform/drawing/bitmap.h"

#include "platform/drawing/syscolors.h"

QImage MapImageTo3DColors(const QImage& image)
{
    if (image.isNull())
        return image;
    const QRgb shadow = GetSysColor(COLOR_BTNSHADOW).rgb();
    const QRgb face = GetSysColor(COLOR_BTNFACE).rgb();
    const QRgb light = GetSysColor(COLOR_3DLIGHT).rgb();
    QImage mapped = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < mapped.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(mapped.scanLine(y));
        for (int x = 0; x < mapped.width(); ++x) {
            switch (line[x]) {
            case 0xFF808080:
                line[x] = shadow;
                break;
            case 0xFFC0C0C0:
                line[x] = face;
                break;
            case 0xFFDFDFDF:
                line[x] = light;
                break;
            default:
                break;
            }
        }
    }
    return mapped;
}

QPixmap LoadImageBitmap(HINSTANCE module, UINT id, UINT flags)
{
    const char* const* xpm = module ? module->FindBitmap(id) : nullptr;
    if (!xpm)
        xpm = AfxFindBitmap(id);
    if (!xpm)
        return {};
    QImage image(xpm);
    if (image.isNull())
        return {};
    if (flags & LR_LOADMAP3DCOLORS)
        image = MapImageTo3DColors(image);
    return QPixmap::fromImage(image);
}

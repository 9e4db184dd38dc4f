#include "workbench/plot/colourscale.h"

#include <QColor>

namespace {

constexpr QRgb Stops[] = {0xff30123b, 0xff4686fb, 0xff1ae4b6, 0xffa2fc3c, 0xfffaba39, 0xffe4460a, 0xff7a0403};
constexpr int StopCount = sizeof(Stops) / sizeof(Stops[0]);

int Blend(int a, int b, double share)
{
    return static_cast<int>(a + (b - a) * share + 0.5);
}

} // namespace

ColourScale::ColourScale()
{
    for (int i = 0; i < Size; ++i) {
        const double along = static_cast<double>(i) / (Size - 1) * (StopCount - 1);
        const int low = std::min(static_cast<int>(along), StopCount - 2);
        const double share = along - low;
        const QRgb a = Stops[low];
        const QRgb b = Stops[low + 1];
        m_table[static_cast<size_t>(i)] = qRgb(
            Blend(qRed(a), qRed(b), share), Blend(qGreen(a), qGreen(b), share), Blend(qBlue(a), qBlue(b), share));
    }
}

#pragma once

// The colour scale of the colour maps: 256 colours from dark blue through
// cyan, green and yellow to dark red, low values blue. A value that is not a
// number is grey.

#include <QRgb>

#include <array>
#include <cmath>

class ColourScale {
public:
    static constexpr int Size = 256;
    static constexpr QRgb Missing = 0xffc0c0c0;

    ColourScale();

    // The colour of `fraction` of the way from the lowest value to the highest (clamped).
    QRgb At(double fraction) const
    {
        if (std::isnan(fraction))
            return Missing;
        const double clamped = fraction < 0 ? 0 : (fraction > 1 ? 1 : fraction);
        return m_table[static_cast<size_t>(clamped * (Size - 1) + 0.5)];
    }
    const std::array<QRgb, Size>& table() const { return m_table; }

private:
    std::array<QRgb, Size> m_table;
};

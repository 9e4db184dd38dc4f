#include "workbench/plot/colourmappainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr int LeftMargin = 80;
constexpr int TopMargin = 44;
constexpr int BottomMargin = 56;
// Beside each map: a gap, its colour bar and the bar's labels.
constexpr int BarGap = 8;
constexpr int BarWidth = 14;
constexpr int BarArea = 76;
constexpr int MapGap = 12;
constexpr int TickLength = 4;
constexpr long double LargestEdge = std::numeric_limits<double>::max();

// Which cell each pixel along an axis shows, and the axis's value range.
struct AxisCells {
    std::vector<int> cellOfPixel;
    double low = 0;
    double high = 1;
};

// Cells in an equal share each, labelled by position: for centres in no order.
void ShareEqually(size_t n, int pixels, AxisCells& axis)
{
    axis.low = 0.5;
    axis.high = static_cast<double>(n) + 0.5;
    for (int p = 0; p < pixels; ++p)
        axis.cellOfPixel[static_cast<size_t>(p)]
            = std::min(static_cast<int>(n) - 1, static_cast<int>(static_cast<double>(p) * n / pixels));
}

AxisCells MapAxis(const std::vector<double>& centres, int pixels)
{
    AxisCells axis;
    const size_t n = centres.size();
    axis.cellOfPixel.assign(static_cast<size_t>(std::max(pixels, 0)), 0);
    if (n == 0 || pixels <= 0)
        return axis;
    bool rising = std::isfinite(centres[0]);
    bool falling = rising;
    for (size_t i = 1; i < n; ++i) {
        rising = rising && std::isfinite(centres[i]) && centres[i] > centres[i - 1];
        falling = falling && std::isfinite(centres[i]) && centres[i] < centres[i - 1];
    }
    if (!rising && !falling) {
        ShareEqually(n, pixels, axis);
        return axis;
    }
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    if (falling && n > 1)
        std::reverse(order.begin(), order.end());
    // In long double: the edges beyond values near the largest double, and the
    // span between them, need not be doubles.
    std::vector<long double> edges(n + 1);
    const auto value = [&](size_t i) { return static_cast<long double>(centres[static_cast<size_t>(order[i])]); };
    for (size_t i = 1; i < n; ++i)
        edges[i] = (value(i - 1) + value(i)) / 2;
    edges[0] = n > 1 ? value(0) - (value(1) - value(0)) / 2 : value(0) - 0.5L;
    edges[n] = n > 1 ? value(n - 1) + (value(n - 1) - value(n - 2)) / 2 : value(0) + 0.5L;
    const AxisRange range = DisplayRange(
        static_cast<double>(std::max(edges[0], -LargestEdge)), static_cast<double>(std::min(edges[n], LargestEdge)));
    axis.low = range.low;
    axis.high = range.high;
    size_t cell = 0;
    for (int p = 0; p < pixels; ++p) {
        const long double at = edges[0] + (p + 0.5L) / pixels * (edges[n] - edges[0]);
        while (cell + 1 < n && at >= edges[cell + 1])
            ++cell;
        axis.cellOfPixel[static_cast<size_t>(p)] = order[cell];
    }
    return axis;
}

// The pixel `fraction` of the way along `pixels`, kept within them.
int PixelAt(double fraction, int pixels)
{
    return static_cast<int>(std::clamp(fraction, 0.0, 1.0) * pixels);
}

// Whether two tick sets are at the same values (and so get the same labels).
bool SameValues(const std::vector<AxisTick>& a, const std::vector<AxisTick>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
        [](const AxisTick& x, const AxisTick& y) { return x.value == y.value; });
}

// The most ticks whose labels fit along `pixels` with a gap between them:
// widths along a horizontal axis, line heights along a vertical one. Counts
// next to each other mostly give the same ticks, and a label is never less
// than a line high: only sets that may fit are labelled and measured.
std::vector<AxisTick> FittingTicks(const QFontMetrics& metrics, const AxisRange& range, int pixels, bool horizontal)
{
    const int gap = metrics.height() / 2 + 4;
    std::vector<AxisTick> refused;
    for (int most = std::min(AxisTickLimit, pixels / 8); most > 2; --most) {
        std::vector<AxisTick> ticks = AxisTickValues(range, most);
        if (SameValues(ticks, refused))
            continue;
        const auto needs = [&](int label) { return static_cast<int>(ticks.size()) * (label + gap); };
        if (needs(metrics.height()) <= pixels) {
            LabelAxisTicks(ticks);
            int label = metrics.height();
            for (size_t i = 0; horizontal && i < ticks.size(); ++i)
                label = std::max(label, metrics.horizontalAdvance(ticks[i].text));
            if (needs(label) <= pixels)
                return ticks;
        }
        refused = std::move(ticks);
    }
    return AxisTicks(range, 2);
}

void PaintHorizontalAxis(QPainter& painter, const QRect& rect, const AxisRange& range)
{
    const QFontMetrics metrics = painter.fontMetrics();
    for (const AxisTick& tick : FittingTicks(metrics, range, rect.width(), true)) {
        const int x = rect.left() + PixelAt(range.Fraction(tick.value), rect.width());
        painter.drawLine(x, rect.bottom() + 1, x, rect.bottom() + TickLength);
        painter.drawText(
            x - metrics.horizontalAdvance(tick.text) / 2, rect.bottom() + TickLength + metrics.ascent() + 2, tick.text);
    }
}

void PaintVerticalAxis(QPainter& painter, const QRect& rect, const AxisRange& range, bool rightSide)
{
    const QFontMetrics metrics = painter.fontMetrics();
    for (const AxisTick& tick : FittingTicks(metrics, range, rect.height(), false)) {
        const int y = rect.bottom() - PixelAt(range.Fraction(tick.value), rect.height());
        if (rightSide) {
            painter.drawLine(rect.right() + 1, y, rect.right() + TickLength, y);
            painter.drawText(rect.right() + TickLength + 3, y + metrics.ascent() / 2, tick.text);
        } else {
            painter.drawLine(rect.left() - TickLength, y, rect.left() - 1, y);
            painter.drawText(rect.left() - TickLength - 3 - metrics.horizontalAdvance(tick.text),
                y + metrics.ascent() / 2, tick.text);
        }
    }
}

// The range of the map's finite values.
AxisRange ValueRange(const PlotMap& map)
{
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (double value : map.values)
        WidenToFinite(value, low, high);
    return DisplayRange(low, high);
}

// The colour bar of one map, low values at the bottom, titled above.
void PaintColourBar(
    QPainter& painter, const QRect& bar, const AxisRange& range, const ColourScale& scale, const QString& title)
{
    for (int y = 0; y < bar.height(); ++y) {
        painter.setPen(QColor::fromRgb(scale.At(1.0 - (y + 0.5) / bar.height())));
        painter.drawLine(bar.left(), bar.top() + y, bar.right(), bar.top() + y);
    }
    painter.setPen(Qt::black);
    painter.drawRect(bar.adjusted(-1, -1, 0, 0));
    PaintVerticalAxis(painter, bar, range, true);
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = BarArea - BarGap;
    painter.drawText(QRect(bar.left(), bar.top() - metrics.height() - 4, width, metrics.height()), Qt::AlignLeft,
        metrics.elidedText(title, Qt::ElideRight, width));
}

// The colour of (value - low) / span, taken by multiplying with 1 / span: a
// division per pixel costs more than the rest of the fill. The product may
// differ from the quotient in its last bits; where that could move it to the
// next of the scale's colours, the quotient is taken after all.
class SpanColours {
public:
    SpanColours(const ColourScale& scale, double low, double span)
        : m_scale(scale), m_low(low), m_span(span), m_reciprocal(1 / span)
    {
    }

    QRgb operator()(double value) const
    {
        const double offset = value - m_low;
        const double fraction = offset * m_reciprocal;
        // Well outside 0 to 1 (or not a number) both give the same end colour.
        if (!(fraction > -0.01 && fraction < 1.01))
            return m_scale.At(fraction);
        const double step = fraction * (ColourScale::Size - 1) + 0.5;
        const double along = step - static_cast<int>(step);
        if (along < 1e-6 || along > 1 - 1e-6)
            return m_scale.At(offset / m_span);
        return m_scale.At(fraction);
    }

private:
    const ColourScale& m_scale;
    double m_low;
    double m_span;
    double m_reciprocal;
};

} // namespace

QImage ColourMapImage(const PlotMap& map, QSize size, const AxisRange& range, const ColourScale& scale)
{
    QImage image(size, QImage::Format_RGB32);
    if (size.isEmpty() || map.columns <= 0 || map.rows <= 0
        || map.values.size() < static_cast<size_t>(map.columns) * static_cast<size_t>(map.rows)) {
        image.fill(ColourScale::Missing);
        return image;
    }
    const AxisCells columns = MapAxis(map.xValues, size.width());
    const AxisCells rows = MapAxis(map.yValues, size.height());
    // Where the span is a double (any range but one past the largest double),
    // fractions are taken in double; the long double of AxisRange::Fraction
    // would cost more than the rest of the fill.
    const double span = range.high - range.low;
    const bool plainSpan = std::isfinite(span) && span > 0;
    const SpanColours colours(scale, range.low, plainSpan ? span : 1);
    int previousRow = -1;
    for (int y = 0; y < size.height(); ++y) {
        // The first row is drawn at the bottom.
        const int row = rows.cellOfPixel[static_cast<size_t>(size.height() - 1 - y)];
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        if (row == previousRow) { // the same values as the line above
            std::copy_n(reinterpret_cast<const QRgb*>(image.constScanLine(y - 1)), size.width(), line);
            continue;
        }
        previousRow = row;
        const double* values = map.values.data() + static_cast<size_t>(row) * static_cast<size_t>(map.columns);
        for (int x = 0; x < size.width(); ++x) {
            const double value = values[columns.cellOfPixel[static_cast<size_t>(x)]];
            line[x] = plainSpan ? colours(value) : scale.At(range.Fraction(value));
        }
    }
    return image;
}

void PaintColourMaps(QPainter& painter, const QRect& area, const PlotData& data, const ColourScale& scale)
{
    const int count = static_cast<int>(data.maps.size());
    if (count == 0)
        return;
    const QFontMetrics metrics = painter.fontMetrics();
    const int top = area.top() + TopMargin;
    const int height = std::max(10, area.height() - TopMargin - BottomMargin);
    // Each map with its own colour bar to its right.
    const int width = std::max(10, (area.width() - LeftMargin - count * BarArea - (count - 1) * MapGap) / count);
    painter.setPen(Qt::black);
    QFont titleFont = painter.font();
    titleFont.setBold(true);

    painter.save();
    painter.setFont(titleFont);
    painter.drawText(
        QRect(area.left(), area.top() + 2, area.width(), metrics.height() + 2), Qt::AlignHCenter, data.title);
    painter.restore();

    int mapsRight = area.left() + LeftMargin;
    for (int i = 0; i < count; ++i) {
        const PlotMap& map = data.maps[static_cast<size_t>(i)];
        const AxisRange range = ValueRange(map);
        const QRect rect(area.left() + LeftMargin + i * (width + BarArea + MapGap), top, width, height);
        painter.drawImage(rect.topLeft(), ColourMapImage(map, rect.size(), range, scale));
        painter.setPen(Qt::black);
        painter.drawRect(rect.adjusted(-1, -1, 0, 0));
        painter.drawText(QRect(rect.left(), rect.top() - metrics.height() - 4, rect.width(), metrics.height()),
            Qt::AlignHCenter, metrics.elidedText(map.title, Qt::ElideRight, rect.width()));
        const AxisCells columns = MapAxis(map.xValues, 1);
        const AxisCells rows = MapAxis(map.yValues, 1);
        PaintHorizontalAxis(painter, rect, {columns.low, columns.high});
        // The maps of a plot share their y values (the times, or the one map's rows).
        if (i == 0)
            PaintVerticalAxis(painter, rect, {rows.low, rows.high}, false);
        PaintColourBar(painter, QRect(rect.right() + BarGap, top, BarWidth, height), range, scale, map.valueTitle);
        mapsRight = rect.right();
    }
    painter.drawText(QRect(area.left() + LeftMargin, top + height + TickLength + metrics.height() + 6,
                         mapsRight - area.left() - LeftMargin, metrics.height()),
        Qt::AlignHCenter, data.xTitle);
    painter.save();
    painter.translate(area.left() + metrics.height(), top + height / 2);
    painter.rotate(-90);
    painter.drawText(
        QRect(-height / 2, -metrics.height(), height, metrics.height() + 2), Qt::AlignHCenter, data.yTitle);
    painter.restore();
}

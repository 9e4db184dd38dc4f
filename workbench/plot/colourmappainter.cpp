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
constexpr int BarArea = 96;
constexpr int MapGap = 56;
constexpr int TickLength = 4;

// Which cell each pixel along an axis shows, and the axis's value range.
struct AxisCells {
    std::vector<int> cellOfPixel;
    double low = 0;
    double high = 1;
};

AxisCells MapAxis(const std::vector<double>& centres, int pixels)
{
    AxisCells axis;
    const size_t n = centres.size();
    axis.cellOfPixel.assign(static_cast<size_t>(std::max(pixels, 0)), 0);
    if (n == 0 || pixels <= 0)
        return axis;
    bool rising = true;
    bool falling = true;
    for (size_t i = 1; i < n; ++i) {
        rising = rising && centres[i] > centres[i - 1];
        falling = falling && centres[i] < centres[i - 1];
    }
    if (n > 1 && !rising && !falling) {
        // No order to place cells by: an equal share each, labelled by position.
        axis.low = 0.5;
        axis.high = static_cast<double>(n) + 0.5;
        for (int p = 0; p < pixels; ++p)
            axis.cellOfPixel[static_cast<size_t>(p)]
                = std::min(static_cast<int>(n) - 1, static_cast<int>(static_cast<double>(p) * n / pixels));
        return axis;
    }
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    if (falling && n > 1)
        std::reverse(order.begin(), order.end());
    std::vector<double> edges(n + 1);
    const auto value = [&](size_t i) { return centres[static_cast<size_t>(order[i])]; };
    for (size_t i = 1; i < n; ++i)
        edges[i] = (value(i - 1) + value(i)) / 2;
    edges[0] = n > 1 ? value(0) - (value(1) - value(0)) / 2 : value(0) - 0.5;
    edges[n] = n > 1 ? value(n - 1) + (value(n - 1) - value(n - 2)) / 2 : value(0) + 0.5;
    axis.low = edges[0];
    axis.high = edges[n];
    size_t cell = 0;
    for (int p = 0; p < pixels; ++p) {
        const double at = axis.low + (p + 0.5) / pixels * (axis.high - axis.low);
        while (cell + 1 < n && at >= edges[cell + 1])
            ++cell;
        axis.cellOfPixel[static_cast<size_t>(p)] = order[cell];
    }
    return axis;
}

std::vector<double> Ticks(double low, double high, int most)
{
    std::vector<double> ticks;
    if (!(high > low) || most < 2)
        return ticks;
    const double rough = (high - low) / (most - 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(rough)));
    double step = magnitude;
    for (double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        step = factor * magnitude;
        if (step >= rough)
            break;
    }
    for (double tick = std::ceil(low / step) * step; tick <= high + step * 1e-9; tick += step)
        ticks.push_back(std::fabs(tick) < step * 1e-9 ? 0.0 : tick);
    return ticks;
}

QString TickText(double value)
{
    return QString::number(value, 'g', 5);
}

void PaintHorizontalAxis(QPainter& painter, const QRect& rect, double low, double high)
{
    const QFontMetrics metrics = painter.fontMetrics();
    for (double tick : Ticks(low, high, std::max(2, rect.width() / 70))) {
        const int x = rect.left() + static_cast<int>((tick - low) / (high - low) * rect.width());
        painter.drawLine(x, rect.bottom() + 1, x, rect.bottom() + TickLength);
        const QString text = TickText(tick);
        painter.drawText(
            x - metrics.horizontalAdvance(text) / 2, rect.bottom() + TickLength + metrics.ascent() + 2, text);
    }
}

void PaintVerticalAxis(QPainter& painter, const QRect& rect, double low, double high, bool rightSide)
{
    const QFontMetrics metrics = painter.fontMetrics();
    for (double tick : Ticks(low, high, std::max(2, rect.height() / 40))) {
        const int y = rect.bottom() - static_cast<int>((tick - low) / (high - low) * rect.height());
        const QString text = TickText(tick);
        if (rightSide) {
            painter.drawLine(rect.right() + 1, y, rect.right() + TickLength, y);
            painter.drawText(rect.right() + TickLength + 3, y + metrics.ascent() / 2, text);
        } else {
            painter.drawLine(rect.left() - TickLength, y, rect.left() - 1, y);
            painter.drawText(
                rect.left() - TickLength - 3 - metrics.horizontalAdvance(text), y + metrics.ascent() / 2, text);
        }
    }
}

} // namespace

QImage ColourMapImage(const PlotMap& map, QSize size, double low, double high, const ColourScale& scale)
{
    QImage image(size, QImage::Format_RGB32);
    if (size.isEmpty() || map.columns <= 0 || map.rows <= 0
        || map.values.size() < static_cast<size_t>(map.columns) * static_cast<size_t>(map.rows)) {
        image.fill(ColourScale::Missing);
        return image;
    }
    const AxisCells columns = MapAxis(map.xValues, size.width());
    const AxisCells rows = MapAxis(map.yValues, size.height());
    const double toIndex = high > low ? (ColourScale::Size - 1) / (high - low) : 0.0;
    const QRgb* table = scale.table().data();
    for (int y = 0; y < size.height(); ++y) {
        // The first row is drawn at the bottom.
        const int row = rows.cellOfPixel[static_cast<size_t>(size.height() - 1 - y)];
        const double* values = map.values.data() + static_cast<size_t>(row) * static_cast<size_t>(map.columns);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double value = values[columns.cellOfPixel[static_cast<size_t>(x)]];
            if (std::isnan(value)) {
                line[x] = ColourScale::Missing;
                continue;
            }
            const double index = (value - low) * toIndex;
            line[x] = table[index <= 0
                    ? 0
                    : (index >= ColourScale::Size - 1 ? ColourScale::Size - 1 : static_cast<int>(index + 0.5))];
        }
    }
    return image;
}

void PaintColourMaps(QPainter& painter, const QRect& area, const PlotData& data, const ColourScale& scale)
{
    const int count = static_cast<int>(data.maps.size());
    if (count == 0)
        return;
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const PlotMap& map : data.maps) {
        for (double value : map.values) {
            if (std::isfinite(value)) {
                low = std::min(low, value);
                high = std::max(high, value);
            }
        }
    }
    if (!(high >= low)) {
        low = 0;
        high = 1;
    } else if (high == low) {
        high = low + 1;
    }

    const QFontMetrics metrics = painter.fontMetrics();
    const int top = area.top() + TopMargin;
    const int height = std::max(10, area.height() - TopMargin - BottomMargin);
    const int width = std::max(10, (area.width() - LeftMargin - BarArea - (count - 1) * MapGap) / count);
    painter.setPen(Qt::black);
    QFont titleFont = painter.font();
    titleFont.setBold(true);

    painter.save();
    painter.setFont(titleFont);
    painter.drawText(
        QRect(area.left(), area.top() + 2, area.width(), metrics.height() + 2), Qt::AlignHCenter, data.title);
    painter.restore();

    for (int i = 0; i < count; ++i) {
        const PlotMap& map = data.maps[static_cast<size_t>(i)];
        const QRect rect(area.left() + LeftMargin + i * (width + MapGap), top, width, height);
        painter.drawImage(rect.topLeft(), ColourMapImage(map, rect.size(), low, high, scale));
        painter.setPen(Qt::black);
        painter.drawRect(rect.adjusted(-1, -1, 0, 0));
        painter.drawText(QRect(rect.left(), rect.top() - metrics.height() - 4, rect.width(), metrics.height()),
            Qt::AlignHCenter, metrics.elidedText(map.title, Qt::ElideRight, rect.width()));
        const AxisCells columns = MapAxis(map.xValues, 1);
        const AxisCells rows = MapAxis(map.yValues, 1);
        PaintHorizontalAxis(painter, rect, columns.low, columns.high);
        PaintVerticalAxis(painter, rect, rows.low, rows.high, false);
    }
    const int mapsRight = area.left() + LeftMargin + count * width + (count - 1) * MapGap;
    painter.drawText(QRect(area.left() + LeftMargin, top + height + TickLength + metrics.height() + 6,
                         mapsRight - area.left() - LeftMargin, metrics.height()),
        Qt::AlignHCenter, data.xTitle);
    painter.save();
    painter.translate(area.left() + metrics.height(), top + height / 2);
    painter.rotate(-90);
    painter.drawText(
        QRect(-height / 2, -metrics.height(), height, metrics.height() + 2), Qt::AlignHCenter, data.yTitle);
    painter.restore();

    // The colour bar, low values at the bottom.
    const QRect bar(mapsRight + 16, top, 18, height);
    for (int y = 0; y < bar.height(); ++y) {
        painter.setPen(QColor::fromRgb(scale.At(1.0 - (y + 0.5) / bar.height())));
        painter.drawLine(bar.left(), bar.top() + y, bar.right(), bar.top() + y);
    }
    painter.setPen(Qt::black);
    painter.drawRect(bar.adjusted(-1, -1, 0, 0));
    PaintVerticalAxis(painter, bar, low, high, true);
}

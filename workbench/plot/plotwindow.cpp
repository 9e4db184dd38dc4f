#include "workbench/plot/plotwindow.h"

#include "workbench/plot/colourmappainter.h"
#include "workbench/plot/picturefile.h"
#include "workbench/plot/plotlogging.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QStackedWidget>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// An axis over the values from `low` to `high`, rounded to nice numbers where
// Qt can round them: its rounding takes powers of ten of the span in double,
// which fails for denormal spans, spans near the largest double, and spans too
// narrow for the values' magnitude.
AxisRange SetRange(QValueAxis* axis, double low, double high)
{
    const AxisRange range = DisplayRange(low, high);
    axis->setRange(range.low, range.high);
    const double span = range.high - range.low;
    const double magnitude = std::max(std::fabs(range.low), std::fabs(range.high));
    if (span > 1e-200 && magnitude < 1e200 && span > magnitude * 1e-9)
        axis->applyNiceNumbers();
    return {axis->min(), axis->max()};
}

void FillChart(QChart* chart, const PlotData& data)
{
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    chart->setTitle(data.title);
    auto* x = new QValueAxis(chart);
    auto* y = new QValueAxis(chart);
    x->setTitleText(data.xTitle);
    y->setTitleText(data.yTitle);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    double xLow = std::numeric_limits<double>::infinity();
    double xHigh = -xLow;
    double yLow = xLow;
    double yHigh = -xLow;
    for (const PlotLine& line : data.lines) {
        for (const QPointF& point : line.points) {
            WidenToFinite(point.x(), xLow, xHigh);
            WidenToFinite(point.y(), yLow, yHigh);
        }
    }
    const AxisRange xRange = SetRange(x, xLow, xHigh);
    const AxisRange yRange = SetRange(y, yLow, yHigh);
    for (const PlotLine& line : data.lines) {
        auto* series = new QLineSeries(chart);
        series->setName(line.name);
        // A point that is not finite is left out; the ends of the range hold
        // the rest, so that no coordinate overflows when drawn.
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(line.points.size()));
        for (const QPointF& point : line.points) {
            if (std::isfinite(point.x()) && std::isfinite(point.y()))
                points.append(
                    {std::clamp(point.x(), xRange.low, xRange.high), std::clamp(point.y(), yRange.low, yRange.high)});
        }
        series->replace(points);
        series->setPointsVisible(points.size() < 60);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
    }
    chart->legend()->setAlignment(Qt::AlignRight);
}

} // namespace

ColourMapView::ColourMapView(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void ColourMapView::SetData(const PlotData& plot)
{
    m_data = plot;
    update();
}

void ColourMapView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    PaintColourMaps(painter, rect().adjusted(6, 6, -6, -6), m_data, m_scale);
}

PlotWindow::PlotWindow(QWidget* parent)
    : QWidget(parent), m_reason(new QLabel(this)), m_pages(new QStackedWidget(this)), m_empty(new QWidget(m_pages)),
      m_chartView(new QChartView(new QChart(), m_pages)), m_maps(new ColourMapView(m_pages))
{
    setObjectName(QStringLiteral("plotWindow"));
    m_reason->setObjectName(QStringLiteral("plotReason"));
    m_reason->setWordWrap(false);
    m_reason->setContentsMargins(8, 4, 8, 4);
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_pages->addWidget(m_empty);
    m_pages->addWidget(m_chartView);
    m_pages->addWidget(m_maps);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_reason);
    layout->addWidget(m_pages, 1);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    SetData(PlotData());
}

void PlotWindow::SetData(PlotData plot)
{
    m_data = std::move(plot);
    setWindowTitle(QStringLiteral("Plot: %1").arg(m_data.title));
    m_reason->setText(m_data.reason);
    m_reason->setVisible(!m_data.reason.isEmpty());
    switch (m_data.kind) {
    case PlotKind::Lines:
        FillChart(m_chartView->chart(), m_data);
        m_pages->setCurrentWidget(m_chartView);
        break;
    case PlotKind::MapsOverTime:
    case PlotKind::MapOverProfile:
        m_maps->SetData(m_data);
        m_pages->setCurrentWidget(m_data.maps.empty() ? m_empty : static_cast<QWidget*>(m_maps));
        break;
    case PlotKind::Refused:
        m_pages->setCurrentWidget(m_empty);
        break;
    }
}

QChart* PlotWindow::chart() const
{
    return m_pages->currentWidget() == m_chartView ? m_chartView->chart() : nullptr;
}

bool PlotWindow::SavePicture(const QString& path, QString& error)
{
    // Drawn in memory first, so that PNG and SVG reach the file, and fail
    // there, the same way.
    QByteArray bytes;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QBuffer buffer(&bytes);
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size());
        generator.setViewBox(rect());
        generator.setTitle(m_data.title);
        QPainter painter;
        if (buffer.open(QIODevice::WriteOnly) && painter.begin(&generator)) {
            render(&painter);
            if (!painter.end())
                bytes.clear();
        }
    } else {
        bytes = PngBytes(grab());
    }
    QString reason = QStringLiteral("the picture could not be drawn");
    if (bytes.isEmpty() || !WritePictureFile(path, bytes, reason)) {
        error = QStringLiteral("Cannot write the plot picture to \"%1\": %2.").arg(path, reason);
        qCWarning(lcPlot).noquote() << error;
        return false;
    }
    return true;
}

#include "workbench/plot/plotwindow.h"

#include "workbench/plot/colourmappainter.h"
#include "workbench/plot/plotlogging.h"

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

// Both axes over the points' range, a little wider when it is a single value.
void SetRange(QValueAxis* axis, double low, double high)
{
    if (!(high > low)) {
        low -= 0.5;
        high += 0.5;
    }
    axis->setRange(low, high);
    axis->applyNiceNumbers();
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
        auto* series = new QLineSeries(chart);
        series->setName(line.name);
        QList<QPointF> points(line.points.begin(), line.points.end());
        series->replace(points);
        series->setPointsVisible(line.points.size() < 60);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
        for (const QPointF& point : line.points) {
            xLow = std::min(xLow, point.x());
            xHigh = std::max(xHigh, point.x());
            yLow = std::min(yLow, point.y());
            yHigh = std::max(yHigh, point.y());
        }
    }
    if (std::isfinite(xLow)) {
        SetRange(x, xLow, xHigh);
        SetRange(y, yLow, yHigh);
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
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(size());
        generator.setViewBox(rect());
        generator.setTitle(m_data.title);
        QPainter painter;
        if (!painter.begin(&generator)) {
            error = QStringLiteral("Cannot write the plot picture to \"%1\".").arg(path);
            qCWarning(lcPlot).noquote() << error;
            return false;
        }
        render(&painter);
        return true;
    }
    const QPixmap picture = grab();
    if (picture.isNull() || !picture.save(path, "PNG")) {
        error = QStringLiteral("Cannot write the plot picture to \"%1\".").arg(path);
        qCWarning(lcPlot).noquote() << error;
        return false;
    }
    return true;
}

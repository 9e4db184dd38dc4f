#pragma once

// The window that shows one profile plot: a line chart for a 2-d plot, the
// colour maps for a 3-d plot, and the one-line reason when nothing is drawn.

#include "workbench/plot/colourscale.h"
#include "workbench/plot/plotdata.h"

#include <QWidget>

class QChart;
class QChartView;
class QLabel;
class QStackedWidget;

// The colour maps of a 3-d plot, painted.
class ColourMapView final : public QWidget {
    Q_OBJECT

public:
    explicit ColourMapView(QWidget* parent = nullptr);
    void SetData(const PlotData& plot);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PlotData m_data;
    ColourScale m_scale;
};

class PlotWindow final : public QWidget {
    Q_OBJECT

public:
    explicit PlotWindow(QWidget* parent = nullptr);

    void SetData(PlotData plot);
    const PlotData& data() const { return m_data; }

    // The line chart; null unless a 2-d plot is shown.
    QChart* chart() const;
    QLabel* reasonLabel() const { return m_reason; }

    // Saves the window's picture: SVG when `path` ends in ".svg", else PNG.
    // False with the reason in `error`.
    bool SavePicture(const QString& path, QString& error);

private:
    PlotData m_data;
    QLabel* m_reason;
    QStackedWidget* m_pages;
    QWidget* m_empty;
    QChartView* m_chartView;
    ColourMapView* m_maps;
};

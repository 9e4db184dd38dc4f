// Drawing a 3-d plot of a 1,000-element profile over 1,000 times, against
// filling a QImage of the same size value by value through the same colour
// scale (QImage::setPixel).
//
//   plotbench
//
// Prints each time (the best of five runs) and their ratio; also the time to
// take the plot's values from its definition, which the baseline has no part in.

#include "workbench/plot/colourmappainter.h"
#include "workbench/plot/plotdata.h"

#include "benchsupport.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

constexpr int Elements = 1000;
constexpr int Times = 1000;
constexpr double Step = 60;

double BestOfFive(const std::function<void()>& work)
{
    return BestOf(5, [&] {
        QElapsedTimer timer;
        timer.start();
        work();
        return static_cast<double>(timer.nsecsElapsed()) / 1e6;
    });
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    WorkbenchModel model;
    QString error;
    model.blocks.AddBlock("Tube", &error);
    model.blocks.AddVariable("Tube", {"T", 0, {Elements}}, &error);
    ModelPlot plot;
    plot.name = "Tube temperature";
    plot.owner = "Tube";
    plot.access = PlotAccess::Host;
    PlotDefinition& d = plot.definition;
    d.is3DPlot = 1;
    d.yAxisIsTime = 1;
    d.plottedNames.Add("Temperature");
    d.plottedDimensions.Add(1);
    d.plottedCounts.Add(1);
    d.plottedVariables.Add("T(*)");
    d.maxTimePoints = Times;
    d.timeEntries.Add("L");
    const PlotValues values(model.values);

    PlotData data;
    const double extract = BestOfFive(
        [&] { data = ExtractPlotData(plot, model.blocks, values, (Times - 1) * Step, Step, PlotTimeUnit()); });
    if (data.maps.size() != 1 || data.maps[0].columns != Elements || data.maps[0].rows != Times) {
        std::fprintf(stderr, "plotbench: the plot is not %dx%d: %s\n", Elements, Times, qPrintable(data.reason));
        return 1;
    }
    const PlotMap& map = data.maps[0];
    const ColourScale scale;

    // The whole picture, sized so that the map itself takes 1000 x 1000 pixels.
    QImage picture(Elements + 176, Times + 100, QImage::Format_RGB32);
    const double drawn = BestOfFive([&] {
        picture.fill(Qt::white);
        QPainter painter(&picture);
        PaintColourMaps(painter, picture.rect(), data, scale);
    });

    QImage plain(Elements, Times, QImage::Format_RGB32);
    const double filled = BestOfFive([&] {
        const auto [low, high] = std::minmax_element(map.values.begin(), map.values.end());
        for (int row = 0; row < Times; ++row) {
            for (int column = 0; column < Elements; ++column) {
                const double value = map.values[static_cast<size_t>(row) * Elements + column];
                plain.setPixel(column, Times - 1 - row, scale.At((value - *low) / (*high - *low)));
            }
        }
    });

    std::printf("3-d plot of %d elements over %d times (%dx%d map)\n", Elements, Times, Elements, Times);
    std::printf("  values from the definition:          %8.2f ms\n", extract);
    std::printf("  drawn (map, axes, colour bar):       %8.2f ms\n", drawn);
    std::printf("  plain QImage::setPixel fill:         %8.2f ms\n", filled);
    std::printf("  ratio drawn / plain:                 %8.2f\n", drawn / filled);
    return 0;
}

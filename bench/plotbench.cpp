// Drawing a 3-d plot of a 1,000-element profile over N times, against filling
// a QImage of the same size value by value through the same colour scale
// (QImage::setPixel).
//
//   plotbench [N...] [--rounds R]      (N times; 250, 500 and 1000 by default)
//
// Prints the median and 90th percentile of each (processor time of this
// thread, rounds in which the sides take turns) and their ratio; also the time
// to take the plot's values from its definition, which the baseline has no
// part in.

#include "workbench/plot/colourmappainter.h"
#include "workbench/plot/plotdata.h"

#include "benchsupport.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int Elements = 1000;
constexpr double Step = 60;

// A model of one 1,000-element profile and a 3-d plot of it over `times` times.
struct PlotCase {
    WorkbenchModel model;
    ModelPlot plot;
    int times = 0;
};

void SetUp(PlotCase& plotCase, int times)
{
    QString error;
    plotCase.times = times;
    plotCase.model.blocks.AddBlock("Tube", &error);
    plotCase.model.blocks.AddVariable("Tube", {"T", 0, {Elements}}, &error);
    ModelPlot& plot = plotCase.plot;
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
    d.maxTimePoints = times;
    d.timeEntries.Add("L");
}

// Extracting, drawing and filling for one size; false when the plot is not as asked.
bool Measure(int times, int rounds)
{
    PlotCase plotCase;
    SetUp(plotCase, times);
    const PlotValues values(plotCase.model.values);
    const auto extract = [&] {
        return ExtractPlotData(plotCase.plot, plotCase.model.blocks, values, (times - 1) * Step, Step, PlotTimeUnit());
    };
    const PlotData data = extract();
    if (data.maps.size() != 1 || data.maps[0].columns != Elements || data.maps[0].rows != times) {
        ReportFault("plotbench: the plot is not %dx%d: %s\n", Elements, times, qPrintable(data.reason));
        return false;
    }
    const PlotMap& map = data.maps[0];
    const ColourScale scale;
    // The whole picture, sized so that the map itself takes Elements x times
    // pixels: 80 to its left for the axis, 76 to its right for the colour bar,
    // 44 above for the titles and 56 below for the axis.
    QImage picture(Elements + 156, times + 100, QImage::Format_RGB32);
    QImage plain(Elements, times, QImage::Format_RGB32);
    const auto samples = RunRounds(rounds,
        {
            [&]() -> std::vector<Measurement> {
                const Stopwatch stopwatch;
                const PlotData extracted = extract();
                const Measurement elapsed = stopwatch.Read();
                return {elapsed};
            },
            [&]() -> std::vector<Measurement> {
                const Stopwatch stopwatch;
                picture.fill(Qt::white);
                QPainter painter(&picture);
                PaintColourMaps(painter, picture.rect(), data, scale);
                painter.end();
                return {stopwatch.Read()};
            },
            [&]() -> std::vector<Measurement> {
                const Stopwatch stopwatch;
                const auto [low, high] = std::minmax_element(map.values.begin(), map.values.end());
                for (int row = 0; row < times; ++row) {
                    for (int column = 0; column < Elements; ++column) {
                        const double value = map.values[static_cast<size_t>(row) * Elements + column];
                        plain.setPixel(column, times - 1 - row, scale.At((value - *low) / (*high - *low)));
                    }
                }
                return {stopwatch.Read()};
            },
        });
    std::printf("3-d plot of %d elements over %d times (%dx%d map)\n", Elements, times, Elements, times);
    PrintSamples("values from the definition", samples[0][0]);
    PrintSamples("drawn (map, axes, colour bar)", samples[1][0]);
    PrintSamples("plain QImage::setPixel fill", samples[2][0]);
    PrintRatioAim("drawn / plain fill", samples[1][0], samples[2][0], 1);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    KeepFreedMemory();
    QGuiApplication application(argc, argv);
    const BenchArguments arguments = ArgumentsOf(argc, argv, {250, 500, 1000});
    PrintFiguresHeading(arguments);
    for (int times : arguments.sizes) {
        if (!Measure(times, arguments.rounds))
            return 1;
    }
    return FaultCount() > 0 ? 1 : 0;
}

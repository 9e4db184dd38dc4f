// The plot pipeline as the workbench runs it: a model file's text and a clock
// time give each plot's data, which a plot window paints into an image. The
// first 8 bytes are the clock time (a double as stored in memory), the rest
// the model file. Any input ends in a picture or a reason, within the drawing
// budget; the run's -timeout and -rss_limit_mb catch a hang or a blow-up.

#include "workbench/model/modelfile.h"
#include "workbench/plot/plotdata.h"
#include "workbench/plot/plotwindow.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <cstring>

namespace {

constexpr double ClockStep = 60; // the workbench's default interval

PlotWindow& Window()
{
    static PlotWindow* window = [] {
        auto* created = new PlotWindow;
        created->setAttribute(Qt::WA_DontShowOnScreen);
        created->resize(480, 320);
        created->show();
        return created;
    }();
    return *window;
}

void Draw(const QByteArray& text, double now)
{
    WorkbenchModel model;
    QString error;
    if (!ReadModelFile(text, model, error))
        return;
    const PlotValues values(model.values);
    QImage image(Window().size(), QImage::Format_RGB32);
    for (const ModelPlot& plot : model.plots) {
        PlotData plotData = ExtractPlotData(plot, model.blocks, values, now, ClockStep, PlotTimeUnit());
        size_t drawn = 0;
        for (const PlotLine& line : plotData.lines)
            drawn += line.points.size();
        for (const PlotMap& map : plotData.maps)
            drawn += map.values.size();
        // Nothing drawn says why; nothing drawn beyond the budget.
        if (drawn > PlotDrawingBudget || (plotData.kind == PlotKind::Refused && plotData.reason.isEmpty()))
            std::abort();
        Window().SetData(std::move(plotData));
        QPainter painter(&image);
        Window().render(&painter);
    }
}

} // namespace

// Fontconfig keeps what it finds for a font lookup (a fallback for a glyph the
// first font lacks) for the whole process; it is not this code's to free.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(*argc, *argv);
    // The fonts are loaded once, on first use: draw each kind of plot now, so
    // that what they keep for the process is not taken for a leak of an input.
    Draw(R"json({"blocks": [{"path": "B", "variables": [{"name": "T", "extents": [3]}]}], "plots": [
        {"name": "L", "owner": "B", "context": "B.L", "access": "host", "definition": {"is3DPlot": 0,
         "plotted": [{"name": "T", "dimension": 1, "variables": ["T(*)"]}], "timeEntries": ["L"]}},
        {"name": "M", "owner": "B", "context": "B.M", "access": "host", "definition": {"is3DPlot": 1,
         "yAxisIsTime": 1, "plotted": [{"name": "T", "dimension": 1, "variables": ["T(*)"]}],
         "timeEntries": ["L"]}}]})json",
        600);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    double now = 0;
    if (size < sizeof now)
        return 0;
    std::memcpy(&now, data, sizeof now);
    Draw(QByteArray(reinterpret_cast<const char*>(data + sizeof now), static_cast<qsizetype>(size - sizeof now)), now);
    return 0;
}

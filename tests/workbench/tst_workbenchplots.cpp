// The plot windows in the workbench: shown from the plot list, drawn again
// when the definition is written and when the clock moves; and the plot
// pictures the program writes from its command line.

#include "support/projecttest.h"
#include "workbench/app/commandids.h"
#include "workbench/app/plotwindows.h"
#include "workbench/model/modelfile.h"
#include "workbench/plot/axisscale.h"
#include "workbench/plot/colourmappainter.h"
#include "workbench/plot/plotwindow.h"
#include "workbenchfixture.h"

#include "host/services/ksudocument.h"
#include "platform/docview/frame.h"
#include "platform/windows/menubuilder.h"

#include <QAbstractButton>
#include <QChart>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>

#include <map>
#include <tuple>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// One block "B" with T(n) and z(n), the values of both given by `rows` at
// `times`, and the plots of T over z: "Map" (3-d against time), "Lines"
// (2-d) and "Surface" (3-d against z); at most `maxPoints` times each.
QByteArray ExtremeModel(const char* rows, const char* times = "[0]", int n = 2, int maxPoints = 10)
{
    const QByteArray plot = R"json({"name": "%1", "owner": "B", "context": "B.%1", "access": "host", "definition": {
        "is3DPlot": %2, "yAxisIsTime": %3, "xAxis": {"name": "Height", "variables": ["z(*)"]},
        "yAxis": {"name": "%6", "variables": [%7]},
        "plotted": [%5], "maxTimePoints": %4, "timeEntries": ["L"]}})json";
    const QByteArray one = R"json({"name": "T", "dimension": 1, "variables": ["T(*)"]})json";
    const QByteArray two = one + R"json(, {"name": "z", "dimension": 1, "variables": ["z(*)"]})json";
    QByteArray plots;
    using Kind = std::tuple<const char*, int, int>; // name, 3-d, y axis is time
    for (const auto& [name, is3D, yIsTime] : {Kind {"Map", 1, 1}, Kind {"Lines", 0, 1}, Kind {"Surface", 1, 0}})
        plots += QString::fromLatin1(plot)
                     .arg(QLatin1String(name))
                     .arg(is3D)
                     .arg(yIsTime)
                     .arg(maxPoints)
                     .arg(QLatin1String(yIsTime ? one : two))
                     .arg(QLatin1String(yIsTime ? "" : "Depth"), QLatin1String(yIsTime ? "" : "\"z(*)\""))
                     .toLatin1()
            + ",";
    plots.chop(1);
    QByteArray values;
    if (rows)
        values = QStringLiteral(R"json(, "values": [{"variable": "B.T", "times": %1, "rows": %2},
            {"variable": "B.z", "times": %1, "rows": %2}])json")
                     .arg(QLatin1String(times), QLatin1String(rows))
                     .toLatin1();
    return QStringLiteral(R"json({"blocks": [{"path": "B", "variables": [{"name": "T", "extents": [%1]},
        {"name": "z", "extents": [%1]}]}], "plots": [%2]%3})json")
        .arg(n)
        .arg(QLatin1String(plots), QLatin1String(values))
        .toLatin1();
}

// The fields of one line of delimited text, quotes taken off.
QStringList CsvFields(const QString& line)
{
    QStringList fields {QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('"') && quoted && i + 1 < line.size() && line[i + 1] == QLatin1Char('"'))
            fields.last() += line[++i];
        else if (line[i] == QLatin1Char('"'))
            quoted = !quoted;
        else if (line[i] == QLatin1Char(',') && !quoted)
            fields << QString();
        else
            fields.last() += line[i];
    }
    return fields;
}

// Whether the table written for `data` holds its numbers: each line's value
// at its x, or each map cell's x, y and value, in order. Empty when it does.
QString TableMismatch(const PlotData& data, const QString& text)
{
    QStringList rows = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    if (rows.isEmpty())
        return QStringLiteral("no header");
    const QStringList header = CsvFields(rows.takeFirst());
    std::map<double, QStringList> byX;
    for (const QString& row : rows)
        byX[CsvFields(row).first().toDouble()] = CsvFields(row);
    qsizetype cell = 0;
    for (size_t l = 0; l < data.lines.size(); ++l) {
        for (const QPointF& point : data.lines[l].points) {
            const QStringList row = byX[point.x()];
            if (header.value(static_cast<qsizetype>(l) + 1) != data.lines[l].name || row.size() != header.size()
                || row[static_cast<qsizetype>(l) + 1].toDouble() != point.y())
                return QStringLiteral("line %1 at %2: %3").arg(data.lines[l].name).arg(point.x()).arg(row.join(','));
        }
    }
    for (const PlotMap& map : data.maps) {
        for (int r = 0; r < map.rows; ++r) {
            for (int c = 0; c < map.columns; ++c, ++cell) {
                const QStringList row = CsvFields(rows.value(cell));
                if (row.size() != 4 || row[0] != map.title || row[1].toDouble() != map.xValues[size_t(c)]
                    || row[2].toDouble() != map.yValues[size_t(r)]
                    || row[3].toDouble() != map.values[size_t(r) * size_t(map.columns) + size_t(c)])
                    return QStringLiteral("cell %1: %2").arg(cell).arg(rows.value(cell));
            }
        }
    }
    return cell == (data.maps.empty() ? 0 : rows.size()) ? QString() : QStringLiteral("%1 rows").arg(rows.size());
}

// Ticks an axis over `low` to `high` gets: few, finite, ascending, told apart.
bool TicksAreBounded(double low, double high, QString& problem)
{
    const std::vector<AxisTick> ticks = AxisTicks(DisplayRange(low, high), 1000);
    if (ticks.empty() || ticks.size() > static_cast<size_t>(AxisTickLimit))
        problem = QStringLiteral("%1 ticks").arg(ticks.size());
    for (size_t i = 0; i < ticks.size() && problem.isEmpty(); ++i) {
        if (!std::isfinite(ticks[i].value) || (i > 0 && !(ticks[i].value > ticks[i - 1].value))
            || (i > 0 && ticks[i].text == ticks[i - 1].text))
            problem = QStringLiteral("tick %1 is %2 (%3)").arg(i).arg(ticks[i].value).arg(ticks[i].text);
    }
    return problem.isEmpty();
}

} // namespace

class WorkbenchPlotsTest : public QObject, private WorkbenchFixture {
    Q_OBJECT
private slots:
    void init() { OpenWorkbench(); }

    void cleanup() { CloseWorkbench(); }

    void plotWindowRedrawsWhenTheDefinitionIsWrittenAndTheClockMoves()
    {
        const int plot = m_session->model().PlotIndex("Column temperatures");
        m_window->docks().plotList()->setCurrentRow(plot);
        m_window->OnCommand(Command::ShowPlot);
        PlotWindow* window = m_window->plotWindows().WindowFor(plot);
        QCOMPARE(m_window->plotWindows().ActivePlot(), plot);
        QCOMPARE(window->data().kind, PlotKind::Lines);
        QCOMPARE(window->chart()->series().size(), 1);

        // Each step of the clock adds a time to draw.
        m_window->OnCommand(Command::Step);
        m_window->OnCommand(Command::Step);
        QCOMPARE(window->chart()->series().size(), 3);

        // A write as the editor's Apply makes it: the host object's Set calls,
        // then hint 823 to the document. Until the hint the window keeps its picture.
        QVERIFY(m_window->OpenPlot(plot));
        CDocument* document = m_window->editors().FrameForPlot(plot)->GetActiveDocument();
        m_session->PlotData(plot)->SetIs3DPlot(1);
        QCOMPARE(window->data().kind, PlotKind::Lines);
        document->UpdateAllViews(nullptr, 829, nullptr);
        QCOMPARE(window->data().kind, PlotKind::Lines);
        document->UpdateAllViews(nullptr, 823, nullptr);
        QCOMPARE(window->data().kind, PlotKind::MapsOverTime);
        QCOMPARE(window->data().maps.size(), size_t(1));
        QCOMPARE(window->data().maps[0].rows, 3);
        QVERIFY(!window->chart());

        // A plot reached through the plot host is drawn again on NotifyDefinitionWritten.
        const int hosted = m_session->model().PlotIndex("Column compositions");
        PlotWindow* other = m_window->plotWindows().Show(hosted);
        QCOMPARE(other->data().maps.size(), size_t(1));
        m_session->PlotData(hosted)->SetIs3DPlot(0);
        m_session->PlotHost(hosted)->NotifyDefinitionWritten();
        QCOMPARE(other->data().kind, PlotKind::Lines);

        // The picture of the map is drawn without OpenGL, offscreen.
        const QImage picture = window->grab().toImage();
        QVERIFY(picture.width() > 100);
        QCOMPARE(window->reasonLabel()->isVisible(), false);

        // The editor's own Apply: it opened on the 2-d definition and writes it
        // back, so the window draws lines again.
        auto* apply = qobject_cast<QAbstractButton*>(FormControl(m_window->editors().FrameForPlot(plot), 1042));
        QTest::mouseClick(apply, Qt::LeftButton);
        QCOMPARE(window->data().kind, PlotKind::Lines);
        QVERIFY(window->chart());
    }

    void commandLineWritesAPictureOfEachPlot()
    {
        QTemporaryDir folder;
        QStringList arguments {"--quit", "--time", "3600"};
        for (int i = 0; i < m_session->plotCount(); ++i) {
            const QString file = m_session->plot(i).name.ToQString() + "=" + folder.filePath(QString::number(i));
            arguments << "--plot-image" << file + ".png"
                      << "--plot-data" << file + ".csv";
        }
        arguments << "--plot-image" << QStringLiteral("Column temperatures=") + folder.filePath("lines.svg");
        QProcess process;
        process.start(QStringLiteral(PE_WORKBENCH_PATH), arguments);
        QVERIFY(process.waitForFinished(120000));
        QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
        for (int i = 0; i < m_session->plotCount(); ++i) {
            const QImage image(folder.filePath(QString::number(i) + ".png"));
            QCOMPARE(image.size(), PlotWindows::PictureSize);
            // Drawn, not blank: more than a handful of colours.
            QSet<QRgb> colours;
            for (int p = 0; p < image.width() * image.height(); p += 13)
                colours.insert(image.pixel(p % image.width(), p / image.width()));
            QVERIFY2(colours.size() > 8, qPrintable(m_session->plot(i).name.ToQString()));
        }
        QFile svg(folder.filePath("lines.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));
        // The tables hold the numbers the windows draw at the same clock.
        m_window->SetClock(3600);
        for (int i = 0; i < m_session->plotCount(); ++i) {
            QFile table(folder.filePath(QString::number(i) + ".csv"));
            QVERIFY(table.open(QIODevice::ReadOnly));
            const QString mismatch
                = TableMismatch(m_window->plotWindows().DataFor(i), QString::fromUtf8(table.readAll()));
            QVERIFY2(mismatch.isEmpty(), qPrintable(m_session->plot(i).name.ToQString() + ": " + mismatch));
        }
        // File > Export Plot Data... writes the active window's table.
        const PlotWindow* shown = m_window->plotWindows().Show(2);
        const QString exported = folder.filePath("exported.csv");
        AnswerNextDialog([exported](QWidget* dialog) {
            qobject_cast<QFileDialog*>(dialog)->selectFile(exported);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        FindCommandAction(m_window->menuBar(), Command::ExportPlotData)->trigger();
        QFile table(exported);
        QVERIFY(table.open(QIODevice::ReadOnly));
        QCOMPARE(TableMismatch(shown->data(), QString::fromUtf8(table.readAll())), QString());
    }

    void eachMapHasAColourScaleOfItsOwn()
    {
        // Two maps of two cells, values far apart: each spans its own colours,
        // so that no cell takes the colour halfway along the scale.
        PlotData data;
        data.kind = PlotKind::MapsOverTime;
        for (const std::vector<double>& values : {std::vector<double> {0, 1}, std::vector<double> {1000, 2000}})
            data.maps.push_back({QStringLiteral("m"), QStringLiteral("T"), 2, 1, values, {1, 2}, {0}});
        QImage image(900, 500, QImage::Format_RGB32);
        const ColourScale scale;
        QPainter painter(&image);
        PaintColourMaps(painter, image.rect(), data, scale);
        painter.end();
        int halfway = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                halfway += image.pixel(x, y) == scale.At(0.5);
        }
        QVERIFY2(halfway < 100, qPrintable(QString::number(halfway))); // a line of each colour bar
    }

    void badPlotImagesAndTimesAreBadStarts_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown plot") << QStringList {"--plot-image", "No such plot=out.png"} << 2
                                      << "There is no plot \"No such plot\" in the model.";
        QTest::newRow("no file") << QStringList {"--plot-image", "Column temperatures"} << 2
                                 << "--plot-image needs PLOT=FILE";
        QTest::newRow("negative time") << QStringList {"--time", "-5"} << 2 << "--time needs a number of seconds";
        // "FOLDER/" is a folder holding "pipe.png", a named pipe, and "full.svg"
        // and "full.png", links to /dev/full.
        QTest::newRow("picture onto a pipe") << QStringList {"--plot-image", "Column temperatures=FOLDER/pipe.png"} << 2
                                             << "pipe.png\": it exists and is not a regular file.";
        QTest::newRow("drawing onto a full device")
            << QStringList {"--plot-image", "Column temperatures=FOLDER/full.svg"} << 2
            << "full.svg\": it exists and is not a regular file.";
        QTest::newRow("picture onto a full device")
            << QStringList {"--plot-image", "Column temperatures=FOLDER/full.png"} << 2
            << "full.png\": it exists and is not a regular file.";
        QTest::newRow("screenshot onto a pipe") << QStringList {"--screenshot", "FOLDER/pipe.png"} << 2
                                                << "Cannot save the picture of the main window to \"";
        QTest::newRow("unwritable picture") << QStringList {"--plot-image", "Column temperatures=/nonexistent/p.png"}
                                            << 1 << "Cannot write the plot picture to \"/nonexistent/p.png\": ";
        QTest::newRow("table without a file")
            << QStringList {"--plot-data", "Column temperatures="} << 2 << "--plot-data needs PLOT=FILE";
        QTest::newRow("table of an unknown plot") << QStringList {"--plot-data", "No such plot=d.csv"} << 2
                                                  << "There is no plot \"No such plot\" in the model.";
        QTest::newRow("table onto a pipe") << QStringList {"--plot-data", "Column temperatures=FOLDER/pipe.png"} << 2
                                           << "Cannot write the plot data to \"";
        QTest::newRow("unwritable table") << QStringList {"--plot-data", "Column temperatures=/nonexistent/d.csv"} << 1
                                          << "Cannot write the data of the plot \"Column temperatures\" to "
                                             "\"/nonexistent/d.csv\": No such file or directory.";
        QTest::newRow("table of a plot that draws nothing yet") << QStringList {"--plot-data",
            "Column composition map=FOLDER/d.csv"} << 1 << "d.csv\": No time of this plot is due yet at 0 s.";
    }

    void badPlotImagesAndTimesAreBadStarts()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir folder;
        QVERIFY(mkfifo(QFile::encodeName(folder.filePath("pipe.png")).constData(), 0600) == 0);
        QVERIFY(QFile::link("/dev/full", folder.filePath("full.svg"))
            && QFile::link("/dev/full", folder.filePath("full.png")));
        for (QString& argument : arguments)
            argument.replace(QLatin1String("FOLDER"), folder.path());
        QProcess process;
        process.start(QStringLiteral(PE_WORKBENCH_PATH), QStringList {"--quit"} + arguments);
        QVERIFY(process.waitForFinished(120000));
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        QCOMPARE(process.exitCode(), exitCode);
        QVERIFY2(err.contains(message), qPrintable(err));
    }

    void hostileValuesEndWithAPictureOrAReason_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<double>("now");
        QTest::addColumn<QString>("plot");
        QTest::addColumn<QString>("reason"); // empty: drawn

        const QByteArray tiny = ExtremeModel("[[1e16, 1.0000000000000002e16]]");
        const QByteArray overflowing = ExtremeModel("[[-1e308, 1e308]]");
        const QByteArray swinging = ExtremeModel("[[-1.7976931348623157e308, 1.7976931348623157e308], "
                                                 "[1.7976931348623157e308, -1.7976931348623157e308]]",
            "[0, 7200]");
        const QByteArray denormal = ExtremeModel("[[5e-324, 1e-323]]");
        const QByteArray zeroToDenormal = ExtremeModel("[[0, 5e-324]]");
        const QByteArray largest = ExtremeModel("[[1.7976931348623157e308, 1.7976931348623157e308]]");
        for (const char* plot : {"Map", "Lines", "Surface"}) {
            const auto row = [plot](const char* name, const QByteArray& model, double now, const QString& reason) {
                QTest::addRow("%s, %s", name, plot) << model << now << QString::fromLatin1(plot) << reason;
            };
            row("tiny relative span", tiny, 3600, {});
            row("span past the largest double", overflowing, 3600, {});
            row("largest doubles swinging", swinging, 3600, {});
            row("denormals", denormal, 3600, {});
            row("zero to the smallest denormal", zeroToDenormal, 3600, {});
            row("one value near the largest double", largest, 3600, {});
            row("clock far on", tiny, 1e20, {});
            // A chart's time grows faster than its lines: at most PlotLineLimit of them.
            const bool lines = QByteArray(plot) == "Lines";
            row("as many times as a chart draws lines", ExtremeModel(nullptr, "[0]", 1, PlotLineLimit), 600000, {});
            row("ten thousand times", ExtremeModel(nullptr, "[0]", 1, 10000), 600000,
                lines ? QStringLiteral("it would draw 10000 lines, more than the %1 a chart draws").arg(PlotLineLimit)
                      : QString());
            // 10^6 elements at 10^4 times: 10^10 values asked for.
            row("huge extent at many times", ExtremeModel(nullptr, "[0]", 1000000, 10000), 600000,
                QStringLiteral("more than the %1 a plot window draws").arg(PlotDrawingBudget));
        }
    }

    void hostileValuesEndWithAPictureOrAReason()
    {
        QFETCH(QByteArray, model);
        QFETCH(double, now);
        QFETCH(QString, plot);
        QFETCH(QString, reason);
        WorkbenchModel hostile;
        QString error;
        QVERIFY2(ReadModelFile(model, hostile, error), qPrintable(error));
        const PlotValues values(hostile.values);
        QElapsedTimer timer;
        timer.start();
        PlotData data
            = ExtractPlotData(*hostile.FindPlot(CString::FromQString(plot)), hostile.blocks, values, now, 60, {});
        const PlotData drawn = data;
        PlotWindow window;
        window.resize(PlotWindows::PictureSize);
        window.SetData(std::move(data));
        QImage picture(window.size(), QImage::Format_RGB32);
        window.render(&picture);
        QVERIFY2(timer.elapsed() < 10000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));

        if (!reason.isEmpty()) {
            QCOMPARE(drawn.kind, PlotKind::Refused);
            QVERIFY2(drawn.reason.startsWith(QLatin1String("Not drawn: ")) && drawn.reason.contains(reason)
                    && !drawn.reason.contains(QLatin1Char('\n')),
                qPrintable(drawn.reason));
            QCOMPARE(window.reasonLabel()->text(), drawn.reason);
            return;
        }
        QVERIFY2(drawn.reason.isEmpty(), qPrintable(drawn.reason));
        // Each time once, however far the clock.
        QVERIFY(std::adjacent_find(drawn.times.begin(), drawn.times.end()) == drawn.times.end());
        double low = std::numeric_limits<double>::infinity();
        double high = -low;
        for (const PlotMap& map : drawn.maps) {
            for (double value : map.values)
                WidenToFinite(value, low, high);
        }
        for (const PlotLine& line : drawn.lines) {
            for (const QPointF& point : line.points) {
                WidenToFinite(point.x(), low, high);
                WidenToFinite(point.y(), low, high);
            }
        }
        QString problem;
        QVERIFY2(TicksAreBounded(low, high, problem), qPrintable(problem));
        // A map of values told apart shows the scale's first and last colours.
        const ColourScale scale;
        for (const PlotMap& map : drawn.maps) {
            double mapLow = std::numeric_limits<double>::infinity();
            double mapHigh = -mapLow;
            for (double value : map.values)
                WidenToFinite(value, mapLow, mapHigh);
            const AxisRange range = DisplayRange(mapLow, mapHigh);
            if (range.low != mapLow || range.high != mapHigh || map.rows > 64)
                continue;
            const QImage cells = ColourMapImage(map, QSize(64, map.rows), range, scale);
            QSet<QRgb> colours;
            for (int y = 0; y < cells.height(); ++y) {
                for (int x = 0; x < cells.width(); ++x)
                    colours.insert(cells.pixel(x, y));
            }
            QVERIFY2(colours.contains(scale.table().front() | 0xff000000u)
                    && colours.contains(scale.table().back() | 0xff000000u),
                qPrintable(QStringLiteral("%1 colours").arg(colours.size())));
        }
        if (QChart* chart = window.chart()) {
            for (QAbstractAxis* axis : chart->axes()) {
                const auto* valueAxis = qobject_cast<QValueAxis*>(axis);
                QVERIFY(valueAxis && std::isfinite(valueAxis->max() - valueAxis->min()));
                QVERIFY(valueAxis->max() > valueAxis->min());
            }
        }
    }

    void hostileModelsEndWithAPictureFromTheCommandLine_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("plot");
        QTest::newRow("tiny relative span on a map") << ExtremeModel("[[1e16, 1.0000000000000002e16]]") << "3600"
                                                     << "Map";
        QTest::newRow("span past the largest double on a surface") << ExtremeModel("[[-1e308, 1e308]]") << "3600"
                                                                   << "Surface";
        QTest::newRow("a small file asking for 10^10 points")
            << ExtremeModel(nullptr, "[0]", 1000000, 10000) << "600000"
            << "Lines";
    }

    void hostileModelsEndWithAPictureFromTheCommandLine()
    {
        QFETCH(QByteArray, model);
        QFETCH(QString, time);
        QFETCH(QString, plot);
        QTemporaryDir folder;
        QFile file(folder.filePath("model.json"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(model) == model.size());
        file.close();
        QElapsedTimer timer;
        timer.start();
        QProcess process;
        process.start(QStringLiteral(PE_WORKBENCH_PATH),
            {"--quit", "--model", file.fileName(), "--time", time, "--plot-image",
                plot + "=" + folder.filePath("p.png")});
        QVERIFY(process.waitForFinished(60000));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
            process.readAllStandardError().constData());
        QVERIFY2(timer.elapsed() < 30000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
        QCOMPARE(QImage(folder.filePath("p.png")).size(), PlotWindows::PictureSize);
    }

    void picturesThatCannotBeWrittenAreReported_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("SVG") << "plot.svg";
        QTest::newRow("PNG") << "plot.png";
    }

    void picturesThatCannotBeWrittenAreReported()
    {
        // A file may grow to 64 bytes only: the picture's write fails as on a full disk.
        QFETCH(QString, file);
        QTemporaryDir folder;
        PlotWindow* window = m_window->plotWindows().Show(0);
        rlimit before {};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = before;
        small.rlim_cur = 64;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        QString error;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Cannot write the plot picture to "));
        const bool saved = window->SavePicture(folder.filePath(file), error);
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!saved);
        QVERIFY2(
            error.startsWith(QStringLiteral("Cannot write the plot picture to \"%1\": ").arg(folder.filePath(file))),
            qPrintable(error));
    }
};

PE_TEST_MAIN(WorkbenchPlotsTest)
#include "tst_workbenchplots.moc"

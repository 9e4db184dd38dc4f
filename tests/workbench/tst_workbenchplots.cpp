// The plot windows in the workbench: shown from the plot list, drawn again
// when the definition is written and when the clock moves; and the plot
// pictures the program writes from its command line.

#include "support/projecttest.h"
#include "workbench/app/commandids.h"
#include "workbench/app/mainwindow.h"
#include "workbench/app/modelsession.h"
#include "workbench/app/plotwindows.h"
#include "workbench/plot/plotwindow.h"
#include "workbenchfixture.h"

#include "host/services/kbaseapp.h"
#include "host/services/ksudocument.h"
#include "platform/docview/frame.h"

#include <QAbstractButton>
#include <QChart>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class WorkbenchPlotsTest : public QObject, private WorkbenchFixture {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void plotWindowRedrawsWhenTheDefinitionIsWrittenAndTheClockMoves();
    void commandLineWritesAPictureOfEachPlot();
    void badPlotImagesAndTimesAreBadStarts_data();
    void badPlotImagesAndTimesAreBadStarts();
};

void WorkbenchPlotsTest::init()
{
    OpenWorkbench();
}

void WorkbenchPlotsTest::cleanup()
{
    CloseWorkbench();
}

void WorkbenchPlotsTest::plotWindowRedrawsWhenTheDefinitionIsWrittenAndTheClockMoves()
{
    const int plot = m_session->model().PlotIndex("Column temperatures");
    m_window->plotList()->setCurrentRow(plot);
    m_window->OnCommand(Command::ShowPlot);
    PlotWindow* window = m_window->plotWindows().WindowFor(plot);
    QVERIFY(window);
    QCOMPARE(m_window->plotWindows().ActivePlot(), plot);
    QCOMPARE(window->data().kind, PlotKind::Lines);
    QVERIFY(window->chart());
    QCOMPARE(window->chart()->series().size(), 1);

    // Each step of the clock adds a time to draw.
    m_window->OnCommand(Command::Step);
    m_window->OnCommand(Command::Step);
    QCOMPARE(window->chart()->series().size(), 3);

    // A write as the editor's Apply makes it: the host object's Set calls,
    // then hint 823 to the document. Until the hint the window keeps its picture.
    QVERIFY(m_window->OpenPlot(plot));
    CDocument* document = m_window->editors().FrameForPlot(plot)->GetActiveDocument();
    QVERIFY(document);
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
    QVERIFY(apply);
    QTest::mouseClick(apply, Qt::LeftButton);
    QCOMPARE(window->data().kind, PlotKind::Lines);
    QVERIFY(window->chart());
}

void WorkbenchPlotsTest::commandLineWritesAPictureOfEachPlot()
{
    QTemporaryDir folder;
    QStringList arguments {"--quit", "--time", "3600"};
    for (int i = 0; i < m_session->plotCount(); ++i)
        arguments << "--plot-image"
                  << m_session->plot(i).name.ToQString() + QStringLiteral("=")
                + folder.filePath(QString::number(i) + ".png");
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
}

void WorkbenchPlotsTest::badPlotImagesAndTimesAreBadStarts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown plot") << QStringList {"--plot-image", "No such plot=out.png"} << 2
                                  << "There is no plot \"No such plot\" in the model.";
    QTest::newRow("no file") << QStringList {"--plot-image", "Column temperatures"} << 2
                             << "--plot-image needs PLOT=FILE";
    QTest::newRow("negative time") << QStringList {"--time", "-5"} << 2 << "--time needs a number of seconds";
    QTest::newRow("unwritable picture") << QStringList {"--plot-image", "Column temperatures=/nonexistent/p.png"} << 1
                                        << "Cannot write the plot picture to \"/nonexistent/p.png\".";
}

void WorkbenchPlotsTest::badPlotImagesAndTimesAreBadStarts()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QProcess process;
    process.start(QStringLiteral(PE_WORKBENCH_PATH), QStringList {"--quit"} + arguments);
    QVERIFY(process.waitForFinished(120000));
    const QString err = QString::fromLocal8Bit(process.readAllStandardError());
    QCOMPARE(process.exitCode(), exitCode);
    QVERIFY2(err.contains(message), qPrintable(err));
}

PE_TEST_MAIN(WorkbenchPlotsTest)
#include "tst_workbenchplots.moc"

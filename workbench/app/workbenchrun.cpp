#include "workbench/app/workbenchrun.h"
#include "workbench/model/outputtarget.h"

#include "hostlib/calllog.h"
#include "workbench/app/commandline.h"
#include "workbench/app/mainwindow.h"
#include "workbench/app/moduleloader.h"
#include "workbench/app/plotwindows.h"
#include "workbench/app/samplemodel.h"
#include "workbench/app/sessionfile.h"
#include "workbench/app/unattendedmessageboxes.h"
#include "workbench/model/modelfile.h"
#include "workbench/model/modelsession.h"
#include "workbench/plot/picturefile.h"

#include "host/services/kbaseapp.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>
#include <optional>

namespace {

void Report(const QString& text)
{
    std::fprintf(stderr, "workbench: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

void Say(const QString& text)
{
    std::fprintf(stdout, "%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

bool LoadModel(const WorkbenchOptions& options, WorkbenchModel& model)
{
    QString error;
    ResultsSource results;
    results.replacement = options.resultsPath;
    if (!options.modelPath.isEmpty()) {
        if (!LoadModelFile(options.modelPath, model, error, ModelFileSizeLimit, &results)) {
            Report(error);
            return false;
        }
    } else if (!options.resultsPath.isEmpty()) {
        // The results alone: a model without plots.
        if (!ReadModelFile("{}", model, error, &results)) {
            Report(error);
            return false;
        }
    } else {
        if (!ReadSampleModel(model, error, &results)) {
            Report(QStringLiteral("%1 is not valid: %2").arg(SampleModelName(), error));
            return false;
        }
    }
    if (!results.note.isEmpty())
        Report(results.note);
    return true;
}

void ReportNoSuchPlot(const QString& name, const WorkbenchModel& model)
{
    QStringList names;
    for (const ModelPlot& plot : model.plots)
        names << QLatin1Char('"') + plot.name.ToQString() + QLatin1Char('"');
    Report(QStringLiteral("There is no plot \"%1\" in the model. Its plots are: %2.")
               .arg(name, names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "))));
}

// Every --open (--show-plot) name must name a plot; all are checked before any opens.
bool FindPlotsToOpen(const QStringList& names, const WorkbenchModel& model, std::vector<int>& indexes)
{
    for (const QString& name : names) {
        const int index = model.PlotIndex(CString::FromQString(name));
        if (index < 0) {
            ReportNoSuchPlot(name, model);
            return false;
        }
        indexes.push_back(index);
    }
    return true;
}

struct PlotFile {
    int plot;
    QString path;
};

// Each --plot-image (--plot-data) PLOT=FILE: the plot is named by the text
// before the first "=" that leaves a plot's name, so that names and files may
// hold "=" too.
bool FindPlotFiles(const QStringList& values, const WorkbenchModel& model, std::vector<PlotFile>& images)
{
    for (const QString& value : values) {
        int index = -1;
        qsizetype equals = value.indexOf(QLatin1Char('='));
        for (qsizetype at = equals; at > 0 && index < 0; at = value.indexOf(QLatin1Char('='), at + 1)) {
            index = model.PlotIndex(CString::FromQString(value.left(at)));
            equals = at;
        }
        if (index < 0 || equals + 1 >= value.size()) {
            ReportNoSuchPlot(value.section(QLatin1Char('='), 0, 0), model);
            return false;
        }
        images.push_back({index, value.mid(equals + 1)});
    }
    return true;
}

void ReportLoadProblems(const ModelSession& session)
{
    for (int i = 0; i < session.plotCount(); ++i) {
        for (const QString& problem : session.LoadProblems(i))
            Report(QStringLiteral("warning: plot \"%1\": %2.").arg(session.plot(i).name.ToQString(), problem));
    }
}

// Lets queued work (activation, layout, posted messages) happen.
void Settle()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

QString ScreenshotError(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot save the picture of the main window to \"%1\": %2.").arg(path, reason);
}

// Pictures go where a file can be written: checked before the session starts,
// like the model's save target, so that a pipe cannot block the exit.
bool CheckPictureTargets(
    const WorkbenchOptions& options, const std::vector<PlotFile>& images, const std::vector<PlotFile>& tables)
{
    QString reason;
    if (!options.screenshotPath.isEmpty() && !CheckOutputTarget(options.screenshotPath, reason)) {
        Report(ScreenshotError(options.screenshotPath, reason));
        return false;
    }
    for (const PlotFile& image : images) {
        if (!CheckOutputTarget(image.path, reason)) {
            Report(QStringLiteral("Cannot write the plot picture to \"%1\": %2.").arg(image.path, reason));
            return false;
        }
    }
    for (const PlotFile& table : tables) {
        if (!CheckOutputTarget(table.path, reason)) {
            Report(QStringLiteral("Cannot write the plot data to \"%1\": %2.").arg(table.path, reason));
            return false;
        }
    }
    return true;
}

bool SaveScreenshot(QWidget& window, const QString& path)
{
    const QPixmap picture = window.grab();
    const QByteArray bytes = PngBytes(picture);
    QString reason = QStringLiteral("the picture could not be drawn");
    if (bytes.isEmpty() || !WritePictureFile(path, bytes, reason)) {
        Report(ScreenshotError(path, reason));
        return false;
    }
    Say(QStringLiteral("Saved a picture of the main window (%1x%2) to %3")
            .arg(picture.width())
            .arg(picture.height())
            .arg(path));
    return true;
}

// Writes the pictures and tables of the plots as drawn at exit; false when
// any could not be written (each failure is reported).
bool SavePlotFiles(const MainWindow& window, const ModelSession& session, const std::vector<PlotFile>& images,
    const std::vector<PlotFile>& tables)
{
    bool saved = true;
    QString error;
    for (const PlotFile& image : images) {
        if (window.plotWindows().SavePicture(image.plot, image.path, error)) {
            Say(QStringLiteral("Saved a picture of the plot \"%1\" (%2x%3) to %4")
                    .arg(session.plot(image.plot).name.ToQString())
                    .arg(PlotWindows::PictureSize.width())
                    .arg(PlotWindows::PictureSize.height())
                    .arg(image.path));
        } else {
            Report(error);
            saved = false;
        }
    }
    for (const PlotFile& table : tables) {
        if (window.plotWindows().SaveData(table.plot, table.path, error)) {
            Say(QStringLiteral("Saved the data of the plot \"%1\" to %2")
                    .arg(session.plot(table.plot).name.ToQString(), table.path));
        } else {
            Report(error);
            saved = false;
        }
    }
    return saved;
}

int Run(QApplication& application, const WorkbenchOptions& options)
{
    WorkbenchModel model;
    std::vector<int> toOpen;
    std::vector<int> toShow;
    std::vector<PlotFile> images;
    std::vector<PlotFile> tables;
    if (!LoadModel(options, model) || !FindPlotsToOpen(options.openPlots, model, toOpen)
        || !FindPlotsToOpen(options.showPlots, model, toShow) || !FindPlotFiles(options.plotImages, model, images)
        || !FindPlotFiles(options.plotData, model, tables) || !CheckPictureTargets(options, images, tables))
        return ExitBadStart;
    QString error;
    // The save target is checked now rather than after the session's edits;
    // the call log is opened before anything can call a host object.
    if ((!options.saveOnExitPath.isEmpty() && !CheckModelSaveTarget(options.saveOnExitPath, error))
        || (!options.callLogPath.isEmpty() && !CallLog::Instance().OpenFile(options.callLogPath, &error))) {
        Report(error);
        return ExitBadStart;
    }

    CKBaseApp hostApp;
    ModelSession session;
    if (!session.Start(model, &error)) {
        Report(error);
        return ExitBadStart;
    }
    LoadedModule module;
    if (!LoadEditorModule(options.modulePath, hostApp, module, error)) {
        Report(error);
        return ExitBadStart;
    }
    ReportLoadProblems(session);

    int exitCode = ExitOk;
    {
        std::optional<UnattendedMessageBoxes> unattended;
        if (options.quit)
            unattended.emplace();
        MainWindow window(hostApp, *module.docTemplate, session);
        window.file().SetPath(options.modelPath);
        window.SetClock(options.clockSeconds);
        window.show();
        Settle();
        for (int index : toOpen) {
            if (!window.OpenPlot(index, &error)) {
                Report(error);
                exitCode = ExitBadStart;
                break;
            }
        }
        for (int index : exitCode == ExitOk ? toShow : std::vector<int>())
            window.plotWindows().Show(index);
        if (!toShow.empty())
            window.ArrangeEditorsAndPlots();
        Settle();
        if (exitCode == ExitOk && !options.screenshotPath.isEmpty() && !SaveScreenshot(window, options.screenshotPath))
            exitCode = ExitFailedAtExit;
        if (exitCode == ExitOk && !options.quit)
            exitCode = application.exec();
        if (exitCode != ExitBadStart && !SavePlotFiles(window, session, images, tables) && exitCode == ExitOk)
            exitCode = ExitFailedAtExit;

        // Editors go before anything is saved: their documents, views and
        // host references go with them, while the module's code is still there.
        window.CloseAllEditors();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    if (!options.saveOnExitPath.isEmpty()) {
        if (SaveModelFile(options.saveOnExitPath, session.CurrentModel(), error))
            Say(QStringLiteral("Saved the model to %1").arg(options.saveOnExitPath));
        else {
            Report(error);
            if (exitCode == ExitOk)
                exitCode = ExitFailedAtExit;
        }
    }
    return exitCode;
}

} // namespace

int RunWorkbench(QApplication& application)
{
    WorkbenchOptions options;
    QString message;
    switch (ParseCommandLine(QApplication::arguments(), options, message)) {
    case CommandLineResult::Exit:
        Say(message);
        return ExitOk;
    case CommandLineResult::Error:
        Report(message);
        return ExitBadStart;
    case CommandLineResult::Run:
        break;
    }
    int exitCode = Run(application, options);
    QString error;
    if (!CallLog::Instance().CloseFile(&error)) {
        Report(error);
        if (exitCode == ExitOk)
            exitCode = ExitFailedAtExit;
    }
    return exitCode;
}

#include "workbench/app/samplemodel.h"

#include <QFile>

// Qt resources of a static library must be registered by hand, outside any namespace.
static void InitWorkbenchResources()
{
    Q_INIT_RESOURCE(workbench);
}

QByteArray SampleModelText()
{
    InitWorkbenchResources();
    QFile file(QStringLiteral(":/workbench/samplemodel.json"));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString SampleModelFolder()
{
    InitWorkbenchResources();
    return QStringLiteral(":/workbench");
}

bool ReadSampleModel(WorkbenchModel& model, QString& error, ResultsSource* results)
{
    ResultsSource beside;
    ResultsSource& source = results ? *results : beside;
    source.folder = SampleModelFolder();
    return ReadModelFile(SampleModelText(), model, error, &source);
}

QString SampleModelName()
{
    return QStringLiteral("the built-in sample model");
}

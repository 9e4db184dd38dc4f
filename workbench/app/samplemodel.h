#pragma once

// The sample process model built into the workbench: a distillation column, a
// tubular reactor with its cooling jacket and a heat exchanger, with profile
// plots of every kind.

#include "workbench/model/modelfile.h"

#include <QByteArray>
#include <QString>

// The text of the sample model file.
QByteArray SampleModelText();
// The folder the sample's results file is read from (a resource folder).
QString SampleModelFolder();
// The sample read with its results file; `results` (when given) is told
// about columns passed over.
bool ReadSampleModel(WorkbenchModel& model, QString& error, ResultsSource* results = nullptr);
// What error messages call it.
QString SampleModelName();

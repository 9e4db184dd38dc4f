#pragma once

// The sample process model built into the workbench: a distillation column, a
// tubular reactor with its cooling jacket and a heat exchanger, with profile
// plots of every kind.

#include <QByteArray>
#include <QString>

// The text of the sample model file.
QByteArray SampleModelText();
// What error messages call it.
QString SampleModelName();

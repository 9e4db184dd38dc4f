#pragma once

// A plot definition as JSON, the form in which the workbench's model file holds
// it. Profiles are records; the parallel arrays are computed on the way in and
// out. Every key is optional (a missing one keeps PlotDefinition's default):
//
//   {
//     "is3DPlot": 0,                      integer (or true/false), nonzero = 3-d
//     "yAxisIsTime": 1,                   integer (or true/false)
//     "xAxis": {"name": "Height", "variables": ["B1.Z(*)"]},
//     "yAxis": {"name": "", "variables": []},
//     "plotted": [
//       {"name": "Temperatures", "dimension": 1, "variables": ["B1.T(1)", "B1.T(2)"]}
//     ],
//     "unassigned": [ ...profiles as for "plotted"... ],
//     "maxTimePoints": 10,
//     "timeMode": 1,                      0 continuous, 1 specified times, 2 interval
//     "timeEntries": ["0", "1.5"]         texts, as the host object holds them
//   }
//
// A group whose arrays disagree (as a host object may hold after a careless
// write) cannot be split into profiles; it is written, and may be read, as its
// arrays: "plotted": {"names": [...], "dimensions": [...], "counts": [...],
// "variables": [...]}. So every definition survives the round trip.
//
// Unknown keys, wrong types and out-of-range numbers are refused with a text
// that names the place, e.g. "plotted[1].dimension: expected a whole number
// from 0 to 4294967295, found a string".

#include "hostlib/plotdefinition.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

QJsonObject PlotDefinitionToJson(const PlotDefinition& definition);

// Reads `json` into `definition`. On failure returns false, sets `error` and
// leaves `definition` as it was.
bool PlotDefinitionFromJson(const QJsonValue& json, PlotDefinition& definition, QString& error);

// The same from JSON text; syntax errors name the line and column.
bool PlotDefinitionFromJsonText(const QByteArray& text, PlotDefinition& definition, QString& error);

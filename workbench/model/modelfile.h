#pragma once

// The workbench's model file: JSON holding the blocks with their variables and
// the profile plots with their complete definitions.
//
//   {
//     "blocks": [
//       {"path": "Column", "variables": [
//         {"name": "T", "extents": [20], "widenable": true},
//         {"name": "x", "extents": [20, 3]},
//         {"name": "R"}
//       ]}
//     ],
//     "plots": [
//       {"name": "Column temperatures", "owner": "Column",
//        "context": "Column.TemperaturePlot", "access": "direct",
//        "definition": { ...as PlotDefinitionToJson writes it... }}
//     ],
//     "results": "run1.csv"
//   }
//
// "results" names a results file (resultsfile.h), relative to the model
// file's folder (the model holds its absolute path; saving writes it relative
// to the saved file's folder, a resource path as it is): its blocks and variables come first, the blocks the model
// file lists are added to them (to a block of the same path, their variables
// are added), and its values are given values. A model file with "results"
// may leave out "blocks". Only the model file's own blocks and values are
// written back, with the reference.
//
// A variable without "extents" is a scalar; "widenable" (one-subscript arrays
// only) gives it the host attribute 0x400000. A plot's "access" is "direct"
// (the edited object grants IProfilePlotData) or "host" (it grants only
// IProfilePlotHost); its time mode is the definition's "timeMode".
//
// Reading refuses, with a message naming the place, anything that does not
// fit: JSON syntax (with line and column), unknown keys, wrong types, invalid
// or duplicate block and variable names, a plot without a unique name, an
// owner that is no block, an unknown access. Whether a definition is one the
// editor would accept is a separate question (plotcheck.h): a file written
// after any edit must load again.

#include "workbench/model/workbenchmodel.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

// Where a model's results file is found.
struct ResultsSource {
    QString folder; // where a relative reference points: the model file's folder
    QString replacement; // when set, read this file in place of the model's reference
    QString note; // after reading: what to tell about the columns passed over, or empty
};

// Reads `text` into `model`. On failure returns false with `error` set and
// leaves `model` as it was. Without `results`, a model that refers to a
// results file is refused.
bool ReadModelFile(const QByteArray& text, WorkbenchModel& model, QString& error, ResultsSource* results = nullptr);
// The same read as one JSON document, without the direct reading of the text
// that ReadModelFile tries first: what every refusal's message comes from,
// and what tests compare the direct reading with.
bool ReadModelFileAsOneDocument(
    const QByteArray& text, WorkbenchModel& model, QString& error, ResultsSource* results = nullptr);
// The model as JSON text, indented; ReadModelFile gives back an equal model.
QByteArray WriteModelFile(const WorkbenchModel& model);
// The same text written to `device` as it is made, through a small buffer,
// never as a whole in memory; the results reference relative to `folder`
// when one is given. False when a write failed.
bool WriteModelFile(const WorkbenchModel& model, QIODevice& device, const QString& folder = QString());

// `model` with the results file at `path` in place of the one it refers to
// (or added, when it has none), as if its model file named that file: its own
// blocks, values and plots are kept and checked against the new results. On
// failure returns false with `error` set and leaves `model` as it was.
bool ReplaceResults(WorkbenchModel& model, const QString& path, QString& error, ResultsSource& results);

// The most a model file may hold: 512 MiB. Reading a model takes a few times
// its size in memory: the text, and the model stored compactly.
inline constexpr qint64 ModelFileSizeLimit = qint64(512) << 20;

// The same on files; errors name the file. Refuses what is not a regular file
// (a device or a pipe) and a file larger than `sizeLimit` bytes. A results
// reference is read beside the file (`results->folder` is set here).
bool LoadModelFile(const QString& path, WorkbenchModel& model, QString& error, qint64 sizeLimit = ModelFileSizeLimit,
    ResultsSource* results = nullptr);
// Whether the model can be saved to `path`: it is a regular file or nothing,
// and a new file can be made in its folder. False with the reason otherwise.
bool CheckModelSaveTarget(const QString& path, QString& error);
// Checked as above, then written to a temporary file first and renamed, so a
// failed write never leaves half a model behind.
bool SaveModelFile(const QString& path, const WorkbenchModel& model, QString& error);

#pragma once

// Results files: what a simulator exports, one column per variable and one
// row per time, as delimited text (delimitedtext.h).
//
//   time,Column.T(1),Column.T(2),"Column.x(1,1)",tank.level,der(x)
//   0,350.1,351.2,0.5,1.2,0
//   10,350.4,,0.52,1.19,0.1
//
// The first column is the time in seconds, named "time" in any case; times
// must not decrease, and of rows with the same time the later one wins. The
// other columns name variables in the forms resultsnames.h reads; a name
// without a block path goes into the file's own block, and a name that is no
// variable path is passed over. The variables' extents are the largest
// subscripts seen; an element no column gives has no values. An empty cell
// or "nan" is a missing value.
//
// Faults refuse the whole file with "line L, column C: ...": a row with more
// or fewer cells than the header, a cell that is not a number, a missing or
// decreasing time, a column named twice, a subscript of 0 or above 1,000,000,
// an empty file, a file without a header or without rows.

#include "hostlib/hostmodel.h"
#include "workbench/model/givenvalues.h"

#include <QIODevice>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

#include <vector>

Q_DECLARE_LOGGING_CATEGORY(lcResults) // "pe.workbench.results"

// What a results file defines: blocks with their variables, and each
// variable's values over the file's times (one times array shared by all).
struct ResultsData {
    HostModel blocks;
    std::vector<GivenValues> values;
    size_t skippedCount = 0; // columns whose names are no variable paths
    QStringList firstSkipped; // the first few of them
};

// Reads the results text of `device` from its start, in chunks; names without
// a block path go into the block `ownBlock`. A device that can seek is read
// twice (first only counting its lines), so that the values take little more
// memory than their count in doubles. A variable `described` holds with the
// same extents takes its attributes from there (results cannot say that an
// array is widenable). On failure returns false with `error` set and leaves
// `out` as it was.
bool ReadResults(
    QIODevice& device, const CString& ownBlock, ResultsData& out, QString& error, const HostModel* described = nullptr);
// The same on a file; the file's own block is its base name ("run1" for
// "run1.csv"). Errors name the file. Refuses what is not a regular file.
bool LoadResultsFile(const QString& path, ResultsData& out, QString& error, const HostModel* described = nullptr);
// What to tell about the columns passed over ("2 columns are no variable
// paths and were passed over: ..."); empty when there were none.
QString SkippedColumnsNote(const ResultsData& results);

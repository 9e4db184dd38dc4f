#pragma once

// The process model the workbench shows: blocks with their variables, and the
// model's profile plots with their definitions. A plain value, read from and
// written to the model file. The blocks are a HostModel, whose copies share
// one store: the session, the host's registry and the views hold the model
// once however large it is.

#include "hostlib/hostmodel.h"
#include "hostlib/plotdefinition.h"
#include "workbench/model/givenvalues.h"

#include <QString>

#include <string>
#include <vector>

// How the editor reaches a plot's definition: the edited object grants
// IProfilePlotData itself, or only IProfilePlotHost (which also gives the
// time mode).
enum class PlotAccess { Direct, Host };

struct ModelPlot {
    CString name; // unique in the model: "Column temperatures"
    CString owner; // the path of the block that owns the plot
    CString contextName; // "Column.TemperaturePlot"
    PlotAccess access = PlotAccess::Direct;
    PlotDefinition definition;
};

struct WorkbenchModel {
    // In file order, each with its variables in file order: those of the
    // results file first, then those the model file lists.
    HostModel blocks;
    std::vector<ModelPlot> plots;
    // Variables whose values are given: the results file's first, then the model file's.
    std::vector<GivenValues> values;
    // The absolute path of the results file the model refers to, or empty.
    QString results;
    // With a results file: the blocks the model file itself lists, and how
    // many of `values` come from the results file. What is saved.
    HostModel listedBlocks;
    size_t resultsValueCount = 0;

    // The plot named exactly `name`, or null.
    const ModelPlot* FindPlot(const CString& name) const;
    int PlotIndex(const CString& name) const; // -1 when there is none
};

bool operator==(const ModelPlot& a, const ModelPlot& b);
bool operator==(const WorkbenchModel& a, const WorkbenchModel& b);
inline bool operator!=(const WorkbenchModel& a, const WorkbenchModel& b)
{
    return !(a == b);
}

// Makes `registry` hold the blocks and variables of `model` (sharing its
// store). Always true: the model's blocks were checked as they were added;
// `error` is kept for callers that handle a refusal.
bool FillHostModel(const WorkbenchModel& model, HostModel& registry, QString* error);

// "T(*)", "x(*,*)" or "R": variable `index` of `block` as a whole.
std::string WholeVariableName(const HostModel::Block& block, size_t index);
// "Column.T(*)", "Column.x(*,*)" or "Column.R": the full path of variable `index` of `block` as a whole.
CString WholeVariablePath(const HostModel::Block& block, size_t index);

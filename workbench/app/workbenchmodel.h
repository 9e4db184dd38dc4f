#pragma once

// The process model the workbench shows: blocks with their variables, and the
// model's profile plots with their definitions. A plain value, read from and
// written to the model file.

#include "workbench/hostlib/hostmodel.h"
#include "workbench/hostlib/plotdefinition.h"

#include <QString>

#include <vector>

// How the editor reaches a plot's definition: the edited object grants
// IProfilePlotData itself, or only IProfilePlotHost (which also gives the
// time mode).
enum class PlotAccess { Direct, Host };

struct ModelBlock {
    CString path; // "Column", "Reactor.Jacket"
    std::vector<HostModel::Variable> variables; // in file order
};

struct ModelPlot {
    CString name; // unique in the model: "Column temperatures"
    CString owner; // the path of the block that owns the plot
    CString contextName; // "Column.TemperaturePlot"
    PlotAccess access = PlotAccess::Direct;
    PlotDefinition definition;
};

struct WorkbenchModel {
    std::vector<ModelBlock> blocks;
    std::vector<ModelPlot> plots;

    // The plot named exactly `name`, or null.
    const ModelPlot* FindPlot(const CString& name) const;
    int PlotIndex(const CString& name) const; // -1 when there is none
};

bool operator==(const HostModel::Variable& a, const HostModel::Variable& b);
bool operator==(const ModelBlock& a, const ModelBlock& b);
bool operator==(const ModelPlot& a, const ModelPlot& b);
bool operator==(const WorkbenchModel& a, const WorkbenchModel& b);
inline bool operator!=(const WorkbenchModel& a, const WorkbenchModel& b)
{
    return !(a == b);
}

// Fills `registry` (emptied first) with the blocks and variables of `model`.
// False, with the reason, when a block or variable is refused.
bool FillHostModel(const WorkbenchModel& model, HostModel& registry, QString* error);

// "T(*)", "x(*,*)" or "R": a variable as a whole.
CString WholeVariableName(const HostModel::Variable& variable);

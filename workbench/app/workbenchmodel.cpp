#include "workbench/app/workbenchmodel.h"

const ModelPlot* WorkbenchModel::FindPlot(const CString& name) const
{
    const int index = PlotIndex(name);
    return index < 0 ? nullptr : &plots[static_cast<size_t>(index)];
}

int WorkbenchModel::PlotIndex(const CString& name) const
{
    for (size_t i = 0; i < plots.size(); ++i) {
        if (plots[i].name == name)
            return static_cast<int>(i);
    }
    return -1;
}

bool operator==(const HostModel::Variable& a, const HostModel::Variable& b)
{
    return a.name == b.name && a.attributes == b.attributes && a.extents == b.extents;
}

bool operator==(const ModelBlock& a, const ModelBlock& b)
{
    return a.path == b.path && a.variables == b.variables;
}

bool operator==(const ModelPlot& a, const ModelPlot& b)
{
    return a.name == b.name && a.owner == b.owner && a.contextName == b.contextName && a.access == b.access
        && a.definition == b.definition;
}

bool operator==(const WorkbenchModel& a, const WorkbenchModel& b)
{
    return a.blocks == b.blocks && a.plots == b.plots;
}

bool FillHostModel(const WorkbenchModel& model, HostModel& registry, QString* error)
{
    registry.Clear();
    for (const ModelBlock& block : model.blocks) {
        if (!registry.AddBlock(block.path, error))
            return false;
        for (const HostModel::Variable& variable : block.variables) {
            if (!registry.AddVariable(block.path, variable, error))
                return false;
        }
    }
    return true;
}

CString WholeVariableName(const HostModel::Variable& variable)
{
    if (variable.extents.empty())
        return variable.name;
    std::string text = variable.name.str() + "(";
    for (size_t i = 0; i < variable.extents.size(); ++i)
        text += i == 0 ? "*" : ",*";
    return CString(text + ")");
}

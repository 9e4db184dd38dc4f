#include "workbench/model/workbenchmodel.h"

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

bool operator==(const ModelPlot& a, const ModelPlot& b)
{
    return a.name == b.name && a.owner == b.owner && a.contextName == b.contextName && a.access == b.access
        && a.definition == b.definition;
}

bool operator==(const WorkbenchModel& a, const WorkbenchModel& b)
{
    return a.blocks == b.blocks && a.plots == b.plots && a.values == b.values && a.results == b.results
        && a.resultsValueCount == b.resultsValueCount && (a.results.isEmpty() || a.listedBlocks == b.listedBlocks);
}

bool FillHostModel(const WorkbenchModel& model, HostModel& registry, QString* /*error*/)
{
    registry = model.blocks;
    return true;
}

std::string WholeVariableName(const HostModel::Block& block, size_t index)
{
    std::string text(block.NameAt(index));
    const size_t subscripts = block.ExtentsAt(index).size();
    for (size_t i = 0; i < subscripts; ++i)
        text += i == 0 ? "(*" : ",*";
    if (subscripts > 0)
        text += ')';
    return text;
}

CString WholeVariablePath(const HostModel::Block& block, size_t index)
{
    return CString(block.path.str() + "." + WholeVariableName(block, index));
}

#include "workbench/model/modelsession.h"

#include "workbench/model/plotcheck.h"

#include <map>

bool ModelSession::Start(const WorkbenchModel& model, QString* error)
{
    HostModel& registry = HostModel::Shared();
    if (!FillHostModel(model, registry, error)) {
        registry.Clear();
        return false;
    }
    m_model = model;
    m_plots.clear();
    m_plots.reserve(model.plots.size());
    // One owner object per block, shared by the block's plots.
    std::map<std::string, CComPtr<ModelObject>> owners;
    for (const ModelPlot& plot : model.plots) {
        const HostModel::Block* block = registry.FindBlock(plot.owner);
        const CString ownerPath = block ? block->path : plot.owner;
        CComPtr<ModelObject>& owner = owners[ownerPath.str()];
        if (!owner)
            owner = ModelObject::Create(ownerPath);

        PlotObjects objects;
        objects.owner = owner;
        const QString name = plot.name.ToQString();
        objects.data
            = ProfilePlotDataObject::Create(QStringLiteral("plot:") + name, plot.definition, owner->Identity());
        if (plot.access == PlotAccess::Host)
            objects.host = ProfilePlotHostObject::Create(QStringLiteral("plothost:") + name, objects.data.get());
        objects.problems = PlotProblems(plot, registry);
        m_plots.push_back(std::move(objects));
    }
    return true;
}

IUnknown* ModelSession::EditedObject(int index) const
{
    const PlotObjects& objects = m_plots.at(static_cast<size_t>(index));
    if (objects.host)
        return objects.host->Identity();
    return objects.data->Identity();
}

ProfilePlotDataObject* ModelSession::PlotData(int index) const
{
    return m_plots.at(static_cast<size_t>(index)).data.get();
}

ProfilePlotHostObject* ModelSession::PlotHost(int index) const
{
    return m_plots.at(static_cast<size_t>(index)).host.get();
}

IUnknown* ModelSession::OwnerObject(int index) const
{
    return m_plots.at(static_cast<size_t>(index)).owner->Identity();
}

const QStringList& ModelSession::LoadProblems(int index) const
{
    return m_plots.at(static_cast<size_t>(index)).problems;
}

WorkbenchModel ModelSession::CurrentModel() const
{
    WorkbenchModel current = m_model;
    for (size_t i = 0; i < m_plots.size(); ++i)
        current.plots[i].definition = m_plots[i].data->definition();
    return current;
}

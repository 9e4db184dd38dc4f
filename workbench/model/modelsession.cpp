#include "workbench/model/modelsession.h"

#include "workbench/model/plotcheck.h"

bool ModelSession::Start(const WorkbenchModel& model, QString* error)
{
    HostModel& registry = HostModel::Shared();
    if (!FillHostModel(model, registry, error)) {
        registry.Clear();
        return false;
    }
    m_model = model;
    m_plots.clear();
    m_owners.clear();
    m_plots.reserve(model.plots.size());
    for (const ModelPlot& plot : model.plots)
        MakeObjects(plot);
    return true;
}

void ModelSession::MakeObjects(const ModelPlot& plot)
{
    const HostModel& registry = HostModel::Shared();
    const HostModel::Block* block = registry.FindBlock(plot.owner);
    const CString ownerPath = block ? block->path : plot.owner;
    CComPtr<ModelObject>& owner = m_owners[ownerPath.str()];
    if (!owner)
        owner = ModelObject::Create(ownerPath);

    PlotObjects objects;
    objects.owner = owner;
    const QString name = plot.name.ToQString();
    objects.data = ProfilePlotDataObject::Create(QStringLiteral("plot:") + name, plot.definition, owner->Identity());
    if (plot.access == PlotAccess::Host)
        objects.host = ProfilePlotHostObject::Create(QStringLiteral("plothost:") + name, objects.data.get());
    objects.problems = PlotProblems(plot, registry);
    m_plots.push_back(std::move(objects));
}

bool ModelSession::AddPlot(const ModelPlot& plot, QString* error)
{
    QString reason;
    if (!IsPrintableName(plot.name.str()))
        reason = QStringLiteral("a plot needs a name that is not blank and holds no control characters");
    else if (m_model.PlotIndex(plot.name) >= 0)
        reason = QStringLiteral("a plot named \"%1\" exists already").arg(plot.name.ToQString());
    else if (!m_model.blocks.FindBlock(plot.owner))
        reason = QStringLiteral("there is no block \"%1\"").arg(plot.owner.ToQString());
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        return false;
    }
    m_model.plots.push_back(plot);
    MakeObjects(plot);
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

#pragma once

// The host side of a loaded model: the shared variable registry filled from
// it, one owner object per block, and per plot its plot-definition object
// (and, for access "host", the plot host over it). The host objects live as
// long as the session, across any number of editor openings, so a definition
// written by one editor is what the next one reads and what is saved.

#include "hostlib/modelobject.h"
#include "hostlib/profileplotdataobject.h"
#include "hostlib/profileplothostobject.h"
#include "workbench/model/workbenchmodel.h"

#include <QString>
#include <QStringList>

#include <map>
#include <string>
#include <vector>

class ModelSession {
public:
    // Fills HostModel::Shared() from `model`; false with the reason when the
    // model cannot be registered (a model read by ReadModelFile always can).
    bool Start(const WorkbenchModel& model, QString* error);

    const WorkbenchModel& model() const { return m_model; }
    int plotCount() const { return static_cast<int>(m_plots.size()); }
    const ModelPlot& plot(int index) const { return m_model.plots[static_cast<size_t>(index)]; }

    // The object an editor on plot `index` edits: the plot host for access
    // "host", else the plot-definition object. No reference is given.
    IUnknown* EditedObject(int index) const;
    ProfilePlotDataObject* PlotData(int index) const;
    ProfilePlotHostObject* PlotHost(int index) const; // null for access "direct"
    IUnknown* OwnerObject(int index) const;

    // What the checks say about plot `index` as it was loaded.
    const QStringList& LoadProblems(int index) const;

    // Adds `plot` (its owner a block of the model, its name not blank and not
    // taken) with host objects of its own; false with the reason otherwise.
    bool AddPlot(const ModelPlot& plot, QString* error);

    // The model with every plot's definition as its host object holds it now.
    WorkbenchModel CurrentModel() const;

private:
    struct PlotObjects {
        CComPtr<ProfilePlotDataObject> data;
        CComPtr<ProfilePlotHostObject> host;
        CComPtr<ModelObject> owner;
        QStringList problems;
    };

    void MakeObjects(const ModelPlot& plot);

    WorkbenchModel m_model;
    std::vector<PlotObjects> m_plots;
    // One owner object per block, shared by the block's plots.
    std::map<std::string, CComPtr<ModelObject>> m_owners;
};

#pragma once

// The definition between the host's plot-definition object and the form:
// the host objects the edited object gives, loading when the view opens and
// reloading when the host asks, the checks before a write and the write.
//
// Owns: the host's plot-definition object, the plot host (with the host's
// time modes) and the owner object, and the context name.
// Asks: the profiles panel, the plot assignment, the plot type and the time
// page to show what was read and to give what is written.

#include "host/interfaces/profileplotdata.h"
#include "host/interfaces/profileplothost.h"
#include "model/plotrules.h"
#include "platform/core/collections.h"
#include "platform/core/cstring.h"

#include <memory>

class FormAccess;
class PlotAssignment;
class PlotTypeChoice;
class ProfilesPanel;
class TimeSettingsPage;
struct tag_VarnelViewContext;

class DefinitionExchange {
public:
    DefinitionExchange(const FormAccess& form, ProfilesPanel& profiles, PlotAssignment& assignment,
        PlotTypeChoice& plotType, TimeSettingsPage& timePage);
    ~DefinitionExchange();
    DefinitionExchange(const DefinitionExchange&) = delete;
    DefinitionExchange& operator=(const DefinitionExchange&) = delete;

    // Takes the context's name and asks its edited object for the host
    // objects; false when the time page has nothing to show (no plot host).
    bool ObtainHostObjects(const tag_VarnelViewContext* context);
    // False when the edited object gave no plot-definition object.
    bool HasDefinition() const { return m_plotData != nullptr; }
    const CString& ContextName() const { return m_contextName; }
    IUnknown* Owner() const { return m_owner; }

    void LoadDefinition();
    // Empties the form and reads the definition again.
    void ReloadDefinition();
    // 1 when the form may be written; otherwise the first broken rule is told, and 0.
    int ValidateDefinition();
    int ClassifyPlotProfiles() const;
    void ApplyDefinition();
    // Tells the plot host (if any) that the editor closes.
    void NotifyEditorClosing();
    // The owner's path and the context name, as the written hint names them.
    CStringArray WrittenObjectNames() const;

private:
    void LoadProfiles();
    void LoadTimeSettings();
    void ReportLoadError(const char* what);
    PlotLayout CurrentLayout() const;

    const FormAccess& m_form;
    ProfilesPanel& m_profiles;
    PlotAssignment& m_assignment;
    PlotTypeChoice& m_plotType;
    TimeSettingsPage& m_timePage;
    IProfilePlotHost* m_plotHost = nullptr;
    IProfilePlotData* m_plotData = nullptr;
    IUnknown* m_owner = nullptr;
    CString m_contextName;
};

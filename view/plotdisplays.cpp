// The plot assignment's displays of the profiles' roles: the axis fields and
// the plot list, kept in step with the profile set, and their set-up.

#include "view/plotassignment.h"

#include "controls/listboxexbuddy.h"
#include "platform/docview/formview.h"
#include "platform/drawing/bitmap.h"
#include "resources/bitmaps.h"
#include "resources/editorresources.h"
#include "resources/formcontrolids.h"
#include "view/formaccess.h"

#include <algorithm>

using namespace FormControl;

namespace {

// The first plot-list entry, from the top, that carries `key`; -1 for none.
int FindPlotEntry(const CListBox& plotList, int key)
{
    for (int i = 0; i < plotList.GetCount(); ++i) {
        if (static_cast<uint16_t>(plotList.GetItemData(i)) == static_cast<uint16_t>(key))
            return i;
    }
    return -1;
}

} // namespace

PlotAssignment::PlotAssignment(const FormAccess& form, ProfilesPanel& profiles, const PlotTypeChoice& plotType)
    : m_form(form), m_profiles(profiles), m_plotType(plotType)
{
}

PlotAssignment::~PlotAssignment()
{
    // The strip first: it points into the list.
    m_plotStrip.reset();
}

void PlotAssignment::Bind(CDataExchange* pDX)
{
    DDX_Control(pDX, FormControl::PlotList, m_plotList);
    DDX_Control(pDX, YAxisField, m_yAxisField);
    DDX_Control(pDX, XAxisField, m_xAxisField);
}

void PlotAssignment::CreateStrip()
{
    m_plotStrip = m_form.MakeStrip(PlotStrip, IDB_PLOT_STRIP, {"Remove Profile", "Move Up", "Move Down"}, &m_plotList);
}

void PlotAssignment::SetClearButtonBitmaps()
{
    for (auto [button, id] :
        {std::pair {&m_clearXAxisButton, ClearXAxis}, std::pair {&m_clearYAxisButton, ClearYAxis}}) {
        if (!button->GetSafeHwnd())
            button->SubclassDlgItem(id, &m_form.Window());
        button->SetBitmap(LoadImageBitmap(&EditorResourceModule(), IDB_CLEAR, LR_DEFAULTCOLOR));
    }
}

void PlotAssignment::ShowAssignedProfile(CSUPEProfile* profile, bool newlyAdded)
{
    switch (ShownRole(profile->role)) {
    case ProfileRole::XAxis:
        m_xAxisField.SetWindowText(profile->name);
        m_xAxisKey = profile->key;
        break;
    case ProfileRole::Plotted: {
        // A profile that has just got its key cannot have an entry yet: the
        // search would only make a long load quadratic.
        const int entry = newlyAdded ? -1 : FindPlotEntry(m_plotList, profile->key);
        if (entry >= 0) {
            const DWORD_PTR data = m_plotList.GetItemData(entry);
            m_plotList.DeleteString(entry);
            m_plotList.InsertString(entry, profile->name);
            m_plotList.SetItemData(entry, data);
        } else {
            const int added = m_plotList.AddString(profile->name);
            m_plotList.SetItemData(added, static_cast<DWORD_PTR>(profile->key));
        }
        break;
    }
    case ProfileRole::YAxis:
        m_yAxisField.SetWindowText(profile->name);
        m_yAxisKey = profile->key;
        break;
    case ProfileRole::Unassigned:
        break;
    }
}

void PlotAssignment::UnassignProfile(CSUPEProfile* profile)
{
    switch (ShownRole(profile->role)) {
    case ProfileRole::XAxis:
        m_xAxisField.SetWindowText("");
        m_xAxisKey = -1;
        break;
    case ProfileRole::Plotted:
        if (const int entry = FindPlotEntry(m_plotList, profile->key); entry >= 0)
            m_plotList.DeleteString(entry);
        break;
    case ProfileRole::YAxis:
        m_yAxisField.SetWindowText("");
        m_yAxisKey = -1;
        break;
    case ProfileRole::Unassigned:
        break;
    }
}

void PlotAssignment::ClearAll()
{
    m_xAxisField.SetWindowText("");
    m_xAxisKey = -1;
    m_yAxisField.SetWindowText("");
    m_yAxisKey = -1;
    m_plotList.ResetContent();
}

std::vector<int> PlotAssignment::PlotKeys() const
{
    std::vector<int> keys;
    const int count = m_plotList.GetCount();
    keys.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int entry = 0; entry < count; ++entry)
        keys.push_back(static_cast<int>(m_plotList.GetItemData(entry)));
    return keys;
}

// The checks Apply and OK run before writing: the plot rules of the profiles
// and roles, then the time fields. The first broken rule is told in a box.

#include "view/definitionexchange.h"

#include "platform/windows/messagebox.h"
#include "view/formaccess.h"
#include "view/plotassignment.h"
#include "view/plottypechoice.h"
#include "view/profilespanel.h"
#include "view/timesettingspage.h"

PlotLayout DefinitionExchange::CurrentLayout() const
{
    return PlotLayout {m_profiles.Profiles(), m_assignment.XAxisKey(), m_assignment.YAxisKey(), m_assignment.PlotKeys(),
        m_plotType.Is2DPlot(), m_plotType.YAxisIsTime()};
}

int DefinitionExchange::ClassifyPlotProfiles() const
{
    return ::ClassifyPlotProfiles(CurrentLayout());
}

int DefinitionExchange::ValidateDefinition()
{
    if (!m_timePage.CheckFocusedTimeField())
        return 0;
    const CString violation = PlotRuleViolation(CurrentLayout());
    if (!violation.IsEmpty()) {
        MessageBeep(MB_OK);
        m_form.ShowMessage(violation, MB_OK | MB_ICONEXCLAMATION | MB_TOPMOST);
        return 0;
    }
    return m_timePage.ValidateTimeFields() ? 1 : 0;
}

// The 2-d/3-d and y-axis choices and the rule they share with the time page.

#include "view/plottypechoice.h"

#include "resources/formcontrolids.h"
#include "view/formaccess.h"
#include "view/formhost.h"
#include "view/plotassignment.h"
#include "view/timesettingspage.h"

using namespace FormControl;

PlotTypeChoice::PlotTypeChoice(
    const FormAccess& form, IFormHost& host, PlotAssignment& assignment, TimeSettingsPage& timePage)
    : m_form(form), m_host(host), m_assignment(assignment), m_timePage(timePage)
{
}

void PlotTypeChoice::On2DPlot()
{
    if (m_form.IsChecked(Radio2DPlot)) {
        m_is2DPlot = 1;
        m_yAxisIsTime = 1;
        m_form.CheckRadio(RadioYAxisTime, true);
        m_form.CheckRadio(RadioYAxisProfile, false);
        m_assignment.ClearYAxisField();
        m_timePage.UpdateMaxTimePointsControls();
    } else {
        m_is2DPlot = 0;
    }
    m_host.PlotTypeChanged();
    m_timePage.UpdateMaxTimePointsControls();
}

void PlotTypeChoice::On3DPlot()
{
    m_is2DPlot = m_form.IsChecked(Radio3DPlot) ? 0 : 1;
    m_host.PlotTypeChanged();
    m_timePage.UpdateMaxTimePointsControls();
}

void PlotTypeChoice::OnYAxisIsTime()
{
    if (m_form.IsChecked(RadioYAxisTime)) {
        m_yAxisIsTime = 1;
        m_assignment.ClearYAxisField();
        m_timePage.UpdateMaxTimePointsControls();
    }
}

void PlotTypeChoice::OnYAxisIsProfile()
{
    if (m_form.IsChecked(RadioYAxisProfile)) {
        m_yAxisIsTime = 0;
        m_timePage.UpdateMaxTimePointsControls();
    }
}

void PlotTypeChoice::ShowPlotType(bool is3DPlot)
{
    m_is2DPlot = is3DPlot ? 0 : 1;
    if (m_is2DPlot) {
        m_form.CheckRadio(Radio2DPlot, true);
        On2DPlot();
    } else {
        m_form.CheckRadio(Radio3DPlot, true);
        On3DPlot();
    }
}

void PlotTypeChoice::ShowYAxisIsTime(int32_t yAxisIsTime)
{
    m_yAxisIsTime = yAxisIsTime;
    m_form.CheckRadio(m_yAxisIsTime ? RadioYAxisTime : RadioYAxisProfile, true);
}

void PlotTypeChoice::CheckOneYAxisRadio()
{
    if (!m_form.IsChecked(RadioYAxisTime) && !m_form.IsChecked(RadioYAxisProfile))
        m_form.CheckRadio(m_yAxisIsTime ? RadioYAxisTime : RadioYAxisProfile, true);
}

// The tab pages and the plot type: which controls each page shows, and the
// 2-d/3-d and y-axis choices with the rule they share with the time page.

#include "view/profileeditorview.h"

#include "resources/formcontrolids.h"

using namespace FormControl;
using namespace FormControlList;

void CSUProfileEditorView::OnPageChange(const NMHDR* /*header*/)
{
    m_currentPage = m_tabs.GetCurSel();
    UpdatePageControls();
}

void CSUProfileEditorView::UpdatePageControls()
{
    if (m_currentPage == 0 && m_is2DPlot) {
        EnableControls(YAxisIds, false);
        ShowControls(TimePageIds, false);
        ShowControls(ProfilesPageIds, true);
        ShowControls(YAxisIds, true);
        EnableControls(ProfilesPageIds, true);
    } else if (m_currentPage == 0) {
        ShowControls(ProfilesPageIds, true);
        ShowControls(TimePageIds, false);
        ShowControls(YAxisIds, true);
        EnableControls(ProfilesPageIds, true);
        EnableControls(YAxisIds, true);
    } else if (m_currentPage == 1) {
        ShowControls(ProfilesPageIds, false);
        ShowControls(YAxisIds, false);
        ShowControls(TimePageIds, true);
    }
}

void CSUProfileEditorView::On2DPlot()
{
    if (IsChecked(Radio2DPlot)) {
        m_is2DPlot = 1;
        m_yAxisIsTime = 1;
        CheckRadio(RadioYAxisTime, true);
        CheckRadio(RadioYAxisProfile, false);
        ClearYAxisField();
        UpdateMaxTimePointsControls();
    } else {
        m_is2DPlot = 0;
    }
    if (m_currentPage == 0)
        UpdatePageControls();
    UpdateMaxTimePointsControls();
}

void CSUProfileEditorView::On3DPlot()
{
    m_is2DPlot = IsChecked(Radio3DPlot) ? 0 : 1;
    if (m_currentPage == 0)
        UpdatePageControls();
    UpdateMaxTimePointsControls();
}

void CSUProfileEditorView::OnYAxisIsTime()
{
    if (IsChecked(RadioYAxisTime)) {
        m_yAxisIsTime = 1;
        ClearYAxisField();
        UpdateMaxTimePointsControls();
    }
}

void CSUProfileEditorView::OnYAxisIsProfile()
{
    if (IsChecked(RadioYAxisProfile)) {
        m_yAxisIsTime = 0;
        UpdateMaxTimePointsControls();
    }
}

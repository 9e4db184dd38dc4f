// The page switch (which controls each tab page shows for the plot type) and
// the three buttons that end or commit the editing: Apply, OK and Cancel.

#include "view/profileeditorview.h"

#include "host/frame/profileeditorframe.h"
#include "host/services/kbaseapp.h"
#include "host/services/ksudocument.h"
#include "resources/formcontrolids.h"

using namespace FormControlList;

void CSUProfileEditorView::OnPageChange()
{
    m_currentPage = m_tabs.GetCurSel();
    UpdatePageControls();
}

void CSUProfileEditorView::UpdatePageControls()
{
    if (m_currentPage == 0 && m_plotType.Is2DPlot()) {
        m_form.EnableControls(YAxisIds, false);
        m_form.ShowControls(TimePageIds, false);
        m_form.ShowControls(ProfilesPageIds, true);
        m_form.ShowControls(YAxisIds, true);
        m_form.EnableControls(ProfilesPageIds, true);
    } else if (m_currentPage == 0) {
        m_form.ShowControls(ProfilesPageIds, true);
        m_form.ShowControls(TimePageIds, false);
        m_form.ShowControls(YAxisIds, true);
        m_form.EnableControls(ProfilesPageIds, true);
        m_form.EnableControls(YAxisIds, true);
    } else if (m_currentPage == 1) {
        m_form.ShowControls(ProfilesPageIds, false);
        m_form.ShowControls(YAxisIds, false);
        m_form.ShowControls(TimePageIds, true);
    }
}

void CSUProfileEditorView::OnApply()
{
    if (m_definition.ValidateDefinition())
        m_definition.ApplyDefinition();
}

void CSUProfileEditorView::OnOk()
{
    CDocument* document = CKBaseApp::GetCurrentDocument();
    if (m_definition.ValidateDefinition()) {
        m_definition.ApplyDefinition();
        m_definition.NotifyEditorClosing();
        CStringArray written = m_definition.WrittenObjectNames();
        // The view is destroyed while the frame closes: from here on only the
        // document and the names are used. A document that closes with its
        // last frame is deleted only after this handler returns.
        if (CSUProfileEditorFrame* frame = m_frame)
            frame->SendMessage(WM_CLOSE);
        if (document)
            document->UpdateAllViews(nullptr, HINT_DEFINITION_WRITTEN, &written);
    }
    if (document)
        document->UpdateAllViews(nullptr, 0, nullptr);
}

void CSUProfileEditorView::OnCancel()
{
    // Leaving a time field by clicking Cancel runs Cancel before the click
    // does: the host hears of the closing once, and one close is posted.
    if (IsClosing())
        return;
    m_definition.NotifyEditorClosing();
    if (m_frame) {
        m_frame->SetClosing();
        m_frame->PostMessage(WM_CLOSE);
    }
}

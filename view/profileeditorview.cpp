#include "view/profileeditorview.h"

#include "controls/listboxexbuddy.h"
#include "host/frame/profileeditorframe.h"
#include "host/services/kbaseapp.h"
#include "host/services/ksudocument.h"
#include "host/services/viewcontext.h"
#include "platform/windows/waitcursor.h"
#include "resources/editorform.h"
#include "resources/formcontrolids.h"
#include "view/findvariables.h"
#include "view/viewlogging.h"

#include <QLabel>

#include <exception>
#include <iterator>

IMPLEMENT_DYNCREATE(CSUProfileEditorView, CAccessibleFormView)

using namespace FormControl;
using namespace FormControlList;

namespace {

using View = CSUProfileEditorView;

// The message map: which handler runs for which control and notification.
struct CommandEntry {
    UINT id;
    UINT code;
    void (*handler)(View& view);
};
struct NotifyEntry {
    UINT id;
    UINT code;
    void (*handler)(View& view, const NMHDR* header);
};

// Controls without a caption of their own and where their names come from.
constexpr AccessibleNameSource ControlNames[] = {
    {VariablesList, VariablesStrip, nullptr},
    {ProfilesList, ProfilesStrip, nullptr},
    {PlotList, PlotStrip, nullptr},
    {XAxisField, XAxisLabel, nullptr},
    {YAxisField, YAxisGroup, nullptr},
    {StartTimeField, StartTimeLabel, nullptr},
    {IntervalField, IntervalLabel, nullptr},
    {MaxTimePointsField, MaxTimePointsLabel, nullptr},
    {MaxTimePointsUpDown, MaxTimePointsLabel, nullptr},
    {TimesList, 0, "Times"},
    {TimesStrip, 0, "Times"},
    {Tabs, 0, "Pages"},
    {ClearXAxis, 0, "Clear X - axis profile"},
    {ClearYAxis, 0, "Clear Y - axis profile"},
};

} // namespace

// Declared here so that the tables may reach the private parts.
struct CSUProfileEditorView::MessageMap {
    static const CommandEntry Commands[];
    static const NotifyEntry Notifications[];
};

const CommandEntry CSUProfileEditorView::MessageMap::Commands[] = {
    {Radio2DPlot, BN_CLICKED, [](View& v) { v.m_plotType.On2DPlot(); }},
    {Radio3DPlot, BN_CLICKED, [](View& v) { v.m_plotType.On3DPlot(); }},
    {RadioYAxisTime, BN_CLICKED, [](View& v) { v.m_plotType.OnYAxisIsTime(); }},
    {RadioYAxisProfile, BN_CLICKED, [](View& v) { v.m_plotType.OnYAxisIsProfile(); }},
    {RadioContinuousUpdate, BN_CLICKED, [](View& v) { v.m_timePage.OnModeRadio(TimeMode::ContinuousUpdate); }},
    {RadioSpecifyTimes, BN_CLICKED, [](View& v) { v.m_timePage.OnModeRadio(TimeMode::SpecifyTimes); }},
    {RadioSpecifyInterval, BN_CLICKED, [](View& v) { v.m_timePage.OnModeRadio(TimeMode::SpecifyInterval); }},
    {ToXAxis, BN_CLICKED, [](View& v) { v.m_assignment.OnToXAxis(); }},
    {ToYAxis, BN_CLICKED, [](View& v) { v.m_assignment.OnToYAxis(); }},
    {ToPlot, BN_CLICKED, [](View& v) { v.m_assignment.OnToPlot(); }},
    {ClearXAxis, BN_CLICKED, [](View& v) { v.m_assignment.ClearXAxisField(); }},
    {ClearYAxis, BN_CLICKED, [](View& v) { v.m_assignment.ClearYAxisField(); }},
    {Apply, BN_CLICKED, [](View& v) { v.OnApply(); }},
    {Ok, BN_CLICKED, [](View& v) { v.OnOk(); }},
    {Cancel, BN_CLICKED, [](View& v) { v.OnCancel(); }},
    {StartTimeField, EN_KILLFOCUS, [](View& v) { v.m_timePage.OnStartTimeKillFocus(); }},
    {IntervalField, EN_KILLFOCUS, [](View& v) { v.m_timePage.OnIntervalKillFocus(); }},
    {FindVariables, BN_CLICKED,
        [](View& v) { ShowVariableFinder(v.m_definition.ContextName(), v.m_definition.Owner()); }},
};

const NotifyEntry CSUProfileEditorView::MessageMap::Notifications[] = {
    {Tabs, TCN_SELCHANGE, [](View& v, const NMHDR*) { v.OnPageChange(); }},
    {ProfilesList, LVN_ITEMCHANGED, [](View& v, const NMHDR* h) { v.m_profilesPanel.OnItemChanged(h); }},
    {TimesList, LVN_ENDLABELEDIT, [](View& v, const NMHDR* h) { v.m_timePage.OnEndLabelEdit(h); }},
    {TimesList, NM_CLICK, [](View& v, const NMHDR* h) { v.m_timePage.OnClick(h); }},
    {TimesList, LVN_KEYDOWN, [](View& v, const NMHDR* h) { v.m_timePage.OnKeyDown(h); }},
    {TimesList, NM_SETFOCUS, [](View& v, const NMHDR* h) { v.m_timePage.OnFocusChange(h); }},
    {TimesList, NM_KILLFOCUS, [](View& v, const NMHDR* h) { v.m_timePage.OnFocusChange(h); }},
    {ProfilesList, LVN_ENDLABELEDIT, [](View& v, const NMHDR* h) { v.m_profilesPanel.OnLabelEdited(h); }},
    {ProfilesList, LVN_COLUMNCLICK, [](View& v, const NMHDR* h) { v.m_profilesPanel.OnColumnClick(h); }},
    {ProfilesList, NM_DBLCLK, [](View& v, const NMHDR* h) { v.m_profilesPanel.OnDoubleClick(h); }},
    {ProfilesList, LVN_KEYDOWN, [](View& v, const NMHDR* h) { v.m_profilesPanel.OnKeyDown(h); }},
    {ProfilesList, NM_RCLICK, [](View& v, const NMHDR* h) { v.m_profilesPanel.OnRightClick(h); }},
    {ProfilesList, LVN_BEGINDRAG, [](View& v, const NMHDR*) { v.m_dragDrop.OnProfilesBeginDrag(); }},
};

CSUProfileEditorView::CSUProfileEditorView() : CAccessibleFormView(EditorFormId)
{
}

CSUProfileEditorView::~CSUProfileEditorView()
{
    if (m_frame && m_frame->GetViewLink() == this)
        m_frame->SetViewLink(nullptr);
}

CSUProfileEditorFrame* CSUProfileEditorView::ParentFrame() const
{
    return dynamic_cast<CSUProfileEditorFrame*>(GetParentFrame());
}

const CKSUDocument* CSUProfileEditorView::TimeDocument() const
{
    // The host makes the editor's document current before it opens the
    // editor; a unit change is broadcast by the document that changed, which
    // need not be the current one when several editors are open.
    if (const auto* own = dynamic_cast<const CKSUDocument*>(GetDocument()))
        return own;
    return dynamic_cast<const CKSUDocument*>(CKBaseApp::GetCurrentDocument());
}

void CSUProfileEditorView::DoDataExchange(CDataExchange* pDX)
{
    CFormView::DoDataExchange(pDX);
    m_assignment.Bind(pDX);
    m_timePage.Bind(pDX);
    m_profilesPanel.Bind(pDX);
    DDX_Control(pDX, Tabs, m_tabs);
}

bool CSUProfileEditorView::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    // The control that sent a notification sees it first; then context help.
    if (CAccessibleFormView::OnWndMsg(message, wParam, lParam, result))
        return true;
    try {
        if (message == WM_COMMAND) {
            const UINT id = LOWORD(static_cast<uint64_t>(wParam));
            const UINT code = HIWORD(static_cast<uint64_t>(wParam));
            for (const CommandEntry& entry : MessageMap::Commands) {
                if (entry.id == id && entry.code == code) {
                    // A button pressed by its mnemonic leaves the focus in an
                    // open edit; Cancel throws the edits away anyway.
                    if (code == BN_CLICKED && id != Cancel)
                        EndOpenEdits();
                    entry.handler(*this);
                    *result = 0;
                    return true;
                }
            }
        } else if (message == WM_NOTIFY && lParam) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            for (const NotifyEntry& entry : MessageMap::Notifications) {
                if (entry.id == header->idFrom && entry.code == header->code) {
                    entry.handler(*this, header);
                    *result = 0;
                    return true;
                }
            }
        }
    } catch (const std::exception& error) {
        m_form.ReportError(error.what());
        *result = 0;
        return true;
    }
    return false;
}

bool CSUProfileEditorView::PreTranslateMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The Delete key in an axis field takes the profile off that axis and is
    // not passed on to the field.
    if (message == WM_KEYDOWN && wParam == VK_DELETE) {
        const CWnd* focus = CWnd::GetFocus();
        if (m_assignment.HandleDeleteKey(focus ? focus->GetSafeHwnd() : nullptr))
            return true;
    }
    return CFormView::PreTranslateMessage(message, wParam, lParam);
}

void CSUProfileEditorView::OnStripButton(const CListBoxExBuddy& strip, UINT button)
{
    // The strip ended the open edits before it came here.
    try {
        if (strip.GetControlId() == ProfilesStrip && button <= static_cast<UINT>(ProfilesCommand::ToggleDimension))
            m_profilesPanel.RunCommand(static_cast<ProfilesCommand>(button));
        else if (strip.GetControlId() == TimesStrip && button <= static_cast<UINT>(TimesCommand::Delete))
            m_timePage.RunCommand(static_cast<TimesCommand>(button));
    } catch (const std::exception& error) {
        m_form.ReportError(error.what());
    }
}

void CSUProfileEditorView::OnListRowEvent(const CListBoxEx& list, const ListRowEvent& event)
{
    if (&list == &m_profilesPanel.VariablesList())
        m_profilesPanel.OnVariablesRowEvent(event);
    else if (&list == &m_assignment.PlotList())
        m_assignment.OnPlotRowEvent(event);
}

bool CSUProfileEditorView::CanAddRows(const CListBoxEx& list) const
{
    return &list != &m_profilesPanel.VariablesList() || m_profilesPanel.CurrentProfile() != nullptr;
}

void CSUProfileEditorView::EndOpenEdits()
{
    m_profilesPanel.EndLabelEdit();
    m_timePage.EndLabelEdit();
    for (CListBoxEx* list : {static_cast<CListBoxEx*>(&m_profilesPanel.VariablesList()),
             static_cast<CListBoxEx*>(&m_assignment.PlotList())}) {
        if (!list->GetSafeHwnd())
            continue;
        // The edit is closed however the commit ends; the operation that
        // asked goes on with the rows as they are.
        try {
            list->CommitEdit();
        } catch (const std::exception& error) {
            m_form.ReportError(error.what());
        }
    }
}

void CSUProfileEditorView::ReceiveProfile(const CSUPEProfile* source)
{
    if (!source || !source->plotRequested || !m_definition.HasDefinition())
        return;
    EndOpenEdits();
    const CWaitCursor wait;
    try {
        auto profile = std::make_unique<CSUPEProfile>(*source);
        profile->role = static_cast<int16_t>(ProfileRole::Plotted);
        m_profilesPanel.AddProfile(std::move(profile));
    } catch (const std::exception& error) {
        m_form.ReportError(error.what());
    }
}

void CSUProfileEditorView::ReloadDefinition()
{
    if (!m_definition.HasDefinition())
        return;
    EndOpenEdits();
    m_definition.ReloadDefinition();
}

bool CSUProfileEditorView::IsClosing() const
{
    return m_frame && m_frame->IsClosing();
}

void CSUProfileEditorView::PlotTypeChanged()
{
    if (m_currentPage == 0)
        UpdatePageControls();
}

void CSUProfileEditorView::FitFrameToForm()
{
    CSUProfileEditorFrame* frame = ParentFrame();
    if (!frame)
        return;
    frame->RecalcLayout();
    ResizeParentToFit(false);
    RECT window;
    frame->GetWindowRect(&window);
    frame->SetSizeLimits(window.right - window.left, window.bottom - window.top);
}

void CSUProfileEditorView::CreateStripsAndTabs()
{
    m_profilesPanel.CreateStrips();
    m_timePage.CreateStrip();
    m_assignment.CreateStrip();
    NameControlsForAccessibility(ControlNames, std::size(ControlNames));
    m_tabs.InsertItem(0, "Profiles");
    m_tabs.InsertItem(1, "Time settings");
    m_profilesPanel.CreateColumns();
}

void CSUProfileEditorView::ShowNothingToEdit()
{
    const CString& contextName = m_definition.ContextName();
    qCInfo(lcView, "The object of \"%s\" offers no profile plot definition; the editor shows nothing to edit.",
        contextName.GetString());
    QWidget* form = GetSafeHwnd();
    for (QWidget* child : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (GetDlgCtrlID(child) != static_cast<int>(Cancel))
            child->setEnabled(false);
    }
    m_form.ShowControls(ProfilesPageIds, false);
    m_form.ShowControls(YAxisIds, false);
    m_form.ShowControls(TimePageIds, false);
    CString text;
    text.Format(
        "There is nothing to edit: the object of \"%s\" offers no profile plot definition.", contextName.GetString());
    m_nothingToEdit = new QLabel(QString::fromLocal8Bit(text.GetString()), form);
    m_nothingToEdit->setObjectName(QStringLiteral("nothingToEdit"));
    m_nothingToEdit->setWordWrap(true);
    m_nothingToEdit->setAlignment(Qt::AlignCenter);
    RECT tabs;
    m_tabs.GetWindowRect(&tabs);
    ScreenToClient(&tabs);
    const int margin = 12;
    m_nothingToEdit->setGeometry(tabs.left + margin, tabs.top + 40, tabs.right - tabs.left - 2 * margin, 80);
    m_nothingToEdit->show();
}

void CSUProfileEditorView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    FitFrameToForm();
    m_frame = ParentFrame();
    if (m_frame)
        m_frame->SetViewLink(this);
    CreateStripsAndTabs();
    m_timePage.SetUp(TimeDocument());
    m_assignment.SetClearButtonBitmaps();
    if (!m_definition.ObtainHostObjects(CKDocument::GetViewContext(GetDocument())))
        m_tabs.DeleteItem(1);
    if (m_frame)
        m_frame->SetTitleSuffix(m_definition.ContextName());
    m_currentPage = 0;
    if (!m_definition.HasDefinition()) {
        ShowNothingToEdit();
        return;
    }
    m_definition.LoadDefinition();
    m_profilesPanel.SelectFirstRow();
    m_timePage.UpdateTimeModeControls(true);
    m_dropTarget.Register(this);
    UpdateData(false);
}

void CSUProfileEditorView::OnUpdate(CView* sender, LPARAM hint, CObject* hintObject)
{
    if (hint == HINT_DISPLAY_UNIT_CHANGED && m_timePage.HasWindow()) {
        // An edited time is in the old unit: it is stored before the rescale.
        EndOpenEdits();
        if (const CKSUDocument* document = TimeDocument())
            m_timePage.OnDisplayUnitChanged(*document);
    }
    CFormView::OnUpdate(sender, hint, hintObject);
}

DROPEFFECT CSUProfileEditorView::OnDragEnter(const COleDataObject* data, DWORD /*keyState*/, CPoint point)
{
    return m_dragDrop.OnDragEnter(data, point);
}

DROPEFFECT CSUProfileEditorView::OnDragOver(const COleDataObject* data, DWORD /*keyState*/, CPoint point)
{
    return m_dragDrop.OnDragEnter(data, point);
}

bool CSUProfileEditorView::OnDrop(const COleDataObject* data, DROPEFFECT /*effect*/, CPoint point)
{
    return m_dragDrop.OnDrop(data, point);
}

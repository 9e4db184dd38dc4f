#include "view/profileeditorview.h"

#include "controls/listboxexbuddy.h"
#include "host/frame/profileeditorframe.h"
#include "host/interfaces/formmodelsource.h"
#include "host/services/kbaseapp.h"
#include "host/services/ksudocument.h"
#include "host/services/viewcontext.h"
#include "platform/drawing/bitmap.h"
#include "platform/ole/oledatasource.h"
#include "platform/windows/messagebox.h"
#include "resources/bitmaps.h"
#include "resources/editorform.h"
#include "resources/editorresources.h"
#include "resources/formcontrolids.h"
#include "view/viewlogging.h"

#include <QLabel>

#include <cmath>
#include <exception>

IMPLEMENT_DYNCREATE(CSUProfileEditorView, CFormView)

using namespace FormControl;
using namespace FormControlList;

namespace {

constexpr int MaxTimePointsLowest = 1;
constexpr int MaxTimePointsHighest = 10000;

// The message map: which handler runs for which control and notification.
struct CommandEntry {
    UINT id;
    UINT code;
    void (CSUProfileEditorView::*handler)();
};
struct NotifyEntry {
    UINT id;
    UINT code;
    void (CSUProfileEditorView::*handler)(const NMHDR* header);
};

} // namespace

// Declared here so that the tables may name the private handlers.
struct CSUProfileEditorView::MessageMap {
    static const CommandEntry Commands[];
    static const NotifyEntry Notifications[];
};

const CommandEntry CSUProfileEditorView::MessageMap::Commands[] = {
    {Radio2DPlot, BN_CLICKED, &CSUProfileEditorView::On2DPlot},
    {Radio3DPlot, BN_CLICKED, &CSUProfileEditorView::On3DPlot},
    {RadioYAxisTime, BN_CLICKED, &CSUProfileEditorView::OnYAxisIsTime},
    {RadioYAxisProfile, BN_CLICKED, &CSUProfileEditorView::OnYAxisIsProfile},
    {RadioContinuousUpdate, BN_CLICKED, &CSUProfileEditorView::OnContinuousUpdate},
    {RadioSpecifyTimes, BN_CLICKED, &CSUProfileEditorView::OnSpecifyTimes},
    {RadioSpecifyInterval, BN_CLICKED, &CSUProfileEditorView::OnSpecifyInterval},
    {ToXAxis, BN_CLICKED, &CSUProfileEditorView::OnToXAxis},
    {ToYAxis, BN_CLICKED, &CSUProfileEditorView::OnToYAxis},
    {ToPlot, BN_CLICKED, &CSUProfileEditorView::OnToPlot},
    {ClearXAxis, BN_CLICKED, &CSUProfileEditorView::ClearXAxisField},
    {ClearYAxis, BN_CLICKED, &CSUProfileEditorView::ClearYAxisField},
    {Apply, BN_CLICKED, &CSUProfileEditorView::OnApply},
    {Ok, BN_CLICKED, &CSUProfileEditorView::OnOk},
    {Cancel, BN_CLICKED, &CSUProfileEditorView::OnCancel},
    {StartTimeField, EN_KILLFOCUS, &CSUProfileEditorView::OnStartTimeKillFocus},
    {IntervalField, EN_KILLFOCUS, &CSUProfileEditorView::OnIntervalKillFocus},
    {FindVariables, BN_CLICKED, &CSUProfileEditorView::OnFindVariables},
};

const NotifyEntry CSUProfileEditorView::MessageMap::Notifications[] = {
    {Tabs, TCN_SELCHANGE, &CSUProfileEditorView::OnPageChange},
    {ProfilesList, LVN_ITEMCHANGED, &CSUProfileEditorView::OnProfilesListItemChanged},
    {TimesList, LVN_ENDLABELEDIT, &CSUProfileEditorView::OnTimesEndLabelEdit},
    {TimesList, NM_CLICK, &CSUProfileEditorView::OnTimesClick},
    {TimesList, LVN_KEYDOWN, &CSUProfileEditorView::OnTimesKeyDown},
    {TimesList, NM_SETFOCUS, &CSUProfileEditorView::OnTimesFocusChange},
    {TimesList, NM_KILLFOCUS, &CSUProfileEditorView::OnTimesFocusChange},
    {ProfilesList, LVN_ENDLABELEDIT, &CSUProfileEditorView::OnProfileLabelEdited},
    {ProfilesList, LVN_COLUMNCLICK, &CSUProfileEditorView::OnProfilesColumnClick},
    {ProfilesList, NM_DBLCLK, &CSUProfileEditorView::OnProfilesListDoubleClick},
    {ProfilesList, LVN_KEYDOWN, &CSUProfileEditorView::OnProfilesListKeyDown},
    {ProfilesList, NM_RCLICK, &CSUProfileEditorView::OnProfilesListRightClick},
    {ProfilesList, LVN_BEGINDRAG, &CSUProfileEditorView::OnProfilesBeginDrag},
};

CSUProfileEditorView::CSUProfileEditorView() : CFormView(EditorFormId)
{
}

CSUProfileEditorView::~CSUProfileEditorView()
{
    if (m_frame && m_frame->GetViewLink() == this)
        m_frame->SetViewLink(nullptr);
    // The strips first: they point into the lists.
    m_variablesStrip.reset();
    m_profilesStrip.reset();
    m_timesStrip.reset();
    m_plotStrip.reset();
    m_currentProfile = nullptr;
    m_profiles.DeleteAll();
    m_dragSource.reset();
    if (m_plotHost)
        m_plotHost->Release();
    if (m_plotData)
        m_plotData->Release();
    if (m_owner)
        m_owner->Release();
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
    DDX_Control(pDX, PlotList, m_plotList);
    DDX_Control(pDX, StartTimeField, m_startTimeEdit);
    DDX_Control(pDX, IntervalField, m_intervalEdit);
    DDX_Control(pDX, MaxTimePointsUpDown, m_maxTimePointsUpDown);
    DDX_Control(pDX, TimesList, m_timesList);
    DDX_Control(pDX, YAxisField, m_yAxisField);
    DDX_Control(pDX, XAxisField, m_xAxisField);
    DDX_Control(pDX, ProfilesList, m_profilesList);
    DDX_Control(pDX, VariablesList, m_variablesList);
    DDX_Control(pDX, Tabs, m_tabs);
}

bool CSUProfileEditorView::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    // The control that sent a notification sees it first.
    if (CFormView::OnWndMsg(message, wParam, lParam, result))
        return true;
    if (message == WM_HELPHITTEST) {
        *result = OnHelpHitTest(lParam);
        return true;
    }
    if (message == WM_COMMANDHELP) {
        *result = OnCommandHelp(lParam);
        return true;
    }
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
                    (this->*entry.handler)();
                    *result = 0;
                    return true;
                }
            }
        } else if (message == WM_NOTIFY && lParam) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            for (const NotifyEntry& entry : MessageMap::Notifications) {
                if (entry.id == header->idFrom && entry.code == header->code) {
                    (this->*entry.handler)(header);
                    *result = 0;
                    return true;
                }
            }
        }
    } catch (const std::exception& error) {
        ReportError(error.what());
        *result = 0;
        return true;
    }
    return false;
}

void CSUProfileEditorView::EndOpenEdits()
{
    for (CListCtrl* list : {&m_profilesList, &m_timesList}) {
        if (list->GetSafeHwnd() && list->GetEditControl())
            list->EditLabel(-1);
    }
    for (CListBoxEx* list : {static_cast<CListBoxEx*>(&m_variablesList), static_cast<CListBoxEx*>(&m_plotList)}) {
        if (!list->GetSafeHwnd())
            continue;
        // The edit is closed however the commit ends; the operation that
        // asked goes on with the rows as they are.
        try {
            list->CommitEdit();
        } catch (const std::exception& error) {
            ReportError(error.what());
        }
    }
}

void CSUProfileEditorView::ReportError(const char* what)
{
    MessageBox(GetSafeHwnd(), what, MessageBoxTitle, MB_ICONEXCLAMATION | MB_TOPMOST);
}

void CSUProfileEditorView::EnableControls(const UINT* ids, bool enable)
{
    for (; *ids; ++ids) {
        if (CWnd* control = GetDlgItem(static_cast<int>(*ids)))
            control->EnableWindow(enable);
    }
}

void CSUProfileEditorView::ShowControls(const UINT* ids, bool show)
{
    for (; *ids; ++ids) {
        if (CWnd* control = GetDlgItem(static_cast<int>(*ids)))
            control->ShowWindow(show ? SW_SHOWNOACTIVATE : SW_HIDE);
    }
}

bool CSUProfileEditorView::IsChecked(UINT id) const
{
    return IsDlgButtonChecked(static_cast<int>(id)) == BST_CHECKED;
}

void CSUProfileEditorView::CheckRadio(UINT id, bool check)
{
    CheckDlgButton(static_cast<int>(id), check ? BST_CHECKED : BST_UNCHECKED);
}

void CSUProfileEditorView::SetControlText(UINT id, const char* text)
{
    if (CWnd* control = GetDlgItem(static_cast<int>(id)))
        control->SetWindowText(text);
}

CString CSUProfileEditorView::ControlText(UINT id) const
{
    CWnd* control = GetDlgItem(static_cast<int>(id));
    return control ? control->GetWindowText() : CString();
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

void CSUProfileEditorView::CreateStrips()
{
    struct StripSetup {
        std::unique_ptr<CListBoxExBuddy>& strip;
        UINT placeholder;
        UINT bitmap;
        std::vector<const char*> tooltips;
        CListBoxEx* list;
        ListBoxExRole role;
    };
    StripSetup setups[] = {
        {m_variablesStrip, VariablesStrip, IDB_VARIABLES_STRIP,
            {"Add Variable", "Remove Variable", "Move Up", "Move Down"}, &m_variablesList,
            ListBoxExRole::ProfileVariables},
        {m_profilesStrip, ProfilesStrip, IDB_PROFILES_STRIP, {"New", "Delete", "Toggle Dimension"}, nullptr,
            ListBoxExRole::Plain},
        {m_timesStrip, TimesStrip, IDB_TIMES_STRIP, {"New", "Delete"}, nullptr, ListBoxExRole::Plain},
        {m_plotStrip, PlotStrip, IDB_PLOT_STRIP, {"Remove Profile", "Move Up", "Move Down"}, &m_plotList,
            ListBoxExRole::PlotList},
    };
    for (StripSetup& setup : setups) {
        CStringArray tooltips;
        for (const char* text : setup.tooltips)
            tooltips.Add(text);
        setup.strip = std::make_unique<CListBoxExBuddy>(
            setup.bitmap, &EditorResourceModule(), static_cast<UINT>(tooltips.GetSize()), tooltips);
        setup.strip->TakeOver(setup.placeholder, this);
        if (setup.list) {
            setup.strip->SetListBox(setup.list);
            setup.list->SetBuddy(setup.strip.get());
            setup.list->SetRole(setup.role);
        }
    }
}

void CSUProfileEditorView::CreateTabsAndColumns()
{
    m_tabs.InsertItem(0, "Profiles");
    m_tabs.InsertItem(1, "Time settings");
    RECT rect;
    m_profilesList.GetWindowRect(&rect);
    m_profilesList.InsertColumn(0, "Profile", LVCFMT_LEFT, rect.right - rect.left - 40);
    m_profilesList.InsertColumn(1, "Dim.", LVCFMT_LEFT, 36);
}

void CSUProfileEditorView::TakeTimeUnitFromDocument()
{
    const CKSUDocument* document = TimeDocument();
    if (!document)
        return;
    const double factor = document->CommunicationToDisplayTime(1.0);
    // Every shown time is divided by the factor on its way to the host.
    if (std::isfinite(factor) && factor > 0)
        m_timeFactor = factor;
    else
        qCWarning(lcView,
            "The document's display time factor %g is not a positive number; times are shown in "
            "communication units.",
            factor);
    m_displayUnit = document->GetDisplayUnit();
}

void CSUProfileEditorView::FillTimeFields()
{
    RECT rect;
    m_timesList.GetWindowRect(&rect);
    m_timesList.InsertColumn(0, TimesColumnHeading(m_displayUnit), LVCFMT_LEFT, rect.right - rect.left - 20);
    m_startTimeEdit.SetWindowText(FormatZeroRow());
    const CKSUDocument* document = TimeDocument();
    m_intervalEdit.SetWindowText(FormatDefaultInterval(document ? document->GetDefaultTimeInterval() : 1.0));
    m_maxTimePointsUpDown.SetRange(MaxTimePointsLowest, MaxTimePointsHighest);
}

void CSUProfileEditorView::SetClearButtonBitmaps()
{
    for (auto [button, id] :
        {std::pair {&m_clearXAxisButton, ClearXAxis}, std::pair {&m_clearYAxisButton, ClearYAxis}}) {
        if (!button->GetSafeHwnd())
            button->SubclassDlgItem(id, this);
        button->SetBitmap(LoadImageBitmap(&EditorResourceModule(), IDB_CLEAR, LR_DEFAULTCOLOR));
    }
}

void CSUProfileEditorView::ObtainHostObjects(const tag_VarnelViewContext* context)
{
    m_plotHost = nullptr;
    IUnknown* edited = context ? context->editedObject : nullptr;
    if (!edited) {
        qCInfo(lcView, "The view context \"%s\" names no object to edit.", m_contextName.GetString());
        m_tabs.DeleteItem(1);
        return;
    }
    void* plotData = nullptr;
    if (SUCCEEDED(edited->QueryInterface(IID_IProfilePlotData, &plotData)) && plotData) {
        m_plotData = static_cast<IProfilePlotData*>(plotData);
        void* source = nullptr;
        if (SUCCEEDED(m_plotData->QueryInterface(IID_IFormModelSource, &source)) && source) {
            auto* formModelSource = static_cast<IFormModelSource*>(source);
            formModelSource->GetOwnerObject(&m_owner);
            formModelSource->Release();
        }
        m_tabs.DeleteItem(1);
        return;
    }
    void* host = nullptr;
    if (SUCCEEDED(edited->QueryInterface(IID_IProfilePlotHost, &host)) && host) {
        m_plotHost = static_cast<IProfilePlotHost*>(host);
        m_plotHost->GetPlotDataObjects(&m_plotData, &m_owner);
        return;
    }
    // Neither interface: there is no time page to show either.
    m_tabs.DeleteItem(1);
}

void CSUProfileEditorView::ShowNothingToEdit()
{
    qCInfo(lcView, "The object of \"%s\" offers no profile plot definition; the editor shows nothing to edit.",
        m_contextName.GetString());
    QWidget* form = GetSafeHwnd();
    for (QWidget* child : form->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (GetDlgCtrlID(child) != static_cast<int>(Cancel))
            child->setEnabled(false);
    }
    ShowControls(ProfilesPageIds, false);
    ShowControls(YAxisIds, false);
    ShowControls(TimePageIds, false);
    CString text;
    text.Format(
        "There is nothing to edit: the object of \"%s\" offers no profile plot definition.", m_contextName.GetString());
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
    CreateStrips();
    NameControlsForAccessibility();
    CreateTabsAndColumns();
    TakeTimeUnitFromDocument();
    FillTimeFields();
    SetClearButtonBitmaps();
    const tag_VarnelViewContext* context = CKDocument::GetViewContext(GetDocument());
    if (context && context->contextName)
        m_contextName = context->contextName;
    ObtainHostObjects(context);
    if (m_frame)
        m_frame->SetTitleSuffix(m_contextName);
    m_currentPage = 0;
    if (!m_plotData) {
        ShowNothingToEdit();
        return;
    }
    LoadDefinition();
    if (m_profilesList.GetItemCount() > 0)
        m_profilesList.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    m_variablesStrip->EnableWindow(m_currentProfile != nullptr);
    UpdateTimeModeControls(true);
    m_dropTarget.Register(this);
    UpdateData(false);
}

void CSUProfileEditorView::OnUpdate(CView* sender, LPARAM hint, CObject* hintObject)
{
    if (hint == HINT_DISPLAY_UNIT_CHANGED && m_timesList.GetSafeHwnd()) {
        // An edited time is in the old unit: it is stored before the rescale.
        EndOpenEdits();
        if (const CKSUDocument* document = TimeDocument()) {
            const double factor = document->CommunicationToDisplayTime(1.0);
            if (std::isfinite(factor) && factor > 0) {
                m_displayUnit = document->GetDisplayUnit();
                RescaleTimes(factor / m_timeFactor);
                m_timeFactor = factor;
            } else {
                qCWarning(lcView, "The new display time factor %g is not a positive number; the times stay as shown.",
                    factor);
            }
        }
    }
    CFormView::OnUpdate(sender, hint, hintObject);
}

#include "editorfixture.h"

#include "controls/inplaceedit.h"
#include "controls/listboxexbuddy.h"
#include "platform/controls/listbox.h"
#include "platform/controls/tabctrlwidget.h"
#include "resources/formcontrolids.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTabBar>
#include <QTest>

#include <algorithm>

EditorFixture::EditorFixture()
{
    m_app = std::make_unique<CKBaseApp>();
    m_area = std::make_unique<QMdiArea>();
    m_area->resize(1400, 1000);
    m_area->show();
    m_app->SetMdiArea(m_area.get());
    m_template = std::make_unique<CKDocTemplate>(ProfileEditorDocumentType, ProfileEditorResourceId,
        RUNTIME_CLASS(CKSUDocument), RUNTIME_CLASS(CSUProfileEditorFrame), RUNTIME_CLASS(CSUProfileEditorView),
        nullptr);
}

EditorFixture::~EditorFixture()
{
    CloseAll();
    m_template.reset();
    m_app.reset();
}

void EditorFixture::CloseAll()
{
    m_area.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_frame = nullptr;
    m_view = nullptr;
    m_document = nullptr;
}

CSUProfileEditorView* EditorFixture::Open(
    const PlotDefinition& definition, Access access, double factor, const char* unit, const char* contextName)
{
    m_plotData = ProfilePlotDataObject::Create("plot:test", definition, m_owner.get());
    IUnknown* edited = static_cast<IProfilePlotData*>(m_plotData.get());
    if (access == Access::Host) {
        m_plotHost = ProfilePlotHostObject::Create("plothost:test", m_plotData.get());
        edited = static_cast<IProfilePlotHost*>(m_plotHost.get());
    }
    m_document = dynamic_cast<CKSUDocument*>(m_template->CreateNewDocument());
    m_document->SetDisplayUnit(unit, factor);
    m_document->SetDefaultTimeInterval(60.0 * factor);
    return OpenOn(edited, contextName);
}

CSUProfileEditorView* EditorFixture::OpenOn(IUnknown* editedObject, const char* contextName)
{
    if (!m_document)
        m_document = dynamic_cast<CKSUDocument*>(m_template->CreateNewDocument());
    m_document->SetViewContext(contextName, editedObject);
    m_app->SetCurrentDocument(m_document);
    m_frame = dynamic_cast<CSUProfileEditorFrame*>(m_template->OpenDocument(m_document));
    m_view = m_frame ? dynamic_cast<CSUProfileEditorView*>(m_frame->GetActiveView()) : nullptr;
    if (!m_view)
        QTest::qFail("the editor made no view", __FILE__, __LINE__);
    return m_view;
}

namespace {

void AddProfile(CStringArray& names, CUIntArray& dimensions, CUIntArray& counts, CStringArray& variableArray,
    const char* name, UINT dimension, const QStringList& variables)
{
    names.Add(name);
    dimensions.Add(dimension);
    counts.Add(static_cast<UINT>(variables.size()));
    for (const QString& variable : variables)
        variableArray.Add(variable.toLocal8Bit().constData());
}

} // namespace

QStringList EditorFixture::ListRows(CListCtrl& list, bool withDimension)
{
    QStringList rows;
    for (int row = 0; row < list.GetItemCount(); ++row)
        rows << list.GetItemText(row, 0).ToQString()
                + (withDimension ? "|" + list.GetItemText(row, 1).ToQString() : QString());
    return rows;
}

QStringList EditorFixture::ListEntries(QWidget* listBox)
{
    auto* list = dynamic_cast<CListBox*>(CWnd::FromHandlePermanent(listBox));
    QStringList entries;
    for (int i = 0; i < list->GetCount(); ++i)
        entries << list->GetText(i).ToQString();
    return entries;
}

QStringList EditorFixture::WrittenTimes() const
{
    const std::vector<CallRecord>& calls = m_plotData->calls();
    const auto write = std::find_if(
        calls.rbegin(), calls.rend(), [](const CallRecord& record) { return record.call == "SetTimes"; });
    return write != calls.rend() ? write->args.value("timeEntries").toVariant().toStringList() : QStringList();
}

QStringList EditorFixture::Tabs() const
{
    auto* tabs = qobject_cast<TabCtrlWidget*>(Widget(FormControl::Tabs));
    QStringList texts;
    for (int i = 0; i < tabs->tabBar()->count(); ++i)
        texts << tabs->tabBar()->tabText(i);
    return texts;
}

QList<UINT> EditorFixture::CheckedAmong(const UINT* ids) const
{
    QList<UINT> checked;
    for (; *ids; ++ids) {
        if (Checked(*ids))
            checked << *ids;
    }
    return checked;
}

void EditorFixture::Click(UINT id) const
{
    QWidget* button = Widget(id);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void EditorFixture::ClickTab(int index) const
{
    QTabBar* bar = qobject_cast<TabCtrlWidget*>(Widget(FormControl::Tabs))->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void EditorFixture::Focus(QWidget* widget) const
{
    widget->setFocus();
    QTRY_VERIFY(widget->hasFocus());
}

void EditorFixture::ClickStripButton(UINT stripId, int button, int buttonCount) const
{
    QWidget* strip = Widget(stripId);
    const int width = CListBoxExBuddy::ButtonWidth;
    const QPoint local(strip->width() - (buttonCount - button) * width + width / 2, strip->height() / 2);
    QWidget* window = strip->window();
    const QPoint point = strip->mapTo(window, local);
    QTest::mouseMove(window->windowHandle(), point);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, point);
}

void EditorFixture::PressStripButton(UINT stripId, int button) const
{
    QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(Widget(stripId));
    QAccessibleInterface* child = strip ? strip->child(button) : nullptr;
    QVERIFY(child && child->actionInterface());
    child->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // The press runs as a click would come: from the event loop.
    QCoreApplication::processEvents();
}

QLineEdit* EditorFixture::OpenEditor(UINT listId) const
{
    if (listId == FormControl::ProfilesList || listId == FormControl::TimesList) {
        CEdit* edit = ListControl(listId).GetEditControl();
        return edit ? qobject_cast<QLineEdit*>(edit->GetSafeHwnd()) : nullptr;
    }
    const CListBoxEx& list = EditableList(listId);
    if (list.GetEditingIndex() == -1 || !list.GetInPlaceEdit())
        return nullptr;
    return qobject_cast<QLineEdit*>(list.GetInPlaceEdit()->GetSafeHwnd());
}

void EditorFixture::SelectProfileRows(const QList<int>& rows) const
{
    CListCtrl& list = ListControl(FormControl::ProfilesList);
    list.SetItemState(-1, 0, LVIS_SELECTED);
    for (int row : rows)
        list.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
}

void AddPlotted(PlotDefinition& definition, const char* name, UINT dimension, const QStringList& variables)
{
    AddProfile(definition.plottedNames, definition.plottedDimensions, definition.plottedCounts,
        definition.plottedVariables, name, dimension, variables);
}

void AddUnassigned(PlotDefinition& definition, const char* name, UINT dimension, const QStringList& variables)
{
    AddProfile(definition.unassignedNames, definition.unassignedDimensions, definition.unassignedCounts,
        definition.unassignedVariables, name, dimension, variables);
}

void TypeInto(QLineEdit* editor, const QString& text)
{
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
}

PlotDefinition SpecifiedTimes(const QStringList& entries, int mode)
{
    PlotDefinition definition;
    definition.timeMode = mode;
    definition.timeEntries = Strings(entries);
    return definition;
}

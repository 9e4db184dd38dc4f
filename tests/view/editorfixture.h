#pragma once

// An editor opened as the host opens it: a CKSUDocument with the view context
// of an in-memory plot object, made current, then frame and view from the
// document template. The plot object is reached directly (IProfilePlotData)
// or through a plot host (IProfilePlotHost), as the host's model says.

#include "controls/listboxex.h"
#include "host/frame/profileeditorframe.h"
#include "host/services/kbaseapp.h"
#include "host/services/kdoctemplate.h"
#include "host/services/ksudocument.h"
#include "hostlib/plotdefinition.h"
#include "hostlib/profileplotdataobject.h"
#include "hostlib/profileplothostobject.h"
#include "platform/controls/listctrl.h"
#include "resources/formcontrolids.h"
#include "support/stringarrays.h"
#include "view/profileeditorview.h"

#include <QLineEdit>
#include <QMdiArea>
#include <QStringList>

#include <memory>

enum class Access { Direct, Host };

class EditorFixture {
public:
    EditorFixture();
    ~EditorFixture();
    EditorFixture(const EditorFixture&) = delete;
    EditorFixture& operator=(const EditorFixture&) = delete;

    // Opens an editor on `definition`; the view, or null (and the test failed) when none was made.
    CSUProfileEditorView* Open(const PlotDefinition& definition, Access access, double factor = 1.0,
        const char* unit = "s", const char* contextName = "Column.TemperaturePlot");
    // The owner object that the next Open's plot object gives (none by default).
    void SetOwner(IUnknown* owner) { m_owner = CComPtr<IUnknown>(owner); }
    // Opens an editor on any object, as Open does.
    CSUProfileEditorView* OpenOn(IUnknown* editedObject, const char* contextName);

    CSUProfileEditorFrame* frame() const { return m_frame; }
    CSUProfileEditorView* view() const { return m_view; }
    CKSUDocument* document() const { return m_document; }
    ProfilePlotDataObject* plotData() const { return m_plotData.get(); }
    ProfilePlotHostObject* plotHost() const { return m_plotHost.get(); }
    // Closes every frame and lets deferred deletions run.
    void CloseAll();

    // What the form shows.
    QWidget* Widget(UINT id) const { return m_view->GetDlgItemHandle(static_cast<int>(id)); }
    QStringList ProfileRows() const { return ListRows(ListControl(FormControl::ProfilesList), true); } // "name|dim"
    QStringList PlotEntries() const { return ListEntries(Widget(FormControl::PlotList)); }
    QStringList VariableEntries() const { return ListEntries(Widget(FormControl::VariablesList)); }
    QStringList TimeRows() const { return ListRows(ListControl(FormControl::TimesList), false); }
    // The entries of the last SetTimes call, if any.
    QStringList WrittenTimes() const;
    QString Text(UINT id) const { return m_view->GetDlgItem(static_cast<int>(id))->GetWindowText().ToQString(); }
    bool Enabled(UINT id) const { return Widget(id)->isEnabled(); }
    bool Visible(UINT id) const { return Widget(id)->isVisible(); }
    bool Checked(UINT id) const { return m_view->IsDlgButtonChecked(static_cast<int>(id)) == 1; }
    QStringList Tabs() const;
    // The ids of the checked radios among `ids` (a zero-terminated list).
    QList<UINT> CheckedAmong(const UINT* ids) const;
    // Real clicks.
    void Click(UINT id) const;
    void ClickTab(int index) const;
    // Gives `widget` the focus and waits until it has it.
    void Focus(QWidget* widget) const;
    // A click on button `button` of a strip of `buttonCount` buttons.
    void ClickStripButton(UINT stripId, int button, int buttonCount) const;
    // Button `button` of a strip pressed as an assistive tool presses it: the
    // focus stays where it is.
    void PressStripButton(UINT stripId, int button) const;
    // The form's list controls, and the in-place editor a list shows, or null.
    CListCtrl& ListControl(UINT id) const { return *dynamic_cast<CListCtrl*>(CWnd::FromHandlePermanent(Widget(id))); }
    CListBoxEx& EditableList(UINT id) const
    {
        return *dynamic_cast<CListBoxEx*>(CWnd::FromHandlePermanent(Widget(id)));
    }
    QLineEdit* OpenEditor(UINT listId) const;
    // Selects exactly these rows of the profiles list.
    void SelectProfileRows(const QList<int>& rows) const;

private:
    static QStringList ListRows(CListCtrl& list, bool withDimension);
    static QStringList ListEntries(QWidget* listBox);
    std::unique_ptr<CKBaseApp> m_app;
    std::unique_ptr<QMdiArea> m_area;
    std::unique_ptr<CKDocTemplate> m_template;
    CComPtr<ProfilePlotDataObject> m_plotData;
    CComPtr<ProfilePlotHostObject> m_plotHost;
    CComPtr<IUnknown> m_owner;
    CSUProfileEditorFrame* m_frame = nullptr;
    CSUProfileEditorView* m_view = nullptr;
    CKSUDocument* m_document = nullptr;
};

// Profiles for definitions: name, dimension, variables.
void AddPlotted(PlotDefinition& definition, const char* name, UINT dimension, const QStringList& variables);
void AddUnassigned(PlotDefinition& definition, const char* name, UINT dimension, const QStringList& variables);
// Replaces an open in-place editor's text with `text`, leaving the edit open.
void TypeInto(QLineEdit* editor, const QString& text);
// A definition in time mode 1 (specified times) or `mode` with these time entries.
PlotDefinition SpecifiedTimes(const QStringList& entries, int mode = 1);

// The three time-mode radios.
inline constexpr UINT TimeModeRadios[] = {1024, 1025, 1026, 0};

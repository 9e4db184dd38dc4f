// Resources by id: the current module first, then the chain in joining order;
// the process-wide registries of names: one name, one id. And what the
// framework cannot do as asked is reported on its logging category, with the id
// concerned, and the rest goes on: a form whose template is missing, a control
// bound by an id the form lacks, a row that cannot be drawn.

#include "platform/controls/listbox.h"
#include "platform/controls/listboxwidget.h"
#include "platform/core/cstring.h"
#include "platform/core/registry.h"
#include "platform/core/resources.h"
#include "platform/docview/formview.h"
#include "platform/windows/dialogtemplate.h"
#include "support/projecttest.h"

#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <stdexcept>

namespace {

constexpr UINT FormTemplateId = 500;
constexpr UINT MissingTemplateId = 501;

const DialogTemplate& Form()
{
    static const DialogTemplate dialog {100, 40, "Sans Serif", 8,
        {{1014, DialogControlKind::Edit, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 4, 4, 60, 12}}};
    return dialog;
}

// Binds the form's edit and a control the form does not have.
class BindingFormView : public CFormView {
public:
    explicit BindingFormView(UINT templateId) : CFormView(templateId) { }
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, 1014, edit);
        DDX_Control(pDX, 1099, missing);
    }
    QWidget* MakeWidget() { return CreateViewWidget(nullptr); }
    CWnd edit;
    CWnd missing;
};

class ThrowingListBox : public CListBox {
public:
    void DrawItem(DRAWITEMSTRUCT* item) override
    {
        if (item->itemID == 1)
            throw std::runtime_error("no variable for this row");
        drawn.push_back(item->itemID);
    }
    std::vector<UINT> drawn;
};

} // namespace

class ResourcesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        AfxRemoveResourceModule(&m_host);
        AfxRemoveResourceModule(&m_editor);
        AfxSetResourceHandle(nullptr);
    }

    // The current module is searched first; without one, the chain in joining order.
    void currentModuleIsSearchedBeforeTheChain()
    {
        m_host.AddString(1, "Host");
        m_editor.AddString(1, "Profile Editor");
        m_editor.AddString(8, "editor only");
        AfxAddResourceModule(&m_host);
        AfxAddResourceModule(&m_editor);
        AfxAddResourceModule(&m_host); // joining twice changes nothing
        QCOMPARE(CString(AfxFindString(1)), CString("Host"));
        QCOMPARE(CString(AfxFindString(8)), CString("editor only"));
        AfxSetResourceHandle(&m_editor);
        CString text;
        QVERIFY(text.LoadString(1));
        QCOMPARE(text, CString("Profile Editor"));
        AfxSetResourceHandle(&m_host);
        QVERIFY(text.LoadString(1));
        QCOMPARE(text, CString("Host"));
    }

    void missingResourcesAreReportedAsMissing()
    {
        AfxAddResourceModule(&m_host);
        CString text("unchanged");
        QVERIFY(!text.LoadString(424242));
        QCOMPARE(text, CString("unchanged"));
        QCOMPARE(AfxFindMenu(424242), nullptr);
        QCOMPARE(AfxFindBitmap(424242), nullptr);
    }

    void sameNameGivesSameIdInEachRegistry()
    {
        const UINT first = RegisterWindowMessage("ipc_CtrlMsg");
        const UINT second = RegisterWindowMessage("ipc_CtrlMsg");
        QCOMPARE(first, second);
        QVERIFY(first >= 0xC000 && first <= 0xFFFF);
        QVERIFY(RegisterWindowMessage("commctrl_DragListMsg") != first);

        const UINT format = RegisterClipboardFormat("Lumen Variable Path Format");
        QCOMPARE(RegisterClipboardFormat("Lumen Variable Path Format"), format);
        QVERIFY(RegisterClipboardFormat("Profile Variable Name Format") != format);
        // A format's name and MIME type are the name it was registered under.
        QCOMPARE(GetClipboardFormatName(format), CString("Lumen Variable Path Format"));
        QCOMPARE(ClipboardFormatMimeType(format), QStringLiteral("Lumen Variable Path Format"));
        QCOMPARE(GetClipboardFormatName(0x1234), CString());
        // An empty name is refused.
        QCOMPARE(RegisterWindowMessage(""), 0u);
        QCOMPARE(RegisterClipboardFormat(nullptr), 0u);
    }

    void formWithoutItsTemplateOrAControlIsReported()
    {
        BindingFormView view(MissingTemplateId);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no resource module has the dialog template 501"));
        std::unique_ptr<QWidget> form(view.MakeWidget());
        QVERIFY(form->children().isEmpty());

        // A control the form lacks is reported; the others are bound.
        ResourceModule module("forms");
        module.AddDialog(FormTemplateId, &Form());
        AfxAddResourceModule(&module);
        BindingFormView bound(FormTemplateId);
        form.reset(bound.MakeWidget());
        QVERIFY(bound.Attach(form.get()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("template 500\\) has no control with id 1099"));
        QVERIFY(bound.UpdateData(false));
        QVERIFY(bound.edit.GetSafeHwnd());
        QCOMPARE(bound.edit.GetDlgCtrlID(), 1014);
        QCOMPARE(bound.missing.GetSafeHwnd(), nullptr);
        bound.Detach();
        AfxRemoveResourceModule(&module);
    }

    void rowThatCannotBeDrawnIsReportedAndTheOthersAreDrawn()
    {
        QWidget form;
        auto* widget = new ListBoxWidget(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 0, &form);
        CWnd::SetDlgCtrlID(widget, 1004);
        widget->setGeometry(0, 0, 120, 80);
        ThrowingListBox list;
        QVERIFY(list.SubclassWindow(widget));
        for (const char* row : {"T(1)", "T(2)", "T(3)"})
            list.AddString(row);
        form.resize(140, 100);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("List 1004: row 1 could not be drawn: no variable"));
        widget->grab();
        QCOMPARE(list.drawn, (std::vector<UINT> {0, 2}));
    }

private:
    ResourceModule m_host {"host"};
    ResourceModule m_editor {"editor"};
};

PE_TEST_MAIN(ResourcesTest)
#include "tst_resources.moc"

// Variables in and out of the form: drops sent as drag events (a real drag
// cannot run offscreen), profiles dragged out through a drag runner that looks
// at the drag and the clipboard while it runs, the variable finder request,
// and payloads from other programs that the form must refuse.

#include "editorfixture.h"

#include "host/interfaces/modelvariable.h"
#include "host/sharedids/sharedids.h"
#include "hostlib/hostmodel.h"
#include "hostlib/modelobject.h"
#include "platform/core/registry.h"
#include "platform/ole/oledatasource.h"
#include "resources/formcontrolids.h"
#include "support/projecttest.h"
#include "view/variablepathpayload.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>

#include <cstring>

using namespace FormControl;

namespace {

QString PathMime()
{
    return ClipboardFormatMimeType(SharedIds::VariablePathFormat());
}

QString NameMime()
{
    return ClipboardFormatMimeType(SharedIds::ProfileVariableNameFormat());
}

std::unique_ptr<QMimeData> PathData(const QByteArray& payload)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(PathMime(), payload);
    return data;
}

QByteArray Payload(const QStringList& paths)
{
    QByteArray bytes = "Flowsheet";
    for (const QString& path : paths)
        bytes += "\r\n" + path.toLocal8Bit();
    return bytes + '\0';
}

// The centre of control `id` in the view's window coordinates.
QPoint CentreOf(const EditorFixture& editor, UINT id)
{
    QWidget* control = editor.Widget(id);
    return control->mapTo(editor.view()->GetSafeHwnd(), control->rect().center());
}

// A drag moving over `point`: whether the form accepts it there.
bool AcceptsAt(const EditorFixture& editor, const QMimeData& data, QPoint point)
{
    QWidget* form = editor.view()->GetSafeHwnd();
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form, &enter);
    QDragMoveEvent move(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form, &move);
    return move.isAccepted() && move.dropAction() == Qt::CopyAction;
}

// A drag that enters, moves to `point` and drops there: whether the form took it.
bool DropAt(const EditorFixture& editor, const QMimeData& data, QPoint point)
{
    AcceptsAt(editor, data, point);
    QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.view()->GetSafeHwnd(), &drop);
    return drop.isAccepted();
}

// Starts a drag from the profiles list as the list reports one.
void BeginDrag(const EditorFixture& editor, int row)
{
    NMLISTVIEW info {};
    info.hdr.hwndFrom = editor.Widget(FormControl::ProfilesList);
    info.hdr.idFrom = FormControl::ProfilesList;
    info.hdr.code = LVN_BEGINDRAG;
    info.iItem = row;
    editor.view()->SendMessage(WM_NOTIFY, FormControl::ProfilesList, reinterpret_cast<LPARAM>(&info));
}

} // namespace

class EditorDragDropTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        SharedIds::RegisterAll();
        HostModel& model = HostModel::Shared();
        QVERIFY(model.AddBlock("B1"));
        QVERIFY(model.AddVariable("B1", HostModel::Variable {"T", ModelVariableWidenableAttribute, {10}}));
        QVERIFY(model.AddVariable("B1", HostModel::Variable {"X", ModelVariableWidenableAttribute, {3, 4}}));
        QVERIFY(model.AddVariable("B1", HostModel::Variable {"P", 0, {10}}));
    }

    void cleanupTestCase() { HostModel::Shared().Clear(); }

    void cleanup()
    {
        COleDataSource::SetDragRunner({});
        m_plotData = {};
        m_owner = {};
    }

    void threePathsOnTheProfilesListMakeOneNewProfile()
    {
        EditorFixture editor;
        QVERIFY(OpenOwnedBy(editor, "B1", "Column.Plot"));
        const auto data = PathData(Payload({"B1.T(1)", "B1.T(2)", "B2.P"}));
        QVERIFY(DropAt(editor, *data, CentreOf(editor, FormControl::ProfilesList)));
        QCOMPARE(editor.ProfileRows(), QStringList({"Top|1 D", "New Profile|1 D"}));
        QCOMPARE(editor.VariableEntries(), QStringList({"B1.T(1)", "B1.T(2)", "B2.P"}));
        const CSUPEProfile* made = editor.view()->ProfilesPart().CurrentProfile();
        QVERIFY(made);
        QCOMPARE(made->name, CString("New Profile"));
        QCOMPARE(made->variables, CStringArray({"B1.T(1)", "B1.T(2)", "B2.P"}));
        // Open for renaming.
        QVERIFY(editor.ListControl(FormControl::ProfilesList).GetEditControl());
    }

    void ownerPrefixIsStrippedIgnoringCaseAndPayloadsReadToTheirSize()
    {
        EditorFixture editor;
        QVERIFY(OpenOwnedBy(editor, "B1", "B1.Plot"));
        editor.SelectProfileRows({0});
        const auto data = PathData(Payload({"b1.T", "B2.T", "B1"}));
        QVERIFY(DropAt(editor, *data, CentreOf(editor, FormControl::VariablesList)));
        // A path no longer than the prefix keeps it: nothing is cut past its end.
        QCOMPARE(editor.VariableEntries(), QStringList({"T(1)", "T", "B2.T", "B1"}));
        QCOMPARE(editor.view()->ProfilesPart().CurrentProfile()->variables, CStringArray({"T(1)", "T", "B2.T", "B1"}));
        // A payload without its NUL: the last path runs to the end of the block, nothing past it is read.
        QVERIFY(DropAt(editor, *PathData("Flowsheet\r\nB2.P"), CentreOf(editor, FormControl::VariablesList)));
        QCOMPARE(editor.VariableEntries(), QStringList({"T(1)", "T", "B2.T", "B1", "B2.P"}));
        const char memory[] = "Flowsheet\r\nB2.T\r\nB3.T";
        CStringArray paths;
        CString reason;
        QVERIFY(ReadVariablePathPayload(memory, std::strlen("Flowsheet\r\nB2.T"), paths, reason));
        QCOMPARE(paths, CStringArray({"B2.T"}));
    }

    void cursorFollowsTheListUnderItAndElementsWidenOnTheProfilesList()
    {
        EditorFixture editor;
        QVERIFY(OpenOwnedBy(editor, "B1", "B1.Plot"));
        editor.SelectProfileRows({});
        QVERIFY(!editor.view()->ProfilesPart().CurrentProfile());
        const auto data = PathData(Payload({"B1.T"}));
        const QPoint variables = CentreOf(editor, FormControl::VariablesList);
        QVERIFY(!AcceptsAt(editor, *data, variables));
        QVERIFY(!DropAt(editor, *data, variables));
        QVERIFY(AcceptsAt(editor, *data, CentreOf(editor, FormControl::ProfilesList)));
        QVERIFY(!AcceptsAt(editor, *data, CentreOf(editor, FormControl::Apply)));
        // A drag that enters over no list is still taken, with no action: Qt
        // sends no moves after a refused enter, and the drag may go on to a list.
        QDragEnterEvent enter(CentreOf(editor, FormControl::Apply), Qt::CopyAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(editor.view()->GetSafeHwnd(), &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::IgnoreAction);
        editor.SelectProfileRows({0});
        QVERIFY(AcceptsAt(editor, *data, variables));
        // Data without the path format is refused everywhere.
        QMimeData text;
        text.setText(QStringLiteral("B1.T"));
        QVERIFY(!AcceptsAt(editor, text, variables));
        QVERIFY(!DropAt(editor, text, CentreOf(editor, FormControl::ProfilesList)));
        QCOMPARE(editor.ProfileRows().size(), 1);
        // A single element widens to its whole variable only on the profiles list.
        const QPoint profiles = CentreOf(editor, FormControl::ProfilesList);
        QVERIFY(DropAt(editor, *PathData(Payload({"B1.T(3) "})), profiles));
        QCOMPARE(editor.VariableEntries(), QStringList({"T(*)"}));
        // Two subscripts, or a variable without the attribute, stay elements.
        QVERIFY(DropAt(editor, *PathData(Payload({"B1.X(2,1)"})), profiles));
        QCOMPARE(editor.VariableEntries(), QStringList({"X(2,1)"}));
        QVERIFY(DropAt(editor, *PathData(Payload({"B1.P(4)"})), profiles));
        QCOMPARE(editor.VariableEntries(), QStringList({"P(4)"}));
        // On the variables list the element stays an element.
        QVERIFY(DropAt(editor, *PathData(Payload({"B1.T(3)"})), CentreOf(editor, FormControl::VariablesList)));
        QCOMPARE(editor.VariableEntries(), QStringList({"P(4)", "T(3)"}));
    }

    void hostilePayloadsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("reason");
        QByteArray oversized(static_cast<qsizetype>(MaxDropPayloadBytes) + 1, 'a');
        oversized.replace(0, 11, "Flowsheet\r\n");
        QTest::newRow("oversized") << oversized << "more than";
        QTest::newRow("binary after the text") << QByteArray("Flowsheet\r\nB1.T\0\x01\x02", 19) << "binary";
        QTest::newRow("control character") << QByteArray("Flowsheet\r\nB1\x1b.T", 16) << "status -7";
        QTest::newRow("bare line feed") << QByteArray("Flowsheet\nB1.T") << "status -6";
        QTest::newRow("empty") << QByteArray() << "empty";
    }

    void hostilePayloadsAreRefused()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QString, reason);
        EditorFixture editor;
        QVERIFY(OpenOwnedBy(editor, "B1", "B1.Plot"));
        editor.SelectProfileRows({0});
        const auto data = PathData(payload);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dropped variables are refused.*" + reason));
        QVERIFY(!DropAt(editor, *data, CentreOf(editor, FormControl::VariablesList)));
        QCOMPARE(editor.VariableEntries(), QStringList({"T(1)"}));
        // On the profiles list the new profile stays, empty.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("dropped variables are refused.*" + reason));
        QVERIFY(!DropAt(editor, *data, CentreOf(editor, FormControl::ProfilesList)));
        QCOMPARE(editor.ProfileRows(), QStringList({"Top|1 D", "New Profile|1 D"}));
        QVERIFY(editor.view()->ProfilesPart().CurrentProfile()->variables.IsEmpty());
    }

    void draggedProfileIsOnTheClipboardWhileTheDragRuns()
    {
        EditorFixture editor;
        QVERIFY(OpenOwnedBy(editor, "B1", "B1.Plot"));
        editor.SelectProfileRows({0});
        QByteArray offered;
        QByteArray clipboardPaths;
        QByteArray clipboardName;
        bool selfDropAccepted = true;
        bool copyOnProfiles = false;
        COleDataSource::SetDragRunner([&](const QMimeData& data, DROPEFFECT allowed) {
            offered = data.data(PathMime());
            const QMimeData* clipboard = QApplication::clipboard()->mimeData();
            clipboardPaths = clipboard->data(PathMime());
            clipboardName = clipboard->data(NameMime());
            selfDropAccepted = DropAt(editor, data, CentreOf(editor, FormControl::VariablesList));
            copyOnProfiles = AcceptsAt(editor, data, CentreOf(editor, FormControl::ProfilesList));
            return allowed & DROPEFFECT_COPY;
        });
        BeginDrag(editor, 0);
        QCOMPARE(offered, QByteArray("Flowsheet\r\nT(1)\0", 16));
        QCOMPARE(clipboardPaths, offered);
        QCOMPARE(clipboardName, QByteArray("Top\0", 4));
        QVERIFY(!selfDropAccepted);
        QVERIFY(copyOnProfiles);
        QVERIFY(!editor.view()->DragDropPart().IsDraggingProfile());
        QCOMPARE(editor.VariableEntries(), QStringList({"T(1)"}));
        // Afterwards the clipboard holds neither format.
        const QMimeData* after = QApplication::clipboard()->mimeData();
        QVERIFY(!after || (!after->hasFormat(PathMime()) && !after->hasFormat(NameMime())));

        // A second drag reuses the data source and offers the same again.
        offered.clear();
        BeginDrag(editor, 0);
        QCOMPARE(offered, QByteArray("Flowsheet\r\nT(1)\0", 16));
        // A profile without variables drags the context line alone.
        editor.view()->ProfilesPart().NewProfile();
        COleDataSource::SetDragRunner([&](const QMimeData& data, DROPEFFECT) {
            offered = data.data(PathMime());
            clipboardName = QApplication::clipboard()->mimeData()->data(NameMime());
            return DROPEFFECT_NONE;
        });
        BeginDrag(editor, 1);
        QCOMPARE(offered, QByteArray("Flowsheet\0", 10));
        QCOMPARE(clipboardName, QByteArray("New Profile\0", 12));
    }

private:
    // Opens an editor whose owner object is block `ownerPath`.
    CSUProfileEditorView* OpenOwnedBy(EditorFixture& editor, const char* ownerPath, const char* contextName)
    {
        PlotDefinition definition;
        AddUnassigned(definition, "Top", 1, {"T(1)"});
        m_owner = ModelObject::Create(ownerPath);
        m_plotData = ProfilePlotDataObject::Create(
            "plot:test", definition, static_cast<IUnknown*>(static_cast<IHostObjectPath*>(m_owner.get())));
        return editor.OpenOn(static_cast<IProfilePlotData*>(m_plotData.get()), contextName);
    }

    CComPtr<ModelObject> m_owner;
    CComPtr<ProfilePlotDataObject> m_plotData;
};

PE_TEST_MAIN(EditorDragDropTest)
#include "tst_editordragdrop.moc"

// The in-memory host objects as the editor meets them: IUnknown rules, the call log,
// write-then-read of every item and the plot host's refusal of IProfilePlotData;
// the call log's file: one JSON object per line, on disk as soon as the call
// happens, with lines from other code among them; and model variables found by
// path through LuInstance, with the owner's path.

#include "host/interfaces/modelvariable.h"
#include "host/services/luinstance.h"
#include "hostlib/calllog.h"
#include "hostlib/hostmodel.h"
#include "hostlib/modelobject.h"
#include "hostlib/modelvariableobject.h"
#include "hostlib/profileplotdataobject.h"
#include "hostlib/profileplothostobject.h"
#include "support/projecttest.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<QJsonObject> ReadLines(const QString& path)
{
    QFile file(path);
    QList<QJsonObject> lines;
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().trimmed().split('\n'))
            lines.append(QJsonDocument::fromJson(line).object());
    return lines;
}

} // namespace

class HostObjectsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        HostModel& model = HostModel::Shared();
        model.Clear();
        QVERIFY(model.AddBlock("B1"));
        QVERIFY(model.AddVariable("B1", HostModel::Variable {"T", ModelVariableWidenableAttribute | 0x1, {10}}));
        QVERIFY(model.AddVariable("B1", HostModel::Variable {"P", 0x1, {}}));
        QVERIFY(model.AddBlock("Area1.B2"));
        QVERIFY(model.AddVariable("Area1.B2", HostModel::Variable {"X", ModelVariableWidenableAttribute, {3, 4}}));
        // A block whose name repeats the first one's, so that relative and full paths differ.
        QVERIFY(model.AddBlock("B1.B1"));
        QVERIFY(model.AddVariable("B1.B1", HostModel::Variable {"T", 0, {}}));
    }

    void cleanupTestCase() { HostModel::Shared().Clear(); }

    void queryInstance_data()
    {
        QTest::addColumn<QString>("ownerPath");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("found"); // empty: not found
        QTest::addColumn<bool>("widenable");

        const auto row = [](const char* name, const char* owner, const char* path, const char* found, bool widenable) {
            QTest::newRow(name) << QString(owner) << QString(path) << QString(found) << widenable;
        };
        row("relative to the owner", "B1", "T", "B1.T", true);
        row("full path", "Area1.B2", "B1.P", "B1.P", false);
        row("relative wins over full", "B1", "B1.T", "B1.B1.T", false);
        row("case ignored", "b1", "t", "B1.T", true);
        row("element", "B1", "T(3)", "B1.T(3)", true);
        row("element, two subscripts", "Area1.B2", "X( 2 , 4 )", "Area1.B2.X(2,4)", true);
        row("whole array", "B1", "T(*)", "B1.T(*)", true);
        row("subscript past the extent", "B1", "T(11)", "", false);
        row("subscript zero", "B1", "T(0)", "", false);
        row("too few subscripts", "Area1.B2", "X(2)", "", false);
        row("subscript on a scalar", "B1", "P(1)", "", false);
        row("unknown variable", "B1", "Q", "", false);
        row("block, not a variable", "Area1", "B2", "", false);
        row("unbalanced parenthesis", "B1", "T3)", "", false);
        row("empty path", "B1", "", "", false);
    }

    void queryInstance()
    {
        QFETCH(QString, ownerPath);
        QFETCH(QString, path);
        QFETCH(QString, found);
        QFETCH(bool, widenable);

        CComPtr<ModelObject> owner = ModelObject::Create(CString::FromQString(ownerPath));
        void* raw = reinterpret_cast<void*>(1);
        const HRESULT hr = LuInstance(owner->Identity())
                               .QueryInstance(IID_IModelVariable, &raw, path.toLatin1().constData(), nullptr);
        if (found.isEmpty()) {
            QVERIFY(FAILED(hr));
            QCOMPARE(raw, nullptr);
            return;
        }
        QCOMPARE(hr, S_OK);
        CComPtr<IModelVariable> variable;
        variable.Attach(static_cast<IModelVariable*>(raw));
        char buffer[64] = {};
        QCOMPARE(variable->GetPath(buffer, sizeof buffer), S_OK);
        QCOMPARE(QString::fromLatin1(buffer), found);
        QCOMPARE(variable->HasAttribute(ModelVariableWidenableAttribute) != 0, widenable);
        // Handed out with exactly one reference.
        QCOMPARE(variable->AddRef(), ULONG(2));
        QCOMPARE(variable->Release(), ULONG(1));
    }

    void stringPathOwnersAndRefusals()
    {
        CComPtr<ModelObject> owner = ModelObject::Create("Area1.B2");
        {
            const LuInstance instance(owner->Identity());
            const LuInstance copy(instance);
            QCOMPARE(owner->refCount(), ULONG(3)); // each instance holds the owner
            QCOMPARE(copy.StringPath(1).ToQString(), QStringLiteral("Area1.B2"));
            QCOMPARE(copy.StringPath(0).ToQString(), QStringLiteral("B2"));
        }
        QCOMPARE(owner->refCount(), ULONG(1));
        QCOMPARE(LuInstance(nullptr).StringPath(1).ToQString(), QString());

        // What it cannot answer is refused: another interface, no pointer to
        // fill, no owner.
        void* raw = reinterpret_cast<void*>(1);
        QVERIFY(FAILED(LuInstance(owner->Identity()).QueryInstance(IID_IProfilePlotData, &raw, "X", nullptr)));
        QCOMPARE(raw, nullptr);
        QCOMPARE(LuInstance(owner->Identity()).QueryInstance(IID_IModelVariable, nullptr, "X", nullptr), E_POINTER);
        raw = reinterpret_cast<void*>(1);
        QVERIFY(FAILED(LuInstance(nullptr).QueryInstance(IID_IModelVariable, &raw, "B1.T", nullptr)));
        QCOMPARE(raw, nullptr);

        // An owner that is no model object has no path: only full paths are found.
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:P", PlotDefinition(), nullptr);
        const LuInstance instance(plot->Identity());
        QCOMPARE(instance.StringPath(1).ToQString(), QString());
        QCOMPARE(instance.QueryInstance(IID_IModelVariable, &raw, "P", nullptr), LU_E_NOTFOUND);
        QCOMPARE(instance.QueryInstance(IID_IModelVariable, &raw, "B1.P", nullptr), S_OK);
        static_cast<IModelVariable*>(raw)->Release();
    }
    void cleanup() { CallLog::Instance().CloseFile(); }

    void identityOwnerLastReleaseAndThePlotHost()
    {
        CComPtr<ModelObject> owner = ModelObject::Create("B1");
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", {}, owner->Identity());
        CComPtr<IFormModelSource> source;
        CComPtr<IUnknown> identity;
        QCOMPARE(CComPtr<IUnknown>(plot->Identity()).QueryInterface(IID_IFormModelSource, source), S_OK);
        QCOMPARE(source.QueryInterface(IID_IUnknown, identity), S_OK);
        QCOMPARE(identity.get(), plot->Identity());
        // A refusal gives null and takes no reference.
        void* raw = reinterpret_cast<void*>(1);
        QCOMPARE(source->QueryInterface(IID_IProfilePlotHost, &raw), E_NOINTERFACE);
        QCOMPARE(raw, nullptr);
        QCOMPARE(plot->refCount(), ULONG(3));

        // The owner is handed out with a reference; the last Release deletes the object and its own reference.
        CComPtr<IUnknown> given;
        QCOMPARE(source->GetOwnerObject(&given), S_OK);
        QCOMPARE(given.get(), owner->Identity());
        QCOMPARE(owner->refCount(), ULONG(3));
        given.Release();
        plot.Release();
        identity.Release();
        QCOMPARE(source.Detach()->Release(), ULONG(0));
        QCOMPARE(owner->refCount(), ULONG(1));

        PlotDefinition definition;
        definition.timeMode = 2;
        plot = ProfilePlotDataObject::Create("plot:A", definition, owner->Identity());
        CComPtr<ProfilePlotHostObject> host = ProfilePlotHostObject::Create("plothost:A", plot.get());
        // The plot host hands out the plot data object not through QueryInterface,
        // but through GetPlotDataObjects, with its owner and the time mode.
        CComPtr<IUnknown> edited(host->Identity());
        CComPtr<IProfilePlotData> data;
        QCOMPARE(edited.QueryInterface(IID_IProfilePlotData, data), E_NOINTERFACE);
        CComPtr<IProfilePlotHost> plotHost;
        QCOMPARE(edited.QueryInterface(IID_IProfilePlotHost, plotHost), S_OK);
        int32_t timeMode = -1;
        QCOMPARE(plotHost->GetTimeMode(&timeMode), S_OK);
        QCOMPARE(timeMode, 2);
        CComPtr<IUnknown> givenOwner;
        QCOMPARE(plotHost->GetPlotDataObjects(&data, &givenOwner), S_OK);
        QCOMPARE(data.get(), static_cast<IProfilePlotData*>(plot.get()));
        QCOMPARE(givenOwner.get(), owner->Identity());
        QCOMPARE(plot->refCount(), ULONG(3)); // the test, the host and the caller

        plotHost->NotifyPreviousPlotProfiles(CStringArray {"T", "P"}, "Height");
        plotHost->NotifyEditorClosing();
        QCOMPARE(host->callNames(),
            QStringList({"QueryInterface", "QueryInterface", "GetTimeMode", "GetPlotDataObjects",
                "NotifyPreviousPlotProfiles", "NotifyEditorClosing"}));
        QCOMPARE(host->calls()[4].args,
            QJsonObject({{"previousPlottedNames", QJsonArray {"T", "P"}}, {"previousXAxisName", "Height"}}));
        QCOMPARE(host->calls()[1].args,
            QJsonObject({{"iid", "{2332E151-F5D2-11D3-8042-00C04F89DD44}"}, {"interface", "IProfilePlotHost"}}));
    }

    void everyGetGivesWhatWasLastWritten()
    {
        // Values no editor would write, and arrays that disagree, are given back as they are.
        const PlotDefinition stale {
            1, 1, "stale", "", {"s"}, {"s"}, {"s"}, {9}, {9}, {"s"}, {"s"}, {9}, {9}, {"s"}, 10, {"s"}, 1};
        const PlotDefinition w {7, -1, "", "Depth", {"A.X"}, {"A.Y(1)", "A.Y(2)"}, {"one", "two", "one"}, {2}, {5, 0},
            {"A.V"}, // plotted
            {"free"}, {1, 1}, {}, {"A.W", "A.W"}, // unassigned
            123456789, {"1,5*", "0,25"}, stale.timeMode}; // not an item of the interface
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", stale, nullptr);
        IProfilePlotData* data = plot.get();
        data->SetIs3DPlot(w.is3DPlot);
        data->SetYAxisIsTime(w.yAxisIsTime);
        data->SetPlotProfiles(w.xAxisName, w.yAxisName, w.plottedNames, w.plottedDimensions);
        data->SetPlotProfileVariables(w.xAxisVariables, w.yAxisVariables, w.plottedCounts, w.plottedVariables);
        data->SetUnassignedProfiles(w.unassignedNames, w.unassignedDimensions);
        data->SetUnassignedProfileVariables(w.unassignedCounts, w.unassignedVariables);
        data->SetMaxTimePoints(w.maxTimePoints);
        data->SetTimes(w.timeEntries);
        // Each call is logged with what it was given.
        QCOMPARE(plot->callNames().mid(0, 3), QStringList({"SetIs3DPlot", "SetYAxisIsTime", "SetPlotProfiles"}));
        QCOMPARE(plot->calls()[0].args, QJsonObject({{"is3DPlot", 7}}));
        QCOMPARE(plot->calls()[2].args,
            QJsonObject({{"xAxisName", ""}, {"yAxisName", "Depth"}, {"plottedNames", QJsonArray {"one", "two", "one"}},
                {"plottedDimensions", QJsonArray {2}}}));

        // Read into containers that hold other values: they are replaced, not appended to.
        PlotDefinition r = stale;
        data->GetIs3DPlot(&r.is3DPlot);
        data->GetYAxisIsTime(&r.yAxisIsTime);
        data->GetPlotProfiles(r.xAxisName, r.yAxisName, r.plottedNames, r.plottedDimensions);
        data->GetPlotProfileVariables(r.xAxisVariables, r.yAxisVariables, r.plottedCounts, r.plottedVariables);
        data->GetUnassignedProfiles(r.unassignedNames, r.unassignedDimensions);
        data->GetUnassignedProfileVariables(r.unassignedCounts, r.unassignedVariables);
        data->GetMaxTimePoints(&r.maxTimePoints);
        data->GetTimes(r.timeEntries);
        QVERIFY(r == w);
    }

    void timeModeFollowsTheFormOfTheWrittenEntries()
    {
        // An editor writes entries only; the mode it saved must come back on the next open.
        const struct {
            CStringArray entries;
            int32_t mode;
        } cases[] = {{{"L"}, 0}, {{"0*", "60"}, 2}, {{"1,5*", "0,25"}, 2}, {{"0", "2,5", "600"}, 1}, {{"600"}, 1},
            {{}, 1}, {{"L", "L"}, 1}, {{"0*"}, 1}, {{"*", "1"}, 2}};
        PlotDefinition definition;
        definition.timeMode = 2;
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", definition, nullptr);
        CComPtr<ProfilePlotHostObject> host = ProfilePlotHostObject::Create("plothost:A", plot.get());
        for (const auto& c : cases) {
            plot->SetTimes(c.entries);
            int32_t mode = -1;
            QCOMPARE(host->GetTimeMode(&mode), S_OK);
            QCOMPARE(mode, c.mode);
        }
    }

    void modelVariableGivesPathAndAttributes()
    {
        CComPtr<ModelVariableObject> variable = ModelVariableObject::Create("B1.T(3)", 0x400001);
        char buffer[8];
        QCOMPARE(variable->GetPath(buffer, sizeof buffer), S_OK);
        QCOMPARE(QByteArray(buffer), QByteArray("B1.T(3)"));
        QCOMPARE(variable->GetPath(buffer, 5), S_FALSE);
        QCOMPARE(QByteArray(buffer), QByteArray("B1.T"));
        QCOMPARE(variable->HasAttribute(0x400000), 1);
        QCOMPARE(variable->HasAttribute(0x400002), 0);
        QCOMPARE(variable->callNames(), QStringList({"GetPath", "GetPath", "HasAttribute", "HasAttribute"}));
        QCOMPARE(variable->calls()[2].args, QJsonObject({{"mask", 0x400000}}));
    }

    void writesOneFlushedLinePerCallUntilClosed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("calls.jsonl");
        QVERIFY(WriteTestFile(path, "{\"old\":1}\n"));
        QSignalSpy listened(&CallLog::Instance(), &CallLog::lineWritten);
        QString error;
        QVERIFY2(CallLog::Instance().OpenFile(path, &error), qPrintable(error));
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", PlotDefinition(), nullptr);
        plot->SetTimes(CStringArray {"L"});
        // Read while the file is still open: the line is on disk already, the old contents gone.
        const QJsonObject setTimes(
            {{"object", "plot:A"}, {"call", "SetTimes"}, {"args", QJsonObject({{"timeEntries", QJsonArray {"L"}}})}});
        QCOMPARE(ReadLines(path), QList<QJsonObject>({setTimes}));

        CallLog::Write({{"call", "UpdateAllViews"}});
        CallLog::Instance().CloseFile();
        CallLog::Write({{"call", "after close"}}); // reaches the listeners only
        QCOMPARE(ReadLines(path), QList<QJsonObject>({setTimes, QJsonObject({{"call", "UpdateAllViews"}})}));
        QCOMPARE(listened.size(), 3);

        // A file that cannot be opened is reported.
        const QString missing = dir.filePath("missing-folder/calls.jsonl");
        QVERIFY(!CallLog::Instance().OpenFile(missing, &error));
        QVERIFY2(error.contains(missing), qPrintable(error));
    }
};

PE_TEST_GUILESS_MAIN(HostObjectsTest)
#include "tst_hostobjects.moc"

// The in-memory host objects as the editor meets them: IUnknown rules, the
// call log, write-then-read of every item and the plot host's refusal of
// IProfilePlotData.

#include "workbench/hostlib/calllog.h"
#include "workbench/hostlib/modelobject.h"
#include "workbench/hostlib/modelvariableobject.h"
#include "workbench/hostlib/profileplotdataobject.h"
#include "workbench/hostlib/profileplothostobject.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QJsonArray Texts(std::initializer_list<const char*> texts)
{
    QJsonArray array;
    for (const char* text : texts)
        array.append(QString::fromLatin1(text));
    return array;
}

PlotDefinition SampleDefinition()
{
    PlotDefinition definition;
    definition.is3DPlot = 1;
    definition.yAxisIsTime = 0;
    definition.xAxisName = "Height";
    definition.xAxisVariables = {"B1.Z(*)"};
    definition.plottedNames = {"T", "P"};
    definition.plottedDimensions = {1, 2};
    definition.plottedCounts = {2, 1};
    definition.plottedVariables = {"B1.T(1)", "B1.T(2)", "B1.P(*)"};
    definition.maxTimePoints = 25;
    definition.timeEntries = {"0", "2.5"};
    definition.timeMode = 1;
    return definition;
}

} // namespace

class HostObjectsTest : public QObject {
    Q_OBJECT

private slots:
    void queryInterfaceFollowsTheRules()
    {
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", PlotDefinition(), nullptr);
        QCOMPARE(plot->refCount(), ULONG(1));

        CComPtr<IProfilePlotData> data;
        QCOMPARE(CComPtr<IUnknown>(plot->Identity()).QueryInterface(IID_IProfilePlotData, data), S_OK);
        CComPtr<IFormModelSource> source;
        QCOMPARE(data.QueryInterface(IID_IFormModelSource, source), S_OK);
        QCOMPARE(plot->refCount(), ULONG(3));

        // One identity, whichever interface it is asked through.
        CComPtr<IUnknown> viaData;
        CComPtr<IUnknown> viaSource;
        QCOMPARE(data.QueryInterface(IID_IUnknown, viaData), S_OK);
        QCOMPARE(source.QueryInterface(IID_IUnknown, viaSource), S_OK);
        QCOMPARE(viaData.get(), viaSource.get());
        QCOMPARE(viaData.get(), plot->Identity());
        QCOMPARE(plot->refCount(), ULONG(5));

        // Refusals give null and take no reference.
        void* raw = reinterpret_cast<void*>(1);
        QCOMPARE(data->QueryInterface(IID_IProfilePlotHost, &raw), E_NOINTERFACE);
        QCOMPARE(raw, nullptr);
        QCOMPARE(data->QueryInterface(IID_IModelVariable, nullptr), E_POINTER);
        QCOMPARE(plot->refCount(), ULONG(5));
    }

    void lastReleaseDeletesTheObject()
    {
        CComPtr<ModelObject> owner = ModelObject::Create("B1");
        IProfilePlotData* data = nullptr;
        {
            CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", PlotDefinition(),
                                                                                owner->Identity());
            QCOMPARE(owner->refCount(), ULONG(2));
            data = plot.get();
            QCOMPARE(data->AddRef(), ULONG(2));
        }
        QCOMPARE(owner->refCount(), ULONG(2));
        QCOMPARE(data->Release(), ULONG(0));
        // The plot object is gone and with it its reference on the owner.
        QCOMPARE(owner->refCount(), ULONG(1));
    }

    void logsCallsInOrderWithArguments()
    {
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:Column temperatures",
                                                                            PlotDefinition(), nullptr);
        QSignalSpy lines(&CallLog::Instance(), &CallLog::lineWritten);
        int32_t flag = 0;
        IProfilePlotData* data = plot.get();
        data->AddRef();
        data->GetIs3DPlot(&flag);
        data->SetIs3DPlot(1);
        data->SetPlotProfiles("X", "", CStringArray{"T", "P"}, CUIntArray{1, 2});
        void* raw = nullptr;
        data->QueryInterface(IID_IProfilePlotHost, &raw);
        data->SetTimes(CStringArray{"L"});
        data->Release();

        QCOMPARE(plot->callNames(),
                 QStringList({"GetIs3DPlot", "SetIs3DPlot", "SetPlotProfiles", "QueryInterface", "SetTimes"}));
        const std::vector<CallRecord>& calls = plot->calls();
        QCOMPARE(calls[0].args, QJsonObject());
        QCOMPARE(calls[1].args, QJsonObject({{"is3DPlot", 1}}));
        QCOMPARE(calls[2].args, QJsonObject({{"xAxisName", "X"},
                                             {"yAxisName", ""},
                                             {"plottedNames", Texts({"T", "P"})},
                                             {"plottedDimensions", QJsonArray{1, 2}}}));
        QCOMPARE(calls[3].args, QJsonObject({{"iid", "{2332E151-F5D2-11D3-8042-00C04F89DD44}"},
                                             {"interface", "IProfilePlotHost"}}));
        QCOMPARE(calls[4].args, QJsonObject({{"timeEntries", Texts({"L"})}}));

        // The same records reach the process-wide log, named by object.
        QCOMPARE(lines.size(), 5);
        const QJsonObject last = lines.at(4).at(0).toJsonObject();
        QCOMPARE(last, QJsonObject({{"object", "plot:Column temperatures"},
                                    {"call", "SetTimes"},
                                    {"args", QJsonObject({{"timeEntries", Texts({"L"})}})}}));
    }

    void everyGetGivesWhatWasLastWritten()
    {
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", SampleDefinition(), nullptr);
        IProfilePlotData* data = plot.get();

        // Values no editor would write, and arrays that disagree: given back as they are.
        const CStringArray xVariables{"A.X"};
        const CStringArray yVariables{"A.Y(1)", "A.Y(2)"};
        const CStringArray plottedNames{"one", "two", "one"};
        const CUIntArray plottedDimensions{2};
        const CUIntArray plottedCounts{5, 0};
        const CStringArray plottedVariables{"A.V"};
        const CStringArray unassignedNames{"free"};
        const CUIntArray unassignedDimensions{1, 1};
        const CUIntArray unassignedCounts{};
        const CStringArray unassignedVariables{"A.W", "A.W"};
        const CStringArray times{"1,5*", "0,25"};
        data->SetIs3DPlot(7);
        data->SetYAxisIsTime(-1);
        data->SetPlotProfiles("", "Depth", plottedNames, plottedDimensions);
        data->SetPlotProfileVariables(xVariables, yVariables, plottedCounts, plottedVariables);
        data->SetUnassignedProfiles(unassignedNames, unassignedDimensions);
        data->SetUnassignedProfileVariables(unassignedCounts, unassignedVariables);
        data->SetMaxTimePoints(123456789);
        data->SetTimes(times);

        int32_t number = 0;
        data->GetIs3DPlot(&number);
        QCOMPARE(number, 7);
        data->GetYAxisIsTime(&number);
        QCOMPARE(number, -1);
        data->GetMaxTimePoints(&number);
        QCOMPARE(number, 123456789);

        // Containers the caller hands in are replaced, not appended to.
        CString xName = "stale";
        CString yName;
        CStringArray names{"stale"};
        CUIntArray dimensions{9, 9, 9};
        data->GetPlotProfiles(xName, yName, names, dimensions);
        QVERIFY(xName == "" && yName == "Depth");
        QVERIFY(names == plottedNames);
        QVERIFY(dimensions == plottedDimensions);

        CStringArray gotX{"stale"};
        CStringArray gotY;
        CUIntArray counts{1};
        CStringArray variables{"stale"};
        data->GetPlotProfileVariables(gotX, gotY, counts, variables);
        QVERIFY(gotX == xVariables && gotY == yVariables);
        QVERIFY(counts == plottedCounts && variables == plottedVariables);

        data->GetUnassignedProfiles(names, dimensions);
        QVERIFY(names == unassignedNames && dimensions == unassignedDimensions);
        data->GetUnassignedProfileVariables(counts, variables);
        QVERIFY(counts == unassignedCounts && variables == unassignedVariables);

        CStringArray gotTimes{"stale"};
        data->GetTimes(gotTimes);
        QVERIFY(gotTimes == times);

        // The host's own view agrees with what the interface gave.
        QCOMPARE(plot->definition().maxTimePoints, 123456789);
        QVERIFY(plot->definition().plottedNames == plottedNames);
        QCOMPARE(plot->definition().timeMode, SampleDefinition().timeMode);
    }

    void formModelSourceGivesOwnerAndCountsNotices()
    {
        CComPtr<ModelObject> owner = ModelObject::Create("B1");
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", PlotDefinition(),
                                                                            owner->Identity());
        IFormModelSource* source = plot.get();
        IUnknown* given = nullptr;
        QCOMPARE(source->GetOwnerObject(&given), S_OK);
        QCOMPARE(given, owner->Identity());
        QCOMPARE(owner->refCount(), ULONG(3)); // the test, the plot object and the caller
        given->Release();

        source->NotifyDefinitionChanged();
        source->NotifyDefinitionChanged();
        QCOMPARE(plot->definitionChangedCount(), 2);

        plot->setOwner(nullptr);
        QCOMPARE(owner->refCount(), ULONG(1));
        given = reinterpret_cast<IUnknown*>(1);
        QCOMPARE(source->GetOwnerObject(&given), S_OK);
        QCOMPARE(given, nullptr);
    }

    void plotHostRefusesProfilePlotData()
    {
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", PlotDefinition(), nullptr);
        CComPtr<ProfilePlotHostObject> host = ProfilePlotHostObject::Create("plothost:A", plot.get());
        CComPtr<IUnknown> edited(host->Identity());

        CComPtr<IProfilePlotData> data;
        QCOMPARE(edited.QueryInterface(IID_IProfilePlotData, data), E_NOINTERFACE);
        QVERIFY(!data);
        CComPtr<IProfilePlotHost> plotHost;
        QCOMPARE(edited.QueryInterface(IID_IProfilePlotHost, plotHost), S_OK);
        QCOMPARE(host->callNames(), QStringList({"QueryInterface", "QueryInterface"}));
        QCOMPARE(host->calls()[0].args.value("interface").toString(), QStringLiteral("IProfilePlotData"));
    }

    void plotHostHandsOutItsObjects()
    {
        CComPtr<ModelObject> owner = ModelObject::Create("B1");
        PlotDefinition definition;
        definition.timeMode = 2;
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", definition, owner->Identity());
        CComPtr<ProfilePlotHostObject> host = ProfilePlotHostObject::Create("plothost:A", plot.get());
        QCOMPARE(plot->refCount(), ULONG(2));

        int32_t timeMode = -1;
        QCOMPARE(host->GetTimeMode(&timeMode), S_OK);
        QCOMPARE(timeMode, 2);

        IProfilePlotData* data = nullptr;
        IUnknown* givenOwner = nullptr;
        QCOMPARE(host->GetPlotDataObjects(&data, &givenOwner), S_OK);
        QCOMPARE(data, static_cast<IProfilePlotData*>(plot.get()));
        QCOMPARE(givenOwner, owner->Identity());
        QCOMPARE(plot->refCount(), ULONG(3));
        QCOMPARE(owner->refCount(), ULONG(3));
        data->Release();
        givenOwner->Release();

        data = reinterpret_cast<IProfilePlotData*>(1);
        QCOMPARE(host->GetPlotDataObjects(&data, nullptr), E_POINTER);
        QCOMPARE(data, nullptr);
    }

    void plotHostLogsAndCountsNotices()
    {
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", PlotDefinition(), nullptr);
        CComPtr<ProfilePlotHostObject> host = ProfilePlotHostObject::Create("plothost:A", plot.get());
        IProfilePlotHost* plotHost = host.get();
        plotHost->NotifyDefinitionWritten();
        plotHost->NotifyPreviousPlotProfiles(CStringArray{"T", "P"}, "Height");
        plotHost->NotifyEditorClosing();

        QCOMPARE(host->callNames(),
                 QStringList({"NotifyDefinitionWritten", "NotifyPreviousPlotProfiles", "NotifyEditorClosing"}));
        QCOMPARE(host->calls()[1].args, QJsonObject({{"previousPlottedNames", Texts({"T", "P"})},
                                                     {"previousXAxisName", "Height"}}));
        QCOMPARE(host->definitionWrittenCount(), 1);
        QCOMPARE(host->previousPlotProfilesCount(), 1);
        QCOMPARE(host->editorClosingCount(), 1);
        QVERIFY(host->previousPlottedNames() == CStringArray({"T", "P"}));
        QVERIFY(host->previousXAxisName() == "Height");
    }

    void modelVariableGivesPathAndAttributes()
    {
        CComPtr<ModelVariableObject> variable = ModelVariableObject::Create("B1.T(3)", 0x400001);
        IModelVariable* model = variable.get();
        char buffer[8];
        QCOMPARE(model->GetPath(buffer, sizeof buffer), S_OK);
        QCOMPARE(QByteArray(buffer), QByteArray("B1.T(3)"));
        QCOMPARE(model->GetPath(buffer, 5), S_FALSE);
        QCOMPARE(QByteArray(buffer), QByteArray("B1.T"));
        QCOMPARE(model->GetPath(buffer, 0), E_POINTER);
        QVERIFY(model->HasAttribute(0x400000) != 0);
        QVERIFY(model->HasAttribute(0x400001) != 0);
        QCOMPARE(model->HasAttribute(0x400002), 0);
        QCOMPARE(variable->callNames(), QStringList({"GetPath", "GetPath", "GetPath", "HasAttribute",
                                                     "HasAttribute", "HasAttribute"}));
        QCOMPARE(variable->calls()[3].args, QJsonObject({{"mask", 0x400000}}));
    }
};

QTEST_GUILESS_MAIN(HostObjectsTest)
#include "tst_hostobjects.moc"

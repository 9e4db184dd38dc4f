// Finding model variables by path through LuInstance, and the model registry
// behind it.

#include "host/interfaces/modelvariable.h"
#include "host/services/luinstance.h"
#include "workbench/hostlib/hostmodel.h"
#include "workbench/hostlib/modelobject.h"
#include "workbench/hostlib/profileplotdataobject.h"

#include <QtTest>

namespace {

CString Path(IModelVariable* variable)
{
    char buffer[256];
    return SUCCEEDED(variable->GetPath(buffer, sizeof buffer)) ? CString(buffer) : CString("<GetPath failed>");
}

HostModel::Variable MakeVariable(const char* name, uint32_t attributes, std::vector<UINT> extents = {})
{
    HostModel::Variable variable;
    variable.name = name;
    variable.attributes = attributes;
    variable.extents = std::move(extents);
    return variable;
}

} // namespace

class LuInstanceTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        HostModel& model = HostModel::Shared();
        model.Clear();
        QVERIFY(model.AddBlock("B1"));
        QVERIFY(model.AddVariable("B1", MakeVariable("T", ModelVariableWidenableAttribute | 0x1, {10})));
        QVERIFY(model.AddVariable("B1", MakeVariable("P", 0x1)));
        QVERIFY(model.AddBlock("Area1.B2"));
        QVERIFY(model.AddVariable("Area1.B2", MakeVariable("X", ModelVariableWidenableAttribute, {3, 4})));
        // A block whose name repeats the first one's, so that relative and full paths differ.
        QVERIFY(model.AddBlock("B1.B1"));
        QVERIFY(model.AddVariable("B1.B1", MakeVariable("T", 0)));
    }

    void cleanupTestCase() { HostModel::Shared().Clear(); }

    void queryInstance_data()
    {
        QTest::addColumn<QString>("ownerPath");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("found"); // empty: not found
        QTest::addColumn<bool>("widenable");

        QTest::newRow("relative to the owner") << "B1" << "T" << "B1.T" << true;
        QTest::newRow("full path") << "Area1.B2" << "B1.P" << "B1.P" << false;
        QTest::newRow("relative wins over full") << "B1" << "B1.T" << "B1.B1.T" << false;
        QTest::newRow("case ignored") << "b1" << "t" << "B1.T" << true;
        QTest::newRow("dotted owner") << "Area1.B2" << "X" << "Area1.B2.X" << true;
        QTest::newRow("element") << "B1" << "T(3)" << "B1.T(3)" << true;
        QTest::newRow("element, two subscripts") << "Area1.B2" << "X( 2 , 4 )" << "Area1.B2.X(2,4)" << true;
        QTest::newRow("whole array") << "B1" << "T(*)" << "B1.T(*)" << true;
        QTest::newRow("subscript past the extent") << "B1" << "T(11)" << "" << false;
        QTest::newRow("subscript zero") << "B1" << "T(0)" << "" << false;
        QTest::newRow("too few subscripts") << "Area1.B2" << "X(2)" << "" << false;
        QTest::newRow("subscript on a scalar") << "B1" << "P(1)" << "" << false;
        QTest::newRow("unknown variable") << "B1" << "Q" << "" << false;
        QTest::newRow("block, not a variable") << "Area1" << "B2" << "" << false;
        QTest::newRow("unbalanced parenthesis") << "B1" << "T3)" << "" << false;
    }

    void queryInstance()
    {
        QFETCH(QString, ownerPath);
        QFETCH(QString, path);
        QFETCH(QString, found);
        QFETCH(bool, widenable);

        CComPtr<ModelObject> owner = ModelObject::Create(CString::FromQString(ownerPath));
        const LuInstance instance(owner.get()->Identity());
        void* raw = reinterpret_cast<void*>(1);
        const HRESULT hr = instance.QueryInstance(IID_IModelVariable, &raw, path.toLatin1().constData(), nullptr);
        if (found.isEmpty()) {
            QVERIFY(FAILED(hr));
            QCOMPARE(raw, nullptr);
            return;
        }
        QCOMPARE(hr, S_OK);
        QVERIFY(raw);
        auto* variable = static_cast<IModelVariable*>(raw);
        QCOMPARE(QString::fromLatin1(Path(variable).GetString()), found);
        QCOMPARE(variable->HasAttribute(ModelVariableWidenableAttribute) != 0, widenable);
        // Handed out with exactly one reference.
        QCOMPARE(variable->AddRef(), ULONG(2));
        QCOMPARE(variable->Release(), ULONG(1));
        QCOMPARE(variable->Release(), ULONG(0));
    }

    void attributeTestNeedsEveryBitOfTheMask()
    {
        CComPtr<ModelObject> owner = ModelObject::Create("B1");
        void* raw = nullptr;
        QCOMPARE(LuInstance(owner->Identity()).QueryInstance(IID_IModelVariable, &raw, "T", nullptr), S_OK);
        CComPtr<IModelVariable> variable;
        variable.Attach(static_cast<IModelVariable*>(raw));
        QVERIFY(variable->HasAttribute(ModelVariableWidenableAttribute) != 0);
        QVERIFY(variable->HasAttribute(ModelVariableWidenableAttribute | 0x1) != 0);
        QCOMPARE(variable->HasAttribute(ModelVariableWidenableAttribute | 0x2), 0);
        QCOMPARE(variable->HasAttribute(0x2), 0);
    }

    void refusesWhatItCannotAnswer()
    {
        CComPtr<ModelObject> owner = ModelObject::Create("B1");
        const LuInstance instance(owner->Identity());
        void* raw = reinterpret_cast<void*>(1);
        QVERIFY(FAILED(instance.QueryInstance(IID_IProfilePlotData, &raw, "T", nullptr)));
        QCOMPARE(raw, nullptr);
        raw = reinterpret_cast<void*>(1);
        QVERIFY(FAILED(instance.QueryInstance(IID_IModelVariable, &raw, "", nullptr)));
        QCOMPARE(raw, nullptr);
        QVERIFY(FAILED(instance.QueryInstance(IID_IModelVariable, &raw, nullptr, nullptr)));
        QCOMPARE(instance.QueryInstance(IID_IModelVariable, nullptr, "T", nullptr), E_POINTER);

        raw = reinterpret_cast<void*>(1);
        QVERIFY(FAILED(LuInstance(nullptr).QueryInstance(IID_IModelVariable, &raw, "B1.T", nullptr)));
        QCOMPARE(raw, nullptr);
    }

    void ownerThatIsNoModelObjectReadsFullPaths()
    {
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:P", PlotDefinition(), nullptr);
        const LuInstance instance(plot->Identity());
        QCOMPARE(std::string(instance.StringPath(1).GetString()), std::string());
        void* raw = nullptr;
        QCOMPARE(instance.QueryInstance(IID_IModelVariable, &raw, "B1.P", nullptr), S_OK);
        static_cast<IModelVariable*>(raw)->Release();
        QCOMPARE(instance.QueryInstance(IID_IModelVariable, &raw, "P", nullptr), LU_E_NOTFOUND);
    }

    void stringPath()
    {
        CComPtr<ModelObject> owner = ModelObject::Create("Area1.B2");
        QCOMPARE(std::string(LuInstance(owner->Identity()).StringPath(1).GetString()), std::string("Area1.B2"));
        QCOMPARE(std::string(LuInstance(owner->Identity()).StringPath(0).GetString()), std::string("B2"));
        QCOMPARE(std::string(LuInstance(nullptr).StringPath(1).GetString()), std::string());
    }

    void instanceHoldsAReferenceOnTheOwner()
    {
        CComPtr<ModelObject> owner = ModelObject::Create("B1");
        QCOMPARE(owner->refCount(), ULONG(1));
        {
            const LuInstance instance(owner->Identity());
            const LuInstance copy(instance);
            QCOMPARE(owner->refCount(), ULONG(3));
        }
        QCOMPARE(owner->refCount(), ULONG(1));
    }

    void modelRefusesBadEntries_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<int>("extent");
        QTest::addColumn<QString>("errorPart");

        QTest::newRow("empty block") << "" << "" << 1 << "must not be empty";
        QTest::newRow("block with parenthesis") << "B(1)" << "" << 1 << "not valid";
        QTest::newRow("block with empty part") << "A..B" << "" << 1 << "not valid";
        QTest::newRow("block ending in a dot") << "A." << "" << 1 << "not valid";
        QTest::newRow("duplicate block, other case") << "b1" << "" << 1 << "exists already";
        QTest::newRow("variable in missing block") << "B9" << "T" << 1 << "no block";
        QTest::newRow("variable with a dot") << "B1" << "T.X" << 1 << "not valid";
        QTest::newRow("variable with a wildcard") << "B1" << "T*" << 1 << "not valid";
        QTest::newRow("empty variable") << "B1" << "" << 1 << "not valid";
        QTest::newRow("duplicate variable") << "B1" << "t" << 1 << "already";
        QTest::newRow("zero extent") << "B1" << "Z" << 0 << "extent of 0";
    }

    void modelRefusesBadEntries()
    {
        QFETCH(QString, block);
        QFETCH(QString, variable);
        QFETCH(int, extent);
        QFETCH(QString, errorPart);

        HostModel& model = HostModel::Shared();
        const int variablesBefore = model.variableCount();
        const size_t blocksBefore = model.blocks().size();
        QString error;
        const bool addingVariable = !variable.isEmpty() || block == QLatin1String("B1");
        const bool added = addingVariable
            ? model.AddVariable(CString::FromQString(block),
                                MakeVariable(variable.toLatin1().constData(), 0, {static_cast<UINT>(extent)}), &error)
            : model.AddBlock(CString::FromQString(block), &error);
        QVERIFY(!added);
        QVERIFY2(error.contains(errorPart), qPrintable(error));
        QCOMPARE(model.variableCount(), variablesBefore);
        QCOMPARE(model.blocks().size(), blocksBefore);
    }

    void modelKeepsOrderOfBlocksAndVariables()
    {
        const std::vector<HostModel::Block>& blocks = HostModel::Shared().blocks();
        QCOMPARE(blocks.size(), size_t(3));
        QCOMPARE(std::string(blocks[0].path.GetString()), std::string("B1"));
        QCOMPARE(std::string(blocks[0].variables[1].name.GetString()), std::string("P"));
        QCOMPARE(std::string(blocks[1].path.GetString()), std::string("Area1.B2"));
        QVERIFY(HostModel::Shared().FindBlock("area1.b2") == &blocks[1]);
    }
};

QTEST_APPLESS_MAIN(LuInstanceTest)
#include "tst_luinstance.moc"

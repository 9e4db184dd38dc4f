// Finding model variables by path through LuInstance, and the model registry
// behind it.

#include "host/interfaces/modelvariable.h"
#include "host/services/luinstance.h"
#include "workbench/hostlib/hostmodel.h"
#include "workbench/hostlib/modelobject.h"
#include "workbench/hostlib/profileplotdataobject.h"

#include <QtTest>

namespace {

HostModel::Variable MakeVariable(const char* name, uint32_t attributes, std::vector<UINT> extents = {})
{
    return HostModel::Variable{name, attributes, std::move(extents)};
}

QString PathOf(const LuInstance& instance, int flag)
{
    return QString::fromLatin1(instance.StringPath(flag).GetString());
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
        QTest::newRow("empty path") << "B1" << "" << "" << false;
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

    void refusesWhatItCannotAnswer()
    {
        CComPtr<ModelObject> owner = ModelObject::Create("B1");
        const LuInstance instance(owner->Identity());
        void* raw = reinterpret_cast<void*>(1);
        QVERIFY(FAILED(instance.QueryInstance(IID_IProfilePlotData, &raw, "T", nullptr)));
        QCOMPARE(raw, nullptr);
        QVERIFY(FAILED(instance.QueryInstance(IID_IModelVariable, &raw, nullptr, nullptr)));
        QCOMPARE(instance.QueryInstance(IID_IModelVariable, nullptr, "T", nullptr), E_POINTER);
        raw = reinterpret_cast<void*>(1);
        QVERIFY(FAILED(LuInstance(nullptr).QueryInstance(IID_IModelVariable, &raw, "B1.T", nullptr)));
        QCOMPARE(raw, nullptr);
    }

    void stringPathAndOwners()
    {
        CComPtr<ModelObject> owner = ModelObject::Create("Area1.B2");
        {
            const LuInstance instance(owner->Identity());
            const LuInstance copy(instance);
            QCOMPARE(owner->refCount(), ULONG(3)); // each instance holds the owner
            QCOMPARE(PathOf(copy, 1), QStringLiteral("Area1.B2"));
            QCOMPARE(PathOf(copy, 0), QStringLiteral("B2"));
        }
        QCOMPARE(owner->refCount(), ULONG(1));
        QCOMPARE(PathOf(LuInstance(nullptr), 1), QString());

        // An owner that is no model object has no path: only full paths are found.
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:P", PlotDefinition(), nullptr);
        const LuInstance instance(plot->Identity());
        QCOMPARE(PathOf(instance, 1), QString());
        CComPtr<IModelVariable> variable;
        QCOMPARE(instance.QueryInstance(IID_IModelVariable, reinterpret_cast<void**>(&variable), "B1.P", nullptr),
                 S_OK);
        QCOMPARE(instance.QueryInstance(IID_IModelVariable, reinterpret_cast<void**>(&variable), "P", nullptr),
                 LU_E_NOTFOUND);
    }

    void modelRefusesBadEntries_data()
    {
        QTest::addColumn<QString>("block"); // the block to add, or to add the variable to
        QTest::addColumn<QString>("variable"); // empty: add the block
        QTest::addColumn<int>("extent");
        QTest::addColumn<QString>("errorPart");

        QTest::newRow("empty block") << "" << "" << 1 << "must not be empty";
        QTest::newRow("block with parenthesis") << "B(1)" << "" << 1 << "not valid";
        QTest::newRow("variable in missing block") << "B9" << "T" << 1 << "no block";
        QTest::newRow("variable with a dot") << "B1" << "T.X" << 1 << "not valid";
        QTest::newRow("variable with a wildcard") << "B1" << "T*" << 1 << "not valid";
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
        const bool added = variable.isEmpty()
            ? model.AddBlock(CString::FromQString(block), &error)
            : model.AddVariable(CString::FromQString(block),
                                MakeVariable(variable.toLatin1().constData(), 0, {static_cast<UINT>(extent)}), &error);
        QVERIFY(!added);
        QVERIFY2(error.contains(errorPart), qPrintable(error));
        QCOMPARE(model.variableCount(), variablesBefore);
        QCOMPARE(model.blocks().size(), blocksBefore);
    }
};

QTEST_APPLESS_MAIN(LuInstanceTest)
#include "tst_luinstance.moc"

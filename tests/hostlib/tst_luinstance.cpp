// Finding model variables by path through LuInstance, and the owner's path.

#include "host/interfaces/modelvariable.h"
#include "host/services/luinstance.h"
#include "hostlib/hostmodel.h"
#include "hostlib/modelobject.h"
#include "hostlib/profileplotdataobject.h"
#include "support/projecttest.h"

#include <QtTest>

class LuInstanceTest : public QObject {
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
        row("dotted owner", "Area1.B2", "X", "Area1.B2.X", true);
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

    void refusesWhatItCannotAnswer()
    {
        CComPtr<ModelObject> owner = ModelObject::Create("B1");
        const LuInstance instance(owner->Identity());
        void* raw = reinterpret_cast<void*>(1);
        QVERIFY(FAILED(instance.QueryInstance(IID_IProfilePlotData, &raw, "T", nullptr)));
        QCOMPARE(raw, nullptr);
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
            QCOMPARE(copy.StringPath(1).ToQString(), QStringLiteral("Area1.B2"));
            QCOMPARE(copy.StringPath(0).ToQString(), QStringLiteral("B2"));
        }
        QCOMPARE(owner->refCount(), ULONG(1));
        QCOMPARE(LuInstance(nullptr).StringPath(1).ToQString(), QString());

        // An owner that is no model object has no path: only full paths are found.
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:P", PlotDefinition(), nullptr);
        const LuInstance instance(plot->Identity());
        QCOMPARE(instance.StringPath(1).ToQString(), QString());
        void* raw = nullptr;
        QCOMPARE(instance.QueryInstance(IID_IModelVariable, &raw, "P", nullptr), LU_E_NOTFOUND);
        QCOMPARE(instance.QueryInstance(IID_IModelVariable, &raw, "B1.P", nullptr), S_OK);
        static_cast<IModelVariable*>(raw)->Release();
    }
};

PE_TEST_APPLESS_MAIN(LuInstanceTest)
#include "tst_luinstance.moc"

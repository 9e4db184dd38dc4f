// Narrow text and the framework containers: bad indexes raise the
// invalid-argument error instead of reading or writing out of bounds.

#include "platform/core/collections.h"
#include "platform/core/com.h"
#include "support/projecttest.h"

#include <QTest>

#include <functional>

namespace {
struct Counted : IUnknown {
    ULONG refs = 1;
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
};
} // namespace

class TextAndContainersTest : public QObject {
    Q_OBJECT
private slots:
    void badIndexesRaiseInvalidArgument_data()
    {
        QTest::addColumn<std::function<void()>>("operation");
        using Operation = std::function<void()>;
        QTest::newRow("GetAt past end") << Operation([] { (void)CStringArray {"x"}.GetAt(1); });
        QTest::newRow("GetAt negative") << Operation([] { (void)CUIntArray {1u}.GetAt(-1); });
        QTest::newRow("SetAt on empty") << Operation([] { CStringArray().SetAt(0, "x"); });
        QTest::newRow("InsertAt beyond end") << Operation([] { CStringArray {"x"}.InsertAt(2, "y"); });
        QTest::newRow("RemoveAt range past end") << Operation([] { CUIntArray {1u, 2u}.RemoveAt(1, 2); });
        QTest::newRow("CString GetAt past end") << Operation([] { (void)CString("ab").GetAt(2); });
    }

    void badIndexesRaiseInvalidArgument()
    {
        QFETCH(std::function<void()>, operation);
        QVERIFY_THROWS_EXCEPTION(CInvalidArgException, operation());
    }

    void arrayInsertAtEndAppendsAndRemoveKeepsOrder()
    {
        CStringArray a {"a", "c"};
        a.InsertAt(1, "b");
        a.InsertAt(3, "d");
        QCOMPARE(a, (CStringArray {"a", "b", "c", "d"}));
        a.RemoveAt(0, 2);
        QCOMPARE(a, (CStringArray {"c", "d"}));
    }

    void trimFindAndSubstringsBehaveLikeTheFramework()
    {
        CString s("  B1.T(3)  ");
        s.Trim();
        QCOMPARE(s, CString("B1.T(3)"));
        QCOMPARE(s.Find('.'), 2);
        QCOMPARE(s.ReverseFind('('), 4);
        QCOMPARE(s.Left(2), CString("B1"));
        QCOMPARE(s.Mid(3), CString("T(3)"));
        QCOMPARE(s.Mid(3, 100), CString("T(3)"));
        QCOMPARE(s.Right(3), CString("(3)"));
        QCOMPARE(s.FindOneOf("*?~"), -1);
        QCOMPARE(CString("b1.t").CompareNoCase("B1.T"), 0);
        QCOMPARE(CString("abc").Find("c", 3), -1);
    }

    void formatFollowsTheCurrentNumericLocale()
    {
        CString s;
        s.Format("%d %s %3.1f", 7, "D", 0.0);
        QCOMPARE(s, CString("7 D 0.0"));
        s.Format("%s", std::string(5000, 'x').c_str());
        QCOMPARE(s.GetLength(), 5000);
    }

    void wordMapIteratesInAFixedOrderAndLooksUpByKey()
    {
        struct Item : CObject {
            explicit Item(int v) : value(v) { }
            int value;
        };
        Item one(1), two(2), three(3);
        CTypedPtrMap<CMapWordToOb, WORD, Item*> map;
        map.SetAt(30, &three);
        map.SetAt(10, &one);
        map.SetAt(20, &two);
        QList<int> order;
        map.ForEach([&](WORD, Item* item) { order << item->value; });
        QCOMPARE(order, (QList<int> {1, 2, 3}));
        QCOMPARE(map.Find(20), &two);
        QVERIFY(map.RemoveKey(20));
        QCOMPARE(map.Find(20), nullptr);
        QCOMPARE(map.GetCount(), 2);
    }

    void smartPointerHoldsExactlyOneReference()
    {
        Counted object;
        {
            CComPtr<Counted> first(&object);
            QCOMPARE(object.refs, 2u);
            CComPtr<Counted> copy = first;
            QCOMPARE(object.refs, 3u);
            CComPtr<Counted> moved = std::move(copy);
            QCOMPARE(object.refs, 3u);
            first = moved;
            QCOMPARE(object.refs, 3u);
        }
        QCOMPARE(object.refs, 1u);
    }
};

PE_TEST_APPLESS_MAIN(TextAndContainersTest)
#include "tst_textandcontainers.moc"

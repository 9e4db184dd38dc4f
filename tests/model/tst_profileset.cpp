// The profile set: keys from a counter that never goes back, never given twice
// while a profile holds them, and the profiles owned by the set.

#include "support/projecttest.h"

#include "model/profileset.h"

class ProfileSetTest : public QObject {
    Q_OBJECT
private slots:
    void keysCountOnAfterDeletesAndWrapAroundHeldKeys()
    {
        ProfileSet set;
        QCOMPARE(set.Add(new CSUPEProfile("a")), 1);
        QCOMPARE(set.Add(new CSUPEProfile("a")), 2); // same name, own key
        QVERIFY(set.Delete(2));
        QVERIFY(!set.Delete(2));
        QCOMPARE(set.Add(new CSUPEProfile("b")), 3);
        set.DeleteAll();
        QVERIFY(set.IsEmpty());
        QCOMPARE(set.Add(new CSUPEProfile("c")), 4);
        QCOMPARE(set.Find(4)->name, CString("c"));
        QCOMPARE(set.Find(4)->key, 4);
        QCOMPARE(set.Find(1), nullptr);
        QCOMPARE(set.Find(-1), nullptr);
        QCOMPARE(set.Find(70000), nullptr);

        // A copy has no key of its own until it joins the set.
        CSUPEProfile copy(*set.Find(4));
        QCOMPARE(copy.key, 0);

        // Keys wrap after the last, skipping 0 ("no key") and the keys still held.
        set.SetNextProfileKeyForTest(65534);
        auto* last = new CSUPEProfile("x");
        QCOMPARE(set.Add(last), 65535);
        QCOMPARE(set.Find(65535), last); // the last key is found like any other
        QCOMPARE(set.Add(new CSUPEProfile("y")), 1);
        set.SetNextProfileKeyForTest(3);
        QCOMPARE(set.Add(new CSUPEProfile("z")), 5); // 4 is held by "c"
        QCOMPARE(set.GetCount(), 4);
    }
};

PE_TEST_APPLESS_MAIN(ProfileSetTest)
#include "tst_profileset.moc"

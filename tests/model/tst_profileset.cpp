// The profile set: keys from a counter that never goes back, never given twice
// while a profile holds them, and the profiles owned by the set.

#include "support/projecttest.h"

#include "model/profileset.h"

class ProfileSetTest : public QObject {
    Q_OBJECT
private slots:
    void keysCountOnAfterDeletesAndClearing();
    void afterTheWrapHeldKeysAndZeroAreSkipped();
};

void ProfileSetTest::keysCountOnAfterDeletesAndClearing()
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
}

void ProfileSetTest::afterTheWrapHeldKeysAndZeroAreSkipped()
{
    ProfileSet set;
    set.Add(new CSUPEProfile("first")); // holds key 1
    set.SetNextProfileKeyForTest(65534);
    auto* last = new CSUPEProfile("x");
    QCOMPARE(set.Add(last), 65535);
    QCOMPARE(set.Find(65535), last); // the last key is found like any other
    // 0 means "no key" and 1 is held: the counter moves on to 2.
    QCOMPARE(set.Add(new CSUPEProfile("y")), 2);
    QCOMPARE(set.Find(1)->name, CString("first"));
    QCOMPARE(set.GetCount(), 3);
}

PE_TEST_APPLESS_MAIN(ProfileSetTest)
#include "tst_profileset.moc"

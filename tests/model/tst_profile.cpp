// The profile record: what a new profile holds, and what a copy takes over.

#include "model/profile.h"

#include <QTest>

class ProfileTest : public QObject {
    Q_OBJECT
private slots:
    void newProfileHasNameOnlyAndDefinedKey();
    void copyTakesAllButTheKey();
};

void ProfileTest::newProfileHasNameOnlyAndDefinedKey()
{
    const CSUPEProfile profile("New Profile");
    QCOMPARE(profile.name, CString("New Profile"));
    QCOMPARE(profile.variables.GetSize(), 0);
    QCOMPARE(profile.role, int16_t(0));
    QCOMPARE(profile.plotRequested, 0);
    QCOMPARE(profile.dimension, 1);
    QCOMPARE(profile.key, 0);
}

void ProfileTest::copyTakesAllButTheKey()
{
    CSUPEProfile source("Temperatures");
    source.variables.Add("Reactor.T");
    source.variables.Add("Column.T[*]");
    source.role = 4;
    source.key = 7;
    source.plotRequested = 1;
    source.dimension = 2;

    const CSUPEProfile copy(source);
    QCOMPARE(copy.name, source.name);
    QCOMPARE(copy.variables, source.variables);
    QCOMPARE(copy.role, int16_t(4));
    QCOMPARE(copy.plotRequested, 1);
    QCOMPARE(copy.dimension, 2);
    // The copy gets its own key when it joins a profile set.
    QCOMPARE(copy.key, 0);
}

QTEST_GUILESS_MAIN(ProfileTest)
#include "tst_profile.moc"

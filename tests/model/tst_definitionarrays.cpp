// The definition as the host object carries it: profiles split from parallel
// arrays that may disagree, and time entries written by time mode under the C
// and a comma-decimal numeric locale and read back.

#include "support/defaultnumericlocale.h"
#include "support/projecttest.h"

#include "model/profilearrays.h"
#include "model/timeentries.h"

#include "platform/core/invalidarg.h"

namespace {

CStringArray Strings(const QStringList& list)
{
    CStringArray strings;
    for (const QString& s : list)
        strings.Add(CString::FromQString(s));
    return strings;
}

QStringList ToList(const CStringArray& strings)
{
    QStringList list;
    for (const CString& s : strings)
        list << s.ToQString();
    return list;
}

} // namespace

class DefinitionArraysTest : public QObject {
    Q_OBJECT
private slots:
    void profilesSplitFromTheArrays_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<uint>>("dimensions");
        QTest::addColumn<QList<uint>>("counts");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QStringList>("made"); // "name:dimension:variables"
        QTest::addColumn<QString>("error");
        const QStringList vars {"T(*)", "x(*,1)", "x(*,2)", "P(3)"};
        QTest::newRow("in order, shares by count")
            << QStringList {"T", "x", "none"} << QList<uint> {1, 2, 1} << QList<uint> {1, 2, 0} << vars
            << QStringList {"T:1:T(*)", "x:2:x(*,1),x(*,2)", "none:1:"} << "";
        QTest::newRow("no names, stray variables")
            << QStringList {} << QList<uint> {} << QList<uint> {} << vars << QStringList {} << "";
        QTest::newRow("counts add up past the variables")
            << QStringList {"T", "x", "P"} << QList<uint> {1, 2, 1} << QList<uint> {1, 2, 5} << vars
            << QStringList {"T:1:T(*)", "x:2:x(*,1),x(*,2)"}
            << "The plotted profile 3 (\"P\") needs 5 variables from position 4 on, but the definition's plotted "
               "variables end after 4.";
        QTest::newRow("a name without a dimension")
            << QStringList {"T", "x"} << QList<uint> {1} << QList<uint> {1, 2} << vars << QStringList {"T:1:T(*)"}
            << "The plotted profile 2 (\"x\") has no dimension: the definition gives fewer dimensions than names.";
        QTest::newRow("a name without a count")
            << QStringList {"T"} << QList<uint> {1} << QList<uint> {} << vars << QStringList {}
            << "The plotted profile 1 (\"T\") has no variable count: the definition gives fewer counts than names.";
        QTest::newRow("a count beyond any array")
            << QStringList {"T"} << QList<uint> {1} << QList<uint> {4294967295u} << vars << QStringList {}
            << "The plotted profile 1 (\"T\") needs 4294967295 variables from "
               "position 1 on, but the definition's plotted variables end after 4.";
    }

    void profilesSplitFromTheArrays()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<uint>, dimensions);
        QFETCH(QList<uint>, counts);
        QFETCH(QStringList, variables);
        QFETCH(QStringList, made);
        QFETCH(QString, error);
        ProfileArrays arrays;
        arrays.names = Strings(names);
        for (uint d : dimensions)
            arrays.dimensions.Add(d);
        for (uint c : counts)
            arrays.counts.Add(c);
        arrays.variables = Strings(variables);
        QStringList got;
        QString raised;
        try {
            SplitProfileArrays(arrays, 4, "plotted", [&got](std::unique_ptr<CSUPEProfile> profile) {
                QCOMPARE(profile->role, int16_t(4));
                got << QStringLiteral("%1:%2:%3")
                           .arg(profile->name.ToQString())
                           .arg(profile->dimension)
                           .arg(ToList(profile->variables).join(','));
            });
        } catch (const CInvalidArgException& e) {
            raised = QString::fromLatin1(e.what());
        }
        QCOMPARE(got, made);
        QCOMPARE(raised, error);

        // Written back, the profiles made give the arrays they came from.
        if (error.isEmpty() && !names.isEmpty()) {
            ProfileArrays back;
            SplitProfileArrays(arrays, 4, "plotted",
                [&back](std::unique_ptr<CSUPEProfile> profile) { AppendToProfileArrays(back, *profile); });
            QCOMPARE(ToList(back.names), names);
            QCOMPARE(ToList(back.variables), variables.mid(0, ToList(back.variables).size()));
            QCOMPARE(back.counts.GetSize(), counts.size());
        }
    }

    void timeEntriesAreMadeByMode_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<double>>("rows");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("interval");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("continuous: L whatever the rows hold")
            << QByteArray("C") << 0 << QList<double> {1, 2} << 0.0 << 0.0 << 1.0 << QStringList {"L"};
        QTest::newRow("times in row order, in communication units")
            << QByteArray("C") << 1 << QList<double> {1, 0.5} << 0.0 << 0.0 << 1.0 / 60 << QStringList {"60", "30"};
        QTest::newRow("no times") << QByteArray("C") << 1 << QList<double> {} << 0.0 << 0.0 << 1.0 << QStringList {};
        QTest::newRow("start with its star, then the interval")
            << QByteArray("C") << 2 << QList<double> {} << 2.0 << 0.5 << 1.0 << QStringList {"2*", "0.5"};
        QTest::newRow("comma locale") << QByteArray("de_DE.UTF-8") << 2 << QList<double> {} << 2.5 << 0.1 << 1.0
                                      << QStringList {"2,5*", "0,1"};
    }

    void timeEntriesAreMadeByMode()
    {
        QFETCH(QByteArray, locale);
        QFETCH(int, mode);
        QFETCH(QList<double>, rows);
        QFETCH(double, start);
        QFETCH(double, interval);
        QFETCH(double, factor);
        QFETCH(QStringList, entries);
        const DefaultNumericLocale userLocale(locale.constData());
        const std::vector<double> values(rows.begin(), rows.end());
        const CStringArray made = MakeTimeEntries(static_cast<TimeMode>(mode), values, start, interval, factor);
        QCOMPARE(ToList(made), entries);
        // Read back, the entries show the same times.
        if (mode == 2) {
            const ShownTimes shown = ShowTimeEntries(TimeMode::SpecifyInterval, made, factor);
            QCOMPARE(shown.startTime, FormatTime(start));
            QCOMPARE(shown.interval, FormatTime(interval));
            // A host that gives too few entries is refused, not read past the end.
            QVERIFY_THROWS_EXCEPTION(
                CInvalidArgException, ShowTimeEntries(TimeMode::SpecifyInterval, {made[0]}, factor));
        }
    }
};

PE_TEST_APPLESS_MAIN(DefinitionArraysTest)
#include "tst_definitionarrays.moc"

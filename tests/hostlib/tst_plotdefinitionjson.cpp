// The plot definition in the workbench's model file: JSON out and back in,
// the profile records behind the parallel arrays, and clear refusals.

#include "hostlib/plotdefinitionjson.h"
#include "support/projecttest.h"

#include <QJsonDocument>
#include <QtTest>

Q_DECLARE_METATYPE(PlotDefinition)

namespace {

// Every item set; the plotted group holds an empty profile and a repeated name.
PlotDefinition FullDefinition()
{
    return PlotDefinition {1, 0, "Height", "Depth", {"B1.Z(*)"}, {"B2.D(1)", "B2.D(2)"}, {"T", "Empty", "T"}, {1, 2, 1},
        {2, 0, 1}, {"B1.T(1)", "B1.T(2)", "B3.T(*)"}, {"Spare"}, {2}, {1}, {"B1.X(1,2)"}, 250, {"1.5*", "0.25"}, 2};
}

} // namespace

class PlotDefinitionJsonTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<PlotDefinition>("definition");
        QTest::newRow("default") << PlotDefinition();
        QTest::newRow("every item") << FullDefinition();

        PlotDefinition disagreeing = FullDefinition();
        disagreeing.plottedDimensions = {1};
        disagreeing.unassignedCounts = {7};
        QTest::newRow("arrays that disagree") << disagreeing;
    }

    void roundTrip()
    {
        QFETCH(PlotDefinition, definition);
        const QByteArray text = QJsonDocument(PlotDefinitionToJson(definition)).toJson();
        PlotDefinition read;
        read.maxTimePoints = -5; // must be overwritten
        QString error;
        QVERIFY2(PlotDefinitionFromJsonText(text, read, error), qPrintable(error));
        QVERIFY2(read == definition, text.constData());
    }

    void readsProfileRecordsWithDefaults()
    {
        // Left-out dimensions are 1, left-out variables none, left-out keys the defaults.
        const QByteArray text = R"json({"is3DPlot": true, "plotted": [
            {"name": "A", "dimension": 2, "variables": ["B1.T(1)", "B1.T(2)"]},
            {"name": "B", "variables": ["B1.P"]}, {"name": "C"}]})json";
        const PlotDefinition expected {1, 1, "", "", {}, {}, {"A", "B", "C"}, {2, 1, 1}, {2, 1, 0},
            {"B1.T(1)", "B1.T(2)", "B1.P"}, {}, {}, {}, {}, 10, {}, 0};
        PlotDefinition read = FullDefinition();
        QString error;
        QVERIFY2(PlotDefinitionFromJsonText(text, read, error), qPrintable(error));
        QVERIFY(read == expected);
    }

    void refusesBadJson_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("errorPart");

        QTest::newRow("syntax") << QByteArray("{\n  \"is3DPlot\": 1,\n  oops\n}") << "line 3, column";
        QTest::newRow("not an object") << QByteArray("[1, 2]") << "must be a JSON object, found an array";
        QTest::newRow("unknown key") << QByteArray(R"({"plottted": []})") << "unknown key \"plottted\"";
        QTest::newRow("flag as text") << QByteArray(R"({"is3DPlot": "yes"})") << "is3DPlot: expected a whole number";
        QTest::newRow("time points too large") << QByteArray(R"({"maxTimePoints": 3000000000})")
                                               << "maxTimePoints: expected a whole number from -2147483648";
        QTest::newRow("profile without name") << QByteArray(R"({"unassigned": [{"name": "A"}, {"dimension": 1}]})")
                                              << "unassigned[1]: the profile has no \"name\"";
        QTest::newRow("variable not a string")
            << QByteArray(R"({"plotted": [{"name": "A", "variables": ["B1.T", 3]}]})")
            << "plotted[0].variables[1]: expected a string, found the number 3";
        QTest::newRow("array form with bad count") << QByteArray(R"({"plotted": {"names": ["A"], "counts": [null]}})")
                                                   << "plotted.counts[0]: expected a whole number";
    }

    void refusesBadJson()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, errorPart);
        PlotDefinition definition = FullDefinition();
        QString error;
        QVERIFY(!PlotDefinitionFromJsonText(text, definition, error));
        QVERIFY2(error.contains(errorPart), qPrintable(error));
        // Nothing read before the fault reaches the definition.
        QVERIFY(definition == FullDefinition());
    }
};

PE_TEST_APPLESS_MAIN(PlotDefinitionJsonTest)
#include "tst_plotdefinitionjson.moc"

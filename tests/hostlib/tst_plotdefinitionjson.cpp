// The plot definition in the workbench's model file: JSON out and back in,
// the profile records behind the parallel arrays, and clear refusals.

#include "workbench/hostlib/plotdefinitionjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

Q_DECLARE_METATYPE(PlotDefinition)

namespace {

// Every item set; the plotted group holds an empty profile and a repeated name.
PlotDefinition FullDefinition()
{
    return PlotDefinition{1, 0, "Height", "Depth", {"B1.Z(*)"}, {"B2.D(1)", "B2.D(2)"},
                          {"T", "Empty", "T"}, {1, 2, 1}, {2, 0, 1}, {"B1.T(1)", "B1.T(2)", "B3.T(*)"},
                          {"Spare"}, {2}, {1}, {"B1.X(1,2)"},
                          250, {"1.5*", "0.25"}, 2};
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

        PlotDefinition axisWithoutName;
        axisWithoutName.xAxisVariables = {"B1.Z"};
        QTest::newRow("axis variables without a name") << axisWithoutName;

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

    void writesAndReadsProfilesAsRecords()
    {
        const QJsonObject json = PlotDefinitionToJson(FullDefinition());
        const QJsonArray plotted = json.value("plotted").toArray();
        QCOMPARE(plotted.size(), 3);
        QCOMPARE(plotted.at(0).toObject(),
                 QJsonObject({{"name", "T"}, {"dimension", 1}, {"variables", QJsonArray{"B1.T(1)", "B1.T(2)"}}}));
        QCOMPARE(json.value("xAxis").toObject(),
                 QJsonObject({{"name", "Height"}, {"variables", QJsonArray{"B1.Z(*)"}}}));

        // Left-out dimensions are 1, left-out variables none, left-out keys the defaults.
        const QByteArray text = R"json({"is3DPlot": true, "plotted": [
            {"name": "A", "dimension": 2, "variables": ["B1.T(1)", "B1.T(2)"]},
            {"name": "B", "variables": ["B1.P"]}, {"name": "C"}]})json";
        PlotDefinition expected;
        expected.is3DPlot = 1;
        expected.plottedNames = {"A", "B", "C"};
        expected.plottedDimensions = {2, 1, 1};
        expected.plottedCounts = {2, 1, 0};
        expected.plottedVariables = {"B1.T(1)", "B1.T(2)", "B1.P"};
        PlotDefinition read;
        QString error;
        QVERIFY2(PlotDefinitionFromJsonText(text, read, error), qPrintable(error));
        QVERIFY(read == expected);
    }

    void refusesBadJson_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("errorPart");

        QTest::newRow("syntax") << QByteArray("{\n  \"is3DPlot\": 1,\n  oops\n}") << "line 3, column";
        QTest::newRow("empty text") << QByteArray("") << "JSON syntax error";
        QTest::newRow("not an object") << QByteArray("[1, 2]") << "must be a JSON object, found an array";
        QTest::newRow("unknown key") << QByteArray(R"({"plottted": []})") << "unknown key \"plottted\"";
        QTest::newRow("flag as text") << QByteArray(R"({"is3DPlot": "yes"})") << "is3DPlot: expected a whole number";
        QTest::newRow("time points too large") << QByteArray(R"({"maxTimePoints": 3000000000})")
                                               << "maxTimePoints: expected a whole number from -2147483648 to 2147483647";
        QTest::newRow("negative dimension") << QByteArray(R"({"plotted": [{"name": "A", "dimension": -1}]})")
                                            << "plotted[0].dimension: expected a whole number from 0";
        QTest::newRow("profile without name") << QByteArray(R"({"unassigned": [{"name": "A"}, {"dimension": 1}]})")
                                              << "unassigned[1]: the profile has no \"name\"";
        QTest::newRow("variable not a string")
            << QByteArray(R"({"plotted": [{"name": "A", "variables": ["B1.T", 3]}]})")
            << "plotted[0].variables[1]: expected a string, found the number 3";
        QTest::newRow("axis with unknown key") << QByteArray(R"({"yAxis": {"name": "D", "dimension": 1}})")
                                               << "yAxis: unknown key \"dimension\"";
        QTest::newRow("array form with bad count")
            << QByteArray(R"({"plotted": {"names": ["A"], "counts": [null]}})") << "plotted.counts[0]: expected a whole number";
    }

    void refusesBadJson()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, errorPart);
        const PlotDefinition before = FullDefinition();
        PlotDefinition definition = before;
        QString error;
        QVERIFY(!PlotDefinitionFromJsonText(text, definition, error));
        QVERIFY2(error.contains(errorPart), qPrintable(error));
        // Nothing read before the fault reaches the definition.
        QVERIFY(definition == before);
    }
};

QTEST_APPLESS_MAIN(PlotDefinitionJsonTest)
#include "tst_plotdefinitionjson.moc"

// The plot definition in the workbench's model file: JSON out and back in,
// the profile records behind the parallel arrays, and clear refusals. And the
// host's variable-path payload: what the builder writes, what the parser reads
// back, and the payloads it refuses.

#include "host/services/variablepathparser.h"
#include "hostlib/plotdefinitionjson.h"
#include "support/projecttest.h"

#include <QJsonDocument>
#include <QtTest>

Q_DECLARE_METATYPE(PlotDefinition)
Q_DECLARE_METATYPE(CStringArray)

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

    void pathsRoundTrip_data()
    {
        QTest::addColumn<CStringArray>("paths");
        QTest::newRow("no paths") << CStringArray();
        QTest::newRow("many paths, in order")
            << CStringArray {"B1.T(1)", "B1.T(2)", "B2.X(1,2)", "B3.Y(*)", "Area1.B4.Flow rate", "B1.T(1)"};
        QTest::newRow("parentheses, commas, asterisks, spaces kept")
            << CStringArray {"B1.T( 2 , 3 )", "*", "B1.*", " leading and trailing "};
        QTest::newRow("bytes above 127") << CStringArray {"B1.Temp\xE9rature"};
        CStringArray many;
        for (int i = 0; i < 20000; ++i)
            many.Add(CString::FromQString(QStringLiteral("B%1.T(%2)").arg(i % 97).arg(i)));
        QTest::newRow("thousands of paths") << many;
    }

    void pathsRoundTrip()
    {
        QFETCH(CStringArray, paths);
        CStringArray parsed {"left over"};
        QCOMPARE(LuParseVariablePaths(LuBuildVariablePathPayload(paths), 1, "", parsed), paths.GetSize());
        QVERIFY(parsed == paths);
    }

    void refusesMalformedPayloads_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<int>("status");
        QTest::newRow("null") << QByteArray() << LuParseNullPayload;
        QTest::newRow("empty") << QByteArray("") << LuParseEmptyPayload;
        QTest::newRow("no context line") << QByteArray("\r\nB1.T") << LuParseNoContextLine;
        QTest::newRow("line break at the end") << QByteArray("Flowsheet\r\n") << LuParseEmptyPath;
        QTest::newRow("line break after last path") << QByteArray("Flowsheet\r\nB1.T\r\n") << LuParseEmptyPath;
        QTest::newRow("empty path between") << QByteArray("Flowsheet\r\nB1.T\r\n\r\nB1.P") << LuParseEmptyPath;
        QTest::newRow("lone CR") << QByteArray("Flowsheet\rB1.T") << LuParseBadLineBreak;
        QTest::newRow("lone LF") << QByteArray("Flowsheet\nB1.T") << LuParseBadLineBreak;
        QTest::newRow("LF CR") << QByteArray("Flowsheet\n\rB1.T") << LuParseBadLineBreak;
        QTest::newRow("CR at the end") << QByteArray("Flowsheet\r\nB1.T\r") << LuParseBadLineBreak;
        QTest::newRow("LF inside a path") << QByteArray("Flowsheet\r\nB1\n.T") << LuParseBadLineBreak;
        QTest::newRow("tab inside a path") << QByteArray("Flowsheet\r\nB1\t.T") << LuParseControlCharacter;
        QTest::newRow("DEL inside a path") << QByteArray("Flowsheet\r\nB1.T\x7f") << LuParseControlCharacter;
        QTest::newRow("control in context") << QByteArray("Flow\x01sheet\r\nB1.T") << LuParseControlCharacter;
        QTest::newRow("bad path after good ones")
            << QByteArray("Flowsheet\r\nB1.T\r\nB1.P\r\nB1\tQ") << LuParseControlCharacter;
    }

    void refusesMalformedPayloads()
    {
        QFETCH(QByteArray, payload);
        QFETCH(int, status);
        CStringArray paths {"stale"};
        QCOMPARE(LuParseVariablePaths(payload.isNull() ? nullptr : payload.constData(), 1, "", paths), status);
        QVERIFY(paths.IsEmpty());
    }

    void checksTheContextLineWhenAsked()
    {
        CStringArray paths;
        QCOMPARE(LuParseVariablePaths("FLOWSHEET\r\nB1.T", 1, "Flowsheet", paths), 1);
        QCOMPARE(LuParseVariablePaths("Plot\r\nB1.T", 1, "Flowsheet", paths), LuParseWrongContext);
        QVERIFY(paths.IsEmpty());
        QCOMPARE(LuParseVariablePaths("Plot\r\nB1.T", 1, nullptr, paths), 1);
        QCOMPARE(LuParseVariablePaths("Plot\r\nB1.T", 0, "", paths), 1);
    }
};

PE_TEST_APPLESS_MAIN(PlotDefinitionJsonTest)
#include "tst_plotdefinitionjson.moc"

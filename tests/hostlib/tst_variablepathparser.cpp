// The host's variable-path payload: what the builder writes, what the parser
// reads back, and the payloads it refuses.

#include "host/services/variablepathparser.h"
#include "support/projecttest.h"

#include <QtTest>

Q_DECLARE_METATYPE(CStringArray)

class VariablePathParserTest : public QObject {
    Q_OBJECT

private slots:
    void writesTheLayout()
    {
        QCOMPARE(std::string(LuBuildVariablePathPayload(CStringArray()).GetString()), std::string("Flowsheet"));
        QCOMPARE(std::string(LuBuildVariablePathPayload(CStringArray {"B1.T", "B2.P(3)"}).GetString()),
            std::string("Flowsheet\r\nB1.T\r\nB2.P(3)"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<CStringArray>("paths");
        QTest::newRow("no paths") << CStringArray();
        QTest::newRow("one path") << CStringArray {"B1.T"};
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

    void roundTrip()
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

PE_TEST_APPLESS_MAIN(VariablePathParserTest)
#include "tst_variablepathparser.moc"

// Results files: the name forms simulators write, the faults that refuse a
// file (naming line and column), and a model file that refers to one.

#include "support/projecttest.h"
#include "workbench/model/modelfile.h"
#include "workbench/model/resultsfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

bool Read(const QByteArray& text, ResultsData& out, QString& error)
{
    QBuffer device;
    device.setData(text);
    device.open(QIODevice::ReadOnly);
    return ReadResults(device, CString("run1"), out, error);
}

// "Block.name[extents] time:value,value|time:..." for each table, NaN as "-".
QString Dump(const ResultsData& results)
{
    QStringList tables;
    for (const GivenValues& table : results.values) {
        const auto match = results.blocks.FindVariable(table.variable);
        uint64_t elements = 0;
        HostModel::CountElements(match->variable.extents, elements);
        QStringList extents, rows;
        for (UINT extent : match->variable.extents)
            extents << QString::number(extent);
        for (size_t row = 0; row < table.rowCount(); ++row) {
            QStringList values;
            for (uint64_t element = 0; element < elements; ++element) {
                const double value = table.At(row, element);
                values << (std::isnan(value) ? QStringLiteral("-") : QString::number(value));
            }
            rows << QString::number(table.Times()[row]) + ":" + values.join(',');
        }
        tables << table.variable.ToQString() + "[" + extents.join(',') + "] " + rows.join('|');
    }
    return tables.join(QStringLiteral("; "));
}

} // namespace

class WorkbenchResultsFileTest : public QObject {
    Q_OBJECT
private slots:
    void eachNameFormLoads_data();
    void eachNameFormLoads();
    void faultyFilesAreRefusedNamingLineAndColumn_data();
    void faultyFilesAreRefusedNamingLineAndColumn();
    void aModelFileFindsItsResultsAndSavesOnlyItsOwnPart();
};

void WorkbenchResultsFileTest::eachNameFormLoads_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("skipped");

    // Extents are the largest subscripts; elements never given are missing.
    QTest::newRow("host form, commas, quoted, empty and nan missing")
        << QByteArray("time,Column.T(1),Column.T(3),\"Column.x(2,1)\",Column.R\n0,1,2,3,4\n10,5,,7,nan\n")
        << "Column.T[3] 0:1,-,2|10:5,-,-; Column.x[2,1] 0:-,3|10:-,7; Column.R[] 0:4|10:-"
        << "";
    QTest::newRow("bracket form, semicolons, own block, names passed over")
        << QByteArray("Time;column.T[2];x[1,2];tank.level;der(x);a[1](2)\n0;1;2;3;4;5\n")
        << "column.T[2] 0:-,1; run1.x[1,2] 0:-,2; tank.level[] 0:3"
        << "\"der(x)\", \"a[1](2)\"";
    // A repeated time (an event): the later row takes the earlier one's place.
    QTest::newRow("tabs, CRLF, quotes with quotes, repeated time, numbers as C reads them")
        << QByteArray("\"TIME\"\t\"der(\"\"x\"\")\"\tB.v\r\n0\t 1e-3 \t+2\r\n5\t1\t2\r\n5\t0x10\t\r\n\r\n")
        << "B.v[] 0:2|5:-"
        << "\"der(\\\"x\\\")\"";
}

void WorkbenchResultsFileTest::eachNameFormLoads()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    QFETCH(QString, skipped);
    ResultsData results;
    QString error;
    QVERIFY2(Read(text, results, error), qPrintable(error));
    QCOMPARE(Dump(results), expected);
    QCOMPARE(results.firstSkipped.join(QStringLiteral(", ")), skipped);
}

void WorkbenchResultsFileTest::faultyFilesAreRefusedNamingLineAndColumn_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("expected");

    const auto row = [](const char* name, const QByteArray& text, const char* expected) {
        QTest::newRow(name) << text << QString::fromUtf8(expected);
    };
    row("empty", "\n\n", "line 1, column 1: the file is empty");
    row("no header", "0,1\n",
        "line 1, column 1: the first row must name the columns, the first one \"time\", not \"0\"");
    row("no rows", "time,A.x\n", "line 1, column 1: the file names its columns but holds no rows of values");
    row("row too short", "time,A.x,A.y\n0,1,2\n1,2\n",
        "line 3, column 3: the row ends after 2 cells; the header names 3");
    row("row too long", "time,A.x\n0,1,2\n", "line 2, column 3: the row has more cells than the 2 the header names");
    row("not a number", "time,A.x\n0,1\n1,1.5.2\n", "line 3, column 2: \"1.5.2\" is not a number");
    row("decimal comma", "time;A.x\n0;1,5\n", "line 2, column 2: \"1,5\" is not a number");
    row("quote not closed", "time,A.x\n0,\"1\n", "line 2, column 2: a quote is not closed on its line");
    row("missing time", "time,A.x\n,1\n", "line 2, column 1: the time must be a number of seconds");
    row("decreasing time", "time,A.x\n0,1\n5,1\n4,1\n",
        "line 4, column 1: the time 4 is before the time 5 above it: times must not decrease");
    row("same column twice", "time,A.T(2),a.t[2]\n0,1,2\n",
        "line 1, column 3: \"a.t[2]\" names the same element as column 2");
    row("subscript 0", "time,A.T(0)\n0,1\n", "line 1, column 2: the subscript 0 of \"A.T(0)\" is outside 1 to 1000000");
    row("subscript above the largest", "time,A.x,A.T[1000001]\n0,1,2\n",
        "line 1, column 3: the subscript 1000001 of \"A.T[1000001]\" is outside 1 to 1000000");
    row("subscripts that disagree", "time,A.T(1),\"A.T(1,2)\"\n0,1,2\n",
        "line 1, column 3: \"A.T(1,2)\" gives 2 subscripts where column 2 gave 1");
    // Lines count from the file's first, over empty lines and a header whose
    // quotes hold a line break.
    row("lines counted over breaks in quotes", "\n\"time\",\"A.\nx\"\n\n0,abc\n",
        "line 5, column 2: \"abc\" is not a number");
}

void WorkbenchResultsFileTest::faultyFilesAreRefusedNamingLineAndColumn()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, expected);
    ResultsData results;
    results.skippedCount = 7;
    QString error;
    QVERIFY(!Read(text, results, error));
    QCOMPARE(error, expected);
    QCOMPARE(results.skippedCount, size_t(7));
}

void WorkbenchResultsFileTest::aModelFileFindsItsResultsAndSavesOnlyItsOwnPart()
{
    QTemporaryDir folder;
    QFile results(folder.filePath(QStringLiteral("run1.csv")));
    QVERIFY(results.open(QIODevice::WriteOnly));
    results.write("time,Column.T(1),Column.T(2),Column.Qc,der(x)\n");
    for (int row = 0; row < 1000; ++row)
        results.write(QByteArray::number(row) + ",1,2,3,4\n");
    results.close();
    // Blocks left out; a listed block is added, and a listed variable the
    // results give too lends them its attributes.
    const QByteArray text = R"j({"results": "run1.csv", "blocks": [{"path": "Column", "variables": [
        {"name": "T", "extents": [2], "widenable": true}, {"name": "z", "extents": [2]}]}, {"path": "Tank"}],
        "plots": [{"name": "P", "owner": "Column", "context": "Column.P", "access": "direct",
        "definition": {"timeMode": 0, "timeEntries": ["L"]}}],
        "values": [{"variable": "Column.z", "times": [0], "rows": [[1, 2]]}]})j";
    const QString modelPath = folder.filePath(QStringLiteral("model.json"));
    QFile modelFile(modelPath);
    QVERIFY(modelFile.open(QIODevice::WriteOnly) && modelFile.write(text) == text.size());
    modelFile.close();

    WorkbenchModel model;
    QString error;
    ResultsSource source;
    QVERIFY2(LoadModelFile(modelPath, model, error, ModelFileSizeLimit, &source), qPrintable(error));
    QCOMPARE(source.note, QStringLiteral("1 column(s) whose names are no variable paths were passed over: \"der(x)\""));
    QCOMPARE(model.blocks.variableCount(), 3);
    QCOMPARE(model.blocks.FindVariable("Column.T")->variable.attributes, 0x400000u);
    QVERIFY(model.blocks.FindBlock("Tank"));
    QCOMPARE(model.values.size(), size_t(3));
    QCOMPARE(model.values[0].At(999, 1), 2.0);
    // Values take little more than their count in doubles, and the tables share one array of times.
    QVERIFY(model.values[0].values.capacity() <= 2000 * 13 / 10);
    QCOMPARE(model.values[0].times, model.values[1].times);

    // Saved elsewhere: the reference, relative to the saved file, and the
    // model file's own blocks and values.
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("copies")));
    const QString savedPath = folder.filePath(QStringLiteral("copies/saved.json"));
    QVERIFY2(SaveModelFile(savedPath, model, error), qPrintable(error));
    WorkbenchModel reread;
    QVERIFY2(LoadModelFile(savedPath, reread, error), qPrintable(error));
    QVERIFY(reread == model);
    QVERIFY(!WriteModelFile(model).contains("Qc"));
    QFile saved(savedPath);
    QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll().contains("\"results\": \"../run1.csv\""));

    // Another file in its place (--results); a fault there names the file, line and column.
    results.open(QIODevice::WriteOnly);
    results.write("time,Column.T(3)\n0,x\n");
    results.close();
    source.replacement = results.fileName();
    QVERIFY(!LoadModelFile(modelPath, reread, error, ModelFileSizeLimit, &source));
    QVERIFY2(error.endsWith(QStringLiteral("run1.csv\" is not valid: line 2, column 2: \"x\" is not a number")),
        qPrintable(error));
    // Extents that disagree with the listed ones; a reference read from no file.
    results.open(QIODevice::WriteOnly);
    results.write("time,Column.T(3)\n0,1\n");
    results.close();
    QVERIFY(!LoadModelFile(modelPath, reread, error));
    QVERIFY2(
        error.endsWith(QStringLiteral("blocks[0].variables[0]: the results file gives \"Column.T(*)\" other extents")),
        qPrintable(error));
    QVERIFY(!ReadModelFile(text, reread, error));
    QCOMPARE(error, QStringLiteral("results: only a model file read from disk can name a results file"));
}

PE_TEST_GUILESS_MAIN(WorkbenchResultsFileTest)
#include "tst_workbenchresultsfile.moc"

// The call log's file: one JSON object per line, on disk as soon as the call
// happens, with lines from other code among them.

#include "workbench/hostlib/calllog.h"
#include "workbench/hostlib/profileplotdataobject.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<QJsonObject> ReadLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<QJsonObject> lines;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.isEmpty())
            lines.append(QJsonDocument::fromJson(line).object());
    return lines;
}

} // namespace

class CallLogTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { CallLog::Instance().CloseFile(); }

    void writesOneFlushedLinePerCallUntilClosed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("calls.jsonl");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("{\"old\":1}\n") > 0);
        }
        QString error;
        QVERIFY2(CallLog::Instance().OpenFile(path, &error), qPrintable(error));
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:Column temperatures",
                                                                            PlotDefinition(), nullptr);
        plot->SetTimes(CStringArray{"L"});
        // Read while the file is still open: the line is on disk already, the old contents gone.
        QList<QJsonObject> lines = ReadLines(path);
        QCOMPARE(lines, QList<QJsonObject>({QJsonObject({{"object", "plot:Column temperatures"},
                                                         {"call", "SetTimes"},
                                                         {"args", QJsonObject({{"timeEntries", QJsonArray{"L"}}})}})}));

        CallLog::Write({{"object", "document"}, {"call", "UpdateAllViews"}, {"args", QJsonObject({{"hint", 823}})}});
        plot->SetMaxTimePoints(5);
        CallLog::Instance().CloseFile();
        CallLog::Write({{"call", "after close"}});
        lines = ReadLines(path);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[1].value("call").toString(), QStringLiteral("UpdateAllViews"));
        QCOMPARE(lines[2].value("args").toObject(), QJsonObject({{"maxTimePoints", 5}}));
    }

    void fileThatCannotBeOpenedIsReported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("missing-folder/calls.jsonl");
        QString error;
        QVERIFY(!CallLog::Instance().OpenFile(path, &error));
        QVERIFY2(error.contains(path), qPrintable(error));
        QVERIFY(!CallLog::Instance().hasFile());
        // Lines still reach the listeners.
        QSignalSpy lines(&CallLog::Instance(), &CallLog::lineWritten);
        CallLog::Write({{"call", "still fine"}});
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines.at(0).at(0).toJsonObject(), QJsonObject({{"call", "still fine"}}));
    }
};

QTEST_GUILESS_MAIN(CallLogTest)
#include "tst_calllog.moc"

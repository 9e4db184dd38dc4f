// The call log's file: one JSON object per line, on disk as soon as the call
// happens, with lines from other code among them.

#include "hostlib/calllog.h"
#include "hostlib/profileplotdataobject.h"
#include "support/projecttest.h"

#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QList<QJsonObject> ReadLines(const QString& path)
{
    QFile file(path);
    QList<QJsonObject> lines;
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().trimmed().split('\n'))
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
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("{\"old\":1}\n") > 0);
        old.close();
        QSignalSpy listened(&CallLog::Instance(), &CallLog::lineWritten);
        QString error;
        QVERIFY2(CallLog::Instance().OpenFile(path, &error), qPrintable(error));
        CComPtr<ProfilePlotDataObject> plot = ProfilePlotDataObject::Create("plot:A", PlotDefinition(), nullptr);
        plot->SetTimes(CStringArray {"L"});
        // Read while the file is still open: the line is on disk already, the old contents gone.
        const QJsonObject setTimes(
            {{"object", "plot:A"}, {"call", "SetTimes"}, {"args", QJsonObject({{"timeEntries", QJsonArray {"L"}}})}});
        QCOMPARE(ReadLines(path), QList<QJsonObject>({setTimes}));

        CallLog::Write({{"call", "UpdateAllViews"}});
        CallLog::Instance().CloseFile();
        CallLog::Write({{"call", "after close"}}); // reaches the listeners only
        QCOMPARE(ReadLines(path), QList<QJsonObject>({setTimes, QJsonObject({{"call", "UpdateAllViews"}})}));
        QCOMPARE(listened.size(), 3);
    }

    void fileThatCannotBeOpenedIsReported()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("missing-folder/calls.jsonl");
        QString error;
        QVERIFY(!CallLog::Instance().OpenFile(path, &error));
        QVERIFY2(error.contains(path), qPrintable(error));
    }
};

PE_TEST_GUILESS_MAIN(CallLogTest)
#include "tst_calllog.moc"

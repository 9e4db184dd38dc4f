#pragma once

// The process-wide sink of the calls that host objects receive. Every record
// goes to the listeners (lineWritten) and, when a file is open, to that file as
// one compact JSON object per line, flushed as it is written, e.g.
//   {"object":"plot:Column temperatures","call":"SetTimes","args":{"timeEntries":["L"]}}
// Other host code writes its own lines here too (the document's update hints).
// Used on the user-interface thread only.

#include <QFile>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QObject>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcCallLog)

class CallLog final : public QObject {
    Q_OBJECT

public:
    static CallLog& Instance();

    // Hands `line` to the listeners and appends it to the open file, if any.
    static void Write(const QJsonObject& line);

    // Sends every later line to `path` too, replacing its contents. Returns
    // false with the reason in `error` when the file cannot be opened; lines
    // then go to the listeners only.
    bool OpenFile(const QString& path, QString* error = nullptr);
    // Closes the file. False, with the reason in `error`, when a line could
    // not be written to it: the file was given up at the first failed write
    // and misses the lines from there on.
    bool CloseFile(QString* error = nullptr);
    bool hasFile() const { return m_file.isOpen(); }
    QString filePath() const { return m_file.fileName(); }

signals:
    void lineWritten(const QJsonObject& line);

private:
    CallLog() = default;
    void Append(const QJsonObject& line);

    QFile m_file;
    QString m_writeError; // the first failed write, for CloseFile
};

#include "hostlib/calllog.h"

#include <QJsonDocument>

Q_LOGGING_CATEGORY(lcCallLog, "pe.workbench.calllog")

CallLog& CallLog::Instance()
{
    static CallLog log;
    return log;
}

void CallLog::Write(const QJsonObject& line)
{
    Instance().Append(line);
}

bool CallLog::OpenFile(const QString& path, QString* error)
{
    CloseFile();
    m_writeError.clear();
    m_file.setFileName(path);
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return true;
    if (error)
        *error = QStringLiteral("Cannot open the call log \"%1\": %2").arg(path, m_file.errorString());
    m_file.setFileName(QString());
    return false;
}

bool CallLog::CloseFile(QString* error)
{
    if (m_file.isOpen() && !m_file.flush())
        m_writeError = m_file.errorString();
    if (m_file.isOpen())
        m_file.close();
    if (m_writeError.isEmpty())
        return true;
    if (error)
        *error = QStringLiteral("The call log \"%1\" is incomplete: a line could not be written (%2).")
                     .arg(m_file.fileName(), m_writeError);
    m_writeError.clear();
    return false;
}

void CallLog::Append(const QJsonObject& line)
{
    if (m_file.isOpen()) {
        const QByteArray text = QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
        if (m_file.write(text) != text.size() || !m_file.flush()) {
            // One warning, then the file is given up rather than failing on
            // every call; CloseFile reports the loss.
            m_writeError = m_file.errorString();
            qCWarning(lcCallLog).noquote() << QStringLiteral("Call log \"%1\" closed after a write error: %2")
                                                  .arg(m_file.fileName(), m_writeError);
            m_file.close();
        }
    }
    emit lineWritten(line);
}

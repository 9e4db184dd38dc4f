#include "workbench/app/sessionfile.h"

#include "workbench/app/savefiledialog.h"
#include "workbench/app/statusmessage.h"
#include "workbench/model/modelfile.h"
#include "workbench/model/modelsession.h"

#include "platform/windows/messagebox.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QStatusBar>

Q_LOGGING_CATEGORY(lcSessionFile, "pe.workbench.sessionfile")

SessionFile::SessionFile(const ModelSession& session, QMainWindow& window)
    : QObject(&window), m_session(session), m_window(window)
{
    UpdateTitle();
}

void SessionFile::SetPath(const QString& path)
{
    m_path = path;
    UpdateTitle();
}

void SessionFile::MarkModified()
{
    m_window.setWindowModified(true);
}

void SessionFile::UpdateTitle()
{
    const QString shown = m_path.isEmpty() ? QStringLiteral("Sample model") : QFileInfo(m_path).fileName();
    m_window.setWindowTitle(QStringLiteral("%1[*] - Workbench").arg(shown));
}

bool SessionFile::Save()
{
    return m_path.isEmpty() ? SaveAs() : SaveTo(m_path);
}

bool SessionFile::SaveAs()
{
    const QString suggested = m_path.isEmpty() ? QStringLiteral("model.json") : m_path;
    const QString path = ChooseSaveFile(
        &m_window, QStringLiteral("Save Model As"), suggested, QStringLiteral("Model file (*.json);;All files (*)"));
    return !path.isEmpty() && SaveTo(path);
}

bool SessionFile::SaveTo(const QString& path)
{
    QString error;
    if (!SaveModelFile(path, m_session.CurrentModel(), error)) {
        qCWarning(lcSessionFile).noquote() << error;
        m_window.statusBar()->showMessage(error, StatusMessageTimeout);
        MessageBoxService::Current().Show(
            &m_window, CString::FromQString(error), "Workbench", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    m_path = path;
    m_window.setWindowModified(false);
    UpdateTitle();
    m_window.statusBar()->showMessage(QStringLiteral("Saved the model to %1.").arg(path), StatusMessageTimeout);
    return true;
}

bool SessionFile::MayClose()
{
    if (!modified())
        return true;
    const QString shown = m_path.isEmpty() ? QStringLiteral("the sample model") : QFileInfo(m_path).fileName();
    const QString question = QStringLiteral("The session has changes that are not saved. Save them to %1?").arg(shown);
    switch (MessageBoxService::Current().Show(
        &m_window, CString::FromQString(question), "Workbench", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return Save();
    case IDNO:
        return true;
    default:
        return false;
    }
}

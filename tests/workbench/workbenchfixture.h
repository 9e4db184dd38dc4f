#pragma once

// The workbench in-process as the program starts it: the application object,
// a session on the sample model, the editor module loaded by dlopen and
// KDInitDll, and the main window shown. Test classes derive from it and call
// OpenWorkbench from init and CloseWorkbench from cleanup.

#include "workbench/app/mainwindow.h"
#include "workbench/model/modelsession.h"

#include "host/services/kbaseapp.h"

#include <functional>
#include <memory>

class WorkbenchFixture {
protected:
    // Fails the current test (through QVERIFY) when any step fails.
    void OpenWorkbench();
    // Window first, then deferred deletions, then session and application.
    void CloseWorkbench();

    std::unique_ptr<CKBaseApp> m_app;
    std::unique_ptr<ModelSession> m_session;
    std::unique_ptr<MainWindow> m_window;
};

// Lets deferred deletions and the events they post run.
void FlushDeletes();

class CFrameWnd;
class QWidget;
// The control `id` of an editor's form, found as the module's window objects know it.
QWidget* FormControl(CFrameWnd* frame, int id);

// Runs `answer` on the next modal dialog once it shows (a dialog's exec()
// returns only after it is answered).
void AnswerNextDialog(std::function<void(QWidget*)> answer);

class QString;
// Answers the next file dialog by typing `path` into its file name field, as a
// person does, and accepting. (QFileDialog::selectFile leaves that field alone
// while it has the focus, so it would keep the suggested name.)
void AnswerNextFileDialog(const QString& path);

#include "workbenchfixture.h"

#include "workbench/app/moduleloader.h"
#include "workbench/app/samplemodel.h"
#include "workbench/model/modelfile.h"

#include "platform/docview/frame.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

void WorkbenchFixture::OpenWorkbench()
{
    m_app = std::make_unique<CKBaseApp>();
    WorkbenchModel model;
    QString error;
    QVERIFY2(ReadSampleModel(model, error), qPrintable(error));
    m_session = std::make_unique<ModelSession>();
    QVERIFY2(m_session->Start(model, &error), qPrintable(error));
    LoadedModule module;
    QVERIFY2(LoadEditorModule(QString(), *m_app, module, error), qPrintable(error));
    m_window = std::make_unique<MainWindow>(*m_app, *module.docTemplate, *m_session);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void WorkbenchFixture::CloseWorkbench()
{
    m_window.reset();
    FlushDeletes();
    m_session.reset();
    m_app.reset();
}

void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QWidget* FormControl(CFrameWnd* frame, int id)
{
    for (QWidget* widget : frame->GetSafeHwnd()->findChildren<QWidget*>()) {
        if (CWnd::GetDlgCtrlID(widget) == id)
            return widget;
    }
    return nullptr;
}

void AnswerNextDialog(std::function<void(QWidget*)> answer)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

void AnswerNextFileDialog(const QString& path)
{
    AnswerNextDialog([path](QWidget* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        // Active and focused, as on a desktop, whatever the platform plugin does.
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        name->setFocus();
        name->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

#include "workbench/app/editormanager.h"

#include "workbench/model/modelsession.h"

#include "host/services/kbaseapp.h"
#include "host/services/kdoctemplate.h"
#include "host/services/ksudocument.h"
#include "platform/docview/frame.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVariant>

#include <algorithm>
#include <exception>

namespace {

// The plot a frame's widget edits, kept on the widget.
const char* const PlotProperty = "pe_workbenchPlot";

void SetError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

} // namespace

EditorManager::EditorManager(CKBaseApp& app, CKDocTemplate& docTemplate, const ModelSession& session)
    : m_app(app), m_template(docTemplate), m_session(session), m_unit(&SecondsUnit()),
      m_frames(static_cast<size_t>(session.plotCount()))
{
}

CFrameWnd* EditorManager::FrameForPlot(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_frames.size()))
        return nullptr;
    // A frame's window object goes at once when it is destroyed, its widget later.
    return dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(m_frames[static_cast<size_t>(index)]));
}

int EditorManager::PlotForFrame(const QWidget* frameWidget) const
{
    if (!frameWidget)
        return -1;
    bool ok = false;
    const int index = frameWidget->property(PlotProperty).toInt(&ok);
    return ok && FrameForPlot(index) && FrameForPlot(index)->GetSafeHwnd() == frameWidget ? index : -1;
}

void EditorManager::EditorActivated(const QWidget* frameWidget)
{
    const int index = PlotForFrame(frameWidget);
    if (index == -1)
        return;
    if (CDocument* document = FrameForPlot(index)->GetActiveDocument())
        m_app.SetCurrentDocument(document);
}

int EditorManager::OpenEditorCount() const
{
    int count = 0;
    for (size_t i = 0; i < m_frames.size(); ++i)
        count += FrameForPlot(static_cast<int>(i)) ? 1 : 0;
    return count;
}

std::vector<CKSUDocument*> EditorManager::OpenDocuments() const
{
    std::vector<CKSUDocument*> documents;
    for (size_t i = 0; i < m_frames.size(); ++i) {
        if (CFrameWnd* frame = FrameForPlot(static_cast<int>(i))) {
            if (auto* document = dynamic_cast<CKSUDocument*>(frame->GetActiveDocument()))
                documents.push_back(document);
        }
    }
    return documents;
}

CFrameWnd* EditorManager::OpenEditor(int index, QString* error)
{
    if (index < 0 || index >= m_session.plotCount()) {
        SetError(error, QStringLiteral("There is no plot %1.").arg(index));
        return nullptr;
    }
    if (CFrameWnd* open = FrameForPlot(index)) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(open->GetSafeHwnd())) {
            if (sub->isMinimized())
                sub->showNormal();
            if (QMdiArea* area = sub->mdiArea())
                area->setActiveSubWindow(sub);
        }
        return open;
    }

    const ModelPlot& plot = m_session.plot(index);
    CDocument* created = m_template.CreateNewDocument();
    auto* document = dynamic_cast<CKSUDocument*>(created);
    if (!document) {
        delete created;
        SetError(error, QStringLiteral("The editor's document type did not make a host simulation document."));
        return nullptr;
    }
    // Until a frame holds it, the document is ours to delete.
    document->m_bAutoDelete = false;
    document->SetTitle(plot.name);
    document->SetDefaultTimeInterval(DefaultIntervalSeconds * m_unit->factor);
    document->SetDisplayUnit(m_unit->name, m_unit->factor);
    document->SetViewContext(plot.contextName, m_session.EditedObject(index));
    m_app.SetCurrentDocument(document);

    CFrameWnd* frame = m_template.CreateNewFrame(document);
    if (!frame) {
        m_app.ForgetDocument(document);
        delete document;
        SetError(error,
            QStringLiteral("The editor could not make its frame for the plot \"%1\".").arg(plot.name.ToQString()));
        return nullptr;
    }
    document->m_bAutoDelete = true;
    QWidget* widget = frame->GetSafeHwnd();
    widget->setProperty(PlotProperty, index);
    // Plots added to the session since get their place here.
    m_frames.resize(std::max(m_frames.size(), static_cast<size_t>(m_session.plotCount())));
    m_frames[static_cast<size_t>(index)] = widget;
    try {
        m_template.InitialUpdateFrame(frame, document, true);
    } catch (const std::exception& failure) {
        // The editor reports its own failures; one that escapes closes its frame.
        SetError(error,
            QStringLiteral("The editor failed to open the plot \"%1\": %2")
                .arg(plot.name.ToQString(), QString::fromLocal8Bit(failure.what())));
        if (CFrameWnd* failed = FrameForPlot(index))
            failed->SendMessage(WM_CLOSE);
        return nullptr;
    }
    emit editorOpened(index);
    return FrameForPlot(index);
}

void EditorManager::SetDisplayUnit(const TimeUnit& unit)
{
    m_unit = &unit;
    for (CKSUDocument* document : OpenDocuments()) {
        document->SetDefaultTimeInterval(DefaultIntervalSeconds * unit.factor);
        document->SetDisplayUnit(unit.name, unit.factor);
    }
}

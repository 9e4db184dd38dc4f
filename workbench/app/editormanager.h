#pragma once

// Opens editors on the model's plots through the editor's document template,
// as the host does, and keeps track of which frame edits which plot.

#include "workbench/app/timeunits.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class CFrameWnd;
class CKBaseApp;
class CKDocTemplate;
class CKSUDocument;
class ModelSession;
class QWidget;

class EditorManager final : public QObject {
    Q_OBJECT

public:
    // Documents get their default interval from this many seconds.
    static constexpr double DefaultIntervalSeconds = 60.0;

    EditorManager(CKBaseApp& app, CKDocTemplate& docTemplate, const ModelSession& session);

    // Opens an editor on plot `index`, or activates the frame that edits it
    // already. Null with the reason in `error` when the frame cannot be made.
    CFrameWnd* OpenEditor(int index, QString* error = nullptr);

    // The live frame editing plot `index`, or null.
    CFrameWnd* FrameForPlot(int index) const;
    // The plot that the frame with widget `frameWidget` edits, or -1.
    int PlotForFrame(const QWidget* frameWidget) const;
    int OpenEditorCount() const;
    // The documents of every open editor, in plot order.
    std::vector<CKSUDocument*> OpenDocuments() const;

    const TimeUnit& displayUnit() const { return *m_unit; }
    // The host makes the document of the editor the user activates current.
    void EditorActivated(const QWidget* frameWidget);
    // Sets the unit of every open document (each broadcasts hint 829) and of
    // the documents opened later.
    void SetDisplayUnit(const TimeUnit& unit);

signals:
    void editorOpened(int plotIndex);

private:
    CKBaseApp& m_app;
    CKDocTemplate& m_template;
    const ModelSession& m_session;
    const TimeUnit* m_unit;
    std::vector<QPointer<QWidget>> m_frames; // per plot; the frame's widget
};

#pragma once

// The model file a session is saved to, and whether the session changed since
// it was loaded or saved: the window title shows the file, and a mark while
// there are changes; Save and Save As write the file as --save-on-exit does
// (checked, then atomically); closing with changes asks to save, discard or
// cancel. Questions and failures go through the message-box service.

#include <QMainWindow>
#include <QObject>
#include <QString>

class ModelSession;

class SessionFile final : public QObject {
    Q_OBJECT

public:
    SessionFile(const ModelSession& session, QMainWindow& window);

    // The file the session was loaded from; empty for the built-in sample.
    void SetPath(const QString& path);
    const QString& path() const { return m_path; }
    // The window's modified mark is the one record of unsaved changes.
    bool modified() const { return m_window.isWindowModified(); }
    // Something in the session changed (a plot written or added).
    void MarkModified();

    // Saves to the file, or asks for one first when there is none. False when
    // nothing was saved (cancelled, or a failure that was reported).
    bool Save();
    bool SaveAs();
    bool SaveTo(const QString& path);
    // Whether the window may close: true without changes, or when they were
    // saved or discarded; false when the user cancelled or saving failed.
    bool MayClose();

private:
    void UpdateTitle();

    const ModelSession& m_session;
    QMainWindow& m_window;
    QString m_path;
};

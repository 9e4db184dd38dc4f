#pragma once

// The host's side of a profile dragged out of an editor: a list that accepts
// drops of "Lumen Variable Path Format" and shows the variables dropped, with
// the profile's name when the clipboard holds "Profile Variable Name Format"
// (an editor puts it there while its drag runs). Blocks from other programs
// are read at most to their size; a malformed one is refused and said so.

#include <QListWidget>

class ProfileDropZone final : public QListWidget {
    Q_OBJECT

public:
    explicit ProfileDropZone(QWidget* parent = nullptr);

    // Reads a dropped block; false, with the reason in `error`, when refused.
    bool TakeDrop(const QByteArray& payload, const QString& profileName, QString* error = nullptr);

signals:
    void dropped(const QString& summary);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

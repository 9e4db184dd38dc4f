#include "workbench/app/profiledropzone.h"

#include "workbench/app/variablepathmime.h"

#include "host/interfaces/dropformats.h"
#include "host/services/variablepathparser.h"
#include "platform/core/registry.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>

namespace {

QString ProfileNameMimeType()
{
    return ClipboardFormatMimeType(RegisterClipboardFormat(ProfileVariableNameFormatName));
}

// The clipboard's profile name: the text up to its NUL, empty when none.
QString ProfileNameOnClipboard()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasFormat(ProfileNameMimeType()))
        return {};
    QByteArray name = data->data(ProfileNameMimeType()).left(static_cast<qsizetype>(MaxDropPayloadBytes));
    const qsizetype nul = name.indexOf('\0');
    if (nul >= 0)
        name.truncate(nul);
    return QString::fromLocal8Bit(name);
}

} // namespace

ProfileDropZone::ProfileDropZone(QWidget* parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("profileDropZone"));
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setAccessibleName(QStringLiteral("Dropped profiles"));
}

bool ProfileDropZone::TakeDrop(const QByteArray& payload, const QString& profileName, QString* error)
{
    if (static_cast<size_t>(payload.size()) > MaxDropPayloadBytes) {
        if (error)
            *error = QStringLiteral("the dropped block has %1 bytes, too many to read").arg(payload.size());
        return false;
    }
    // QByteArray ends with a NUL of its own: the parser never reads past the block.
    const qsizetype nul = payload.indexOf('\0');
    const QByteArray text = nul >= 0 ? payload.left(nul) : payload;
    CStringArray paths;
    const int status = LuParseVariablePaths(text.constData(), 1, "", paths);
    if (status < 0) {
        if (error)
            *error = QStringLiteral("the dropped block is not a list of variable paths (status %1)").arg(status);
        return false;
    }
    const QString name = profileName.isEmpty() ? QStringLiteral("(no name on the clipboard)") : profileName;
    const int count = paths.GetSize();
    const QString counted = count == 1 ? QStringLiteral("1 variable") : QStringLiteral("%1 variables").arg(count);
    auto* header = new QListWidgetItem(QStringLiteral("%1: %2").arg(name, counted), this);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    for (const CString& path : paths)
        addItem(QStringLiteral("    ") + QString::fromLocal8Bit(path.GetString()));
    scrollToBottom();
    emit dropped(header->text());
    return true;
}

namespace {

void AcceptPathLists(QDragMoveEvent* event)
{
    if (event->mimeData()->hasFormat(VariablePathMimeType()))
        event->acceptProposedAction();
    else
        event->ignore();
}

} // namespace

void ProfileDropZone::dragEnterEvent(QDragEnterEvent* event)
{
    AcceptPathLists(event);
}

void ProfileDropZone::dragMoveEvent(QDragMoveEvent* event)
{
    AcceptPathLists(event);
}

void ProfileDropZone::dropEvent(QDropEvent* event)
{
    QString error;
    if (!event->mimeData()->hasFormat(VariablePathMimeType())
        || !TakeDrop(event->mimeData()->data(VariablePathMimeType()), ProfileNameOnClipboard(), &error)) {
        emit dropped(QStringLiteral("Drop refused: %1.").arg(error));
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

#include "platform/ole/oledroptarget.h"

#include "platform/core/logging.h"
#include "platform/windows/wnd.h"

#include <QDropEvent>
#include <QWidget>

namespace {

DWORD KeyState(const QDropEvent& event)
{
    DWORD state = 0;
    const Qt::MouseButtons buttons = event.buttons();
    const Qt::KeyboardModifiers keys = event.modifiers();
    if (buttons & Qt::LeftButton)
        state |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        state |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        state |= MK_MBUTTON;
    if (keys & Qt::ShiftModifier)
        state |= MK_SHIFT;
    if (keys & Qt::ControlModifier)
        state |= MK_CONTROL;
    if (keys & Qt::AltModifier)
        state |= MK_ALT;
    return state;
}

// The Qt action for the effect a target chose; none for DROPEFFECT_NONE or an
// effect the source does not allow.
Qt::DropAction ToAction(DROPEFFECT effect, Qt::DropActions allowed)
{
    if ((effect & DROPEFFECT_COPY) && (allowed & Qt::CopyAction))
        return Qt::CopyAction;
    if ((effect & DROPEFFECT_MOVE) && (allowed & Qt::MoveAction))
        return Qt::MoveAction;
    if ((effect & DROPEFFECT_LINK) && (allowed & Qt::LinkAction))
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

class DropFilter final : public QObject {
public:
    DropFilter(IOleDropClient* client, QWidget* widget) : QObject(widget), m_client(client), m_widget(widget) { }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_widget)
            return false;
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            const COleDataObject data(drag->mimeData());
            const CPoint point = PointOf(*drag);
            if (event->type() == QEvent::DragEnter) {
                // Qt sends no moves to a widget that ignored the enter, while
                // a drag that enters where nothing may be dropped can still
                // reach a place that takes it. So the enter is always taken,
                // with no action when the view answers none, and each move
                // answers for its own point, as drag-over does.
                const DROPEFFECT effect = m_client->OnDragEnter(&data, KeyState(*drag), point);
                Answer(*drag, effect);
                if (!drag->isAccepted()) {
                    drag->setDropAction(Qt::IgnoreAction);
                    drag->accept();
                }
                return true;
            }
            Answer(*drag, m_client->OnDragOver(&data, KeyState(*drag), point));
            return true;
        }
        case QEvent::DragLeave:
            m_client->OnDragLeave();
            return true;
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const COleDataObject data(drop->mimeData());
            const CPoint point = PointOf(*drop);
            const DROPEFFECT effect = m_client->OnDragOver(&data, KeyState(*drop), point);
            const Qt::DropAction action = ToAction(effect, drop->possibleActions());
            if (action != Qt::IgnoreAction && m_client->OnDrop(&data, effect, point)) {
                drop->setDropAction(action);
                drop->accept();
            } else {
                drop->ignore();
            }
            return true;
        }
        default:
            return false;
        }
    }

private:
    CPoint PointOf(const QDropEvent& event) const
    {
        const QPoint point = event.position().toPoint();
        return CPoint(point.x(), point.y());
    }

    static void Answer(QDragMoveEvent& drag, DROPEFFECT effect)
    {
        const Qt::DropAction action = ToAction(effect, drag.possibleActions());
        if (action == Qt::IgnoreAction) {
            drag.ignore();
            return;
        }
        drag.setDropAction(action);
        drag.accept();
    }

    IOleDropClient* m_client;
    QWidget* m_widget;
};

} // namespace

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

bool COleDropTarget::Register(CWnd* window, IOleDropClient* client)
{
    QWidget* widget = window ? window->GetSafeHwnd() : nullptr;
    if (!widget || !client || m_filter) {
        qCWarning(lcPlatformOle, "COleDropTarget::Register: no window, no drop client, or registered already.");
        return false;
    }
    auto* filter = new DropFilter(client, widget);
    widget->installEventFilter(filter);
    widget->setAcceptDrops(true);
    m_filter = filter;
    return true;
}

void COleDropTarget::Revoke()
{
    if (!m_filter)
        return;
    if (auto* widget = qobject_cast<QWidget*>(m_filter->parent()))
        widget->setAcceptDrops(false);
    delete m_filter;
}

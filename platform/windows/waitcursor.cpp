#include "platform/windows/waitcursor.h"

#include <QCursor>
#include <QGuiApplication>

CWaitCursor::CWaitCursor() : m_applied(QGuiApplication::instance() != nullptr)
{
    if (m_applied)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

CWaitCursor::~CWaitCursor()
{
    if (m_applied && QGuiApplication::instance())
        QGuiApplication::restoreOverrideCursor();
}

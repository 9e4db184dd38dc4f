#include "platform/waitcursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
int g_active = 0;
}

CWaitCursor::CWaitCursor() : m_applied(QGuiApplication::instance() != nullptr)
{
    ++g_active;
    if (m_applied)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

CWaitCursor::~CWaitCursor()
{
    --g_active;
    if (m_applied && QGuiApplication::instance())
        QGuiApplication::restoreOverrideCursor();
}

int CWaitCursor::ActiveCount()
{
    return g_active;
}

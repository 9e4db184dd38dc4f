#include "controls/listrowtracker.h"

#include "controls/listinplaceediting.h"

#include <QAbstractItemModel>

void ListRowTracker::StopWatching()
{
    for (const QMetaObject::Connection& connection : m_watch)
        QObject::disconnect(connection);
    m_watch.clear();
}

void ListRowTracker::Watch(const QAbstractItemModel* rows)
{
    m_watch.push_back(QObject::connect(rows, &QAbstractItemModel::rowsInserted,
        [this](const QModelIndex&, int first, int last) { RowsInserted(first, last); }));
    m_watch.push_back(QObject::connect(rows, &QAbstractItemModel::rowsRemoved,
        [this](const QModelIndex&, int first, int last) { RowsRemoved(first, last); }));
    m_watch.push_back(QObject::connect(rows, &QAbstractItemModel::modelReset, [this] { RowsReset(); }));
}

void ListRowTracker::FollowSelection(int selectionBefore, int selection)
{
    if (m_current != -1 && selection != selectionBefore)
        m_current = selection;
}

void ListRowTracker::RowsInserted(int first, int last)
{
    if (m_current >= first)
        m_current += last - first + 1;
    m_editing.RowsInserted(first, last);
}

void ListRowTracker::RowsRemoved(int first, int last)
{
    const int count = last - first + 1;
    if (m_current > last)
        m_current -= count;
    else if (m_current >= first)
        m_current = -1;
    m_editing.RowsRemoved(first, last);
}

void ListRowTracker::RowsReset()
{
    m_current = -1;
    m_editing.RowsReset();
}

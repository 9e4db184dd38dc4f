#include "platform/windows/windowattributes.h"

#include <QWidget>

#include <unordered_map>

namespace {

using AttributeTable = std::unordered_map<const QObject*, WindowAttributes>;

AttributeTable& Table()
{
    // Never destroyed: widgets that outlive the program's static objects still
    // find it when they are destroyed.
    static auto* table = new AttributeTable;
    return *table;
}

} // namespace

WindowAttributes* FindWindowAttributes(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    AttributeTable& table = Table();
    const auto found = table.find(widget);
    return found == table.end() ? nullptr : &found->second;
}

WindowAttributes& WindowAttributesOf(QWidget* widget)
{
    const auto [entry, added] = Table().try_emplace(widget);
    if (added)
        QObject::connect(widget, &QObject::destroyed, [](QObject* gone) { Table().erase(gone); });
    return entry->second;
}

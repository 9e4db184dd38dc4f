// Sorting the profiles list by a clicked column: one direction for both
// columns, flipped by every click, comparing the column's texts byte by byte.

#include "view/profilespanel.h"

#include <cstring>
#include <unordered_map>

namespace {

// The sorted column's text of every row by the row's key, read once per sort:
// a comparison then costs two lookups instead of two searches of the list.
struct ProfileSortOrder {
    std::unordered_map<LPARAM, CString> texts;
    int direction = 1;
};

int CompareProfileRows(LPARAM first, LPARAM second, LPARAM data)
{
    const auto* order = reinterpret_cast<const ProfileSortOrder*>(data);
    const auto textOf = [order](LPARAM key) {
        const auto found = order->texts.find(key);
        return found != order->texts.end() ? found->second.GetString() : "";
    };
    // strcmp compares as unsigned bytes: case-sensitive, whatever the locale.
    const int compared = std::strcmp(textOf(first), textOf(second));
    return ((compared > 0) - (compared < 0)) * order->direction;
}

} // namespace

void ProfilesPanel::OnColumnClick(const NMHDR* header)
{
    SortProfiles(reinterpret_cast<const NMLISTVIEW*>(header)->iSubItem);
}

void ProfilesPanel::SortProfiles(int column)
{
    m_profileSortColumn = column;
    m_profileSortDirection = m_profileSortDirection == 0 ? 1 : -m_profileSortDirection;
    ProfileSortOrder order;
    order.direction = m_profileSortDirection;
    const int count = m_profilesList.GetItemCount();
    order.texts.reserve(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row)
        order.texts.emplace(
            static_cast<LPARAM>(m_profilesList.GetItemData(row)), m_profilesList.GetItemText(row, column));
    m_profilesList.SortItems(&CompareProfileRows, reinterpret_cast<LPARAM>(&order));
}

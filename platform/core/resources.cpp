#include "platform/core/resources.h"

#include <algorithm>

namespace {

struct ResourceState {
    std::vector<HINSTANCE> chain;
    HINSTANCE current = nullptr;
};

// Function-local: modules join the chain from their load-time initialisers.
ResourceState& State()
{
    static ResourceState state;
    return state;
}

template <class Find> auto Search(Find find) -> decltype(find(static_cast<const ResourceModule*>(nullptr)))
{
    const ResourceState& state = State();
    if (state.current) {
        if (auto found = find(state.current))
            return found;
    }
    for (const ResourceModule* module : state.chain) {
        if (module == state.current)
            continue;
        if (auto found = find(module))
            return found;
    }
    return nullptr;
}

template <class Map> auto FindIn(const Map& map, UINT id) -> const typename Map::mapped_type*
{
    const auto it = map.find(id);
    return it == map.end() ? nullptr : &it->second;
}

} // namespace

MenuItemResource MenuItemResource::Command(UINT commandId, const char* itemText)
{
    MenuItemResource item;
    item.id = commandId;
    item.text = itemText;
    return item;
}

MenuItemResource MenuItemResource::Separator()
{
    MenuItemResource item;
    item.separator = true;
    return item;
}

MenuItemResource MenuItemResource::Popup(const char* popupText, std::vector<MenuItemResource> popupItems)
{
    MenuItemResource popup;
    popup.text = popupText;
    popup.items = std::move(popupItems);
    return popup;
}

const char* ResourceModule::FindString(UINT id) const
{
    const std::string* text = FindIn(m_strings, id);
    return text ? text->c_str() : nullptr;
}

const char* const* ResourceModule::FindBitmap(UINT id) const
{
    const auto* found = FindIn(m_bitmaps, id);
    return found ? *found : nullptr;
}

const std::vector<MenuItemResource>* ResourceModule::FindMenu(UINT id) const
{
    return FindIn(m_menus, id);
}

const std::vector<AcceleratorResource>* ResourceModule::FindAccelerators(UINT id) const
{
    return FindIn(m_accelerators, id);
}

const DialogTemplate* ResourceModule::FindDialog(UINT id) const
{
    const auto* found = FindIn(m_dialogs, id);
    return found ? *found : nullptr;
}

void AfxAddResourceModule(HINSTANCE module)
{
    auto& chain = State().chain;
    if (module && std::find(chain.begin(), chain.end(), module) == chain.end())
        chain.push_back(module);
}

void AfxRemoveResourceModule(HINSTANCE module)
{
    auto& chain = State().chain;
    chain.erase(std::remove(chain.begin(), chain.end(), module), chain.end());
    if (State().current == module)
        State().current = nullptr;
}

std::vector<HINSTANCE> AfxResourceChain()
{
    return State().chain;
}

HINSTANCE AfxGetResourceHandle()
{
    return State().current;
}

void AfxSetResourceHandle(HINSTANCE module)
{
    State().current = module;
}

const char* AfxFindString(UINT id)
{
    return Search([id](const ResourceModule* m) { return m->FindString(id); });
}

const char* const* AfxFindBitmap(UINT id)
{
    return Search([id](const ResourceModule* m) { return m->FindBitmap(id); });
}

const std::vector<MenuItemResource>* AfxFindMenu(UINT id)
{
    return Search([id](const ResourceModule* m) { return m->FindMenu(id); });
}

const std::vector<AcceleratorResource>* AfxFindAccelerators(UINT id)
{
    return Search([id](const ResourceModule* m) { return m->FindAccelerators(id); });
}

const DialogTemplate* AfxFindDialog(UINT id)
{
    return Search([id](const ResourceModule* m) { return m->FindDialog(id); });
}

#pragma once

// Resources by id, per module, and the chain of resource modules. Lookups search
// the current resource module first, then every module of the chain in the order
// they joined it, as the framework does for its extension modules.

#include "platform/core/types.h"

#include <map>
#include <string>
#include <vector>

struct DialogTemplate;

struct MenuItemResource {
    UINT id = 0; // command id; 0 for a popup or a separator
    std::string text; // with '&' for the mnemonic and "\t" before a shortcut text
    bool separator = false;
    std::vector<MenuItemResource> items; // a popup's items

    // Builders that let a menu table read like a menu resource.
    static MenuItemResource Command(UINT commandId, const char* itemText);
    static MenuItemResource Separator();
    static MenuItemResource Popup(const char* popupText, std::vector<MenuItemResource> popupItems);
};

struct AcceleratorResource {
    std::string keys; // in Qt's portable key-sequence text, "F5", "Ctrl+N"
    UINT command = 0;
};

class ResourceModule {
public:
    explicit ResourceModule(std::string name) : m_name(std::move(name)) { }
    ResourceModule(const ResourceModule&) = delete;
    ResourceModule& operator=(const ResourceModule&) = delete;

    const std::string& name() const { return m_name; }

    void AddString(UINT id, std::string text) { m_strings[id] = std::move(text); }
    // An image in XPM form (the array an .xpm file declares).
    void AddBitmap(UINT id, const char* const* xpm) { m_bitmaps[id] = xpm; }
    void AddMenu(UINT id, std::vector<MenuItemResource> popups) { m_menus[id] = std::move(popups); }
    void AddAccelerators(UINT id, std::vector<AcceleratorResource> keys) { m_accelerators[id] = std::move(keys); }
    void AddDialog(UINT id, const DialogTemplate* dialog) { m_dialogs[id] = dialog; }

    const char* FindString(UINT id) const;
    const char* const* FindBitmap(UINT id) const;
    const std::vector<MenuItemResource>* FindMenu(UINT id) const;
    const std::vector<AcceleratorResource>* FindAccelerators(UINT id) const;
    const DialogTemplate* FindDialog(UINT id) const;

private:
    std::string m_name;
    std::map<UINT, std::string> m_strings;
    std::map<UINT, const char* const*> m_bitmaps;
    std::map<UINT, std::vector<MenuItemResource>> m_menus;
    std::map<UINT, std::vector<AcceleratorResource>> m_accelerators;
    std::map<UINT, const DialogTemplate*> m_dialogs;
};

using HINSTANCE = ResourceModule*;

// The chain of resource modules; a module joins once.
void AfxAddResourceModule(HINSTANCE module);
void AfxRemoveResourceModule(HINSTANCE module);
std::vector<HINSTANCE> AfxResourceChain();

// The current resource module (null until one is set).
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE module);

// A resource by id, current module first; null when no module has it.
const char* AfxFindString(UINT id);
const char* const* AfxFindBitmap(UINT id);
const std::vector<MenuItemResource>* AfxFindMenu(UINT id);
const std::vector<AcceleratorResource>* AfxFindAccelerators(UINT id);
const DialogTemplate* AfxFindDialog(UINT id);

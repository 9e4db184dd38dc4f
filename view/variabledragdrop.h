#pragma once

// Variables dragged in and out of the editor's form: variable paths dropped
// on the profiles list make a new profile of them, dropped on the variables
// list they are appended to the current profile; a profile dragged out of the
// profiles list carries its variables (and, on the clipboard, its name).
//
// Owns: the drag data source, the two drop rectangles and the self-drag flag.
// Asks: the profiles panel for its lists, the current profile and a new
// profile; the definition for the context name and the owner object.

#include "platform/ole/globalmemory.h"
#include "platform/ole/oledroptarget.h"
#include "platform/windows/wnd.h"

#include <cstdint>
#include <memory>

class COleDataObject;
class COleDataSource;
class DefinitionExchange;
class FormAccess;
class ProfilesPanel;

class VariableDragDrop {
public:
    VariableDragDrop(const FormAccess& form, ProfilesPanel& profiles, const DefinitionExchange& definition);
    ~VariableDragDrop();
    VariableDragDrop(const VariableDragDrop&) = delete;
    VariableDragDrop& operator=(const VariableDragDrop&) = delete;

    // The view's drop target calls: `point` in view coordinates.
    DROPEFFECT OnDragEnter(const COleDataObject* data, CPoint point);
    bool OnDrop(const COleDataObject* data, CPoint point);
    DROPEFFECT DropEffectAt(CPoint point);
    void UpdateDropRects();

    // A drag out of the profiles list (LVN_BEGINDRAG).
    void OnProfilesBeginDrag();
    bool BuildVariablePathPayload(HGLOBAL* block) const;
    bool BuildProfileNamePayload(HGLOBAL* block) const;
    bool IsDraggingProfile() const { return m_selfDrag != 0; }

private:
    const FormAccess& m_form;
    ProfilesPanel& m_profiles;
    const DefinitionExchange& m_definition;
    std::unique_ptr<COleDataSource> m_dragSource;
    CRect m_variablesDropRect;
    CRect m_profilesDropRect;
    int32_t m_selfDrag = 0;
};

#pragma once

// The profiles panel of the editor's form: the profiles list and its strip,
// the profile set behind the list, sorting, dimensions, rename and delete,
// and the current profile's variables list with its strip.
//
// Owns: the profiles (ProfileSet, which also keeps the key counter), the
// current profile (the only selected row's), the sort state and the controls
// named above.
// Asks: the plot assignment to show a profile in its role, or take the role's
// display away; the form host to end open edits; the form for message boxes.

#include "controls/mylistboxex.h"
#include "model/profileset.h"
#include "platform/controls/listctrl.h"
#include "platform/core/cstring.h"

#include <memory>
#include <vector>

class CDataExchange;
class CListBoxExBuddy;
class FormAccess;
class IFormHost;
class PlotAssignment;
struct ListRowEvent;
struct NMHDR;

// The profiles strip's buttons, left to right (also Insert, a double-click on
// no row and a drop on the list for New).
enum class ProfilesCommand { New, Delete, ToggleDimension };

class ProfilesPanel {
public:
    ProfilesPanel(const FormAccess& form, IFormHost& host, PlotAssignment& assignment);
    ~ProfilesPanel();
    ProfilesPanel(const ProfilesPanel&) = delete;
    ProfilesPanel& operator=(const ProfilesPanel&) = delete;

    // Set-up: binding the form's lists, the strips and the columns.
    void Bind(CDataExchange* pDX);
    void CreateStrips();
    void CreateColumns();

    const ProfileSet& Profiles() const { return m_profiles; }
    CSUPEProfile* FindProfile(int key) const { return m_profiles.Find(key); }
    CSUPEProfile* CurrentProfile() const { return m_currentProfile; }
    CSUPEProfile* ProfileFromRow(int row) const;
    // The selected rows, top to bottom.
    std::vector<int> SelectedProfileRows() const;
    CListCtrl& List() { return m_profilesList; }
    const CListCtrl& List() const { return m_profilesList; }
    CMyListBoxEx& VariablesList() { return m_variablesList; }
    const CMyListBoxEx& VariablesList() const { return m_variablesList; }

    // Adds a profile (the set takes it over, also when it raises) with its
    // row, and shows it in its role.
    void AddProfile(std::unique_ptr<CSUPEProfile> profile);
    // Every profile goes, with every display of it; the key counter stays.
    void RemoveAllProfiles();
    // Selects the first row, if there is one, after the definition loaded.
    void SelectFirstRow();
    // Shows the variables of the current profile (the only selected row's).
    void ShowProfileVariables();
    // Deletes every selected profile, asking first for one that has a role.
    void DeleteSelectedProfiles();
    void NewProfile();
    void RunCommand(ProfilesCommand command);
    // A change to the variables list's rows, made to the current profile's
    // variables first; an index that names no variable is refused.
    void OnVariablesRowEvent(const ListRowEvent& event);
    // Ends an open edit of a profile's name, keeping the typed name.
    void EndLabelEdit();

    // The profiles list's notifications.
    void OnItemChanged(const NMHDR* header);
    void OnLabelEdited(const NMHDR* header);
    void OnColumnClick(const NMHDR* header);
    void OnDoubleClick(const NMHDR* header);
    void OnKeyDown(const NMHDR* header);
    void OnRightClick(const NMHDR* header);

private:
    int AddProfileRow(CSUPEProfile* profile);
    void SortProfiles(int column);
    // The row and column under the cursor of the message being handled.
    int ProfileRowAtCursor(int* column, UINT* flags) const;
    // `row` if it still carries `key`, else the row that does, or -1.
    int RowWithKey(int row, int key) const;
    // The keys of the selected profiles to delete, asked about where they have a role.
    std::vector<int> ConfirmDeletion();
    void ToggleSelectedDimensions();
    void SwapSelectedDimensions();
    void ToggleRowDimension(int row);
    void SetRowDimension(int row, int32_t dimension);
    void ShowDimensionMenu(int row);
    // Raises CInvalidArgException when `index` names no variable of `profile`;
    // `orEnd` lets it stand just past the last, to insert.
    static void CheckVariable(const CSUPEProfile& profile, int index, const char* operation, bool orEnd = false);

    const FormAccess& m_form;
    IFormHost& m_host;
    PlotAssignment& m_assignment;
    // The lists before their strips: the strips point into the lists and go first.
    CListCtrl m_profilesList;
    CMyListBoxEx m_variablesList;
    std::unique_ptr<CListBoxExBuddy> m_variablesStrip;
    std::unique_ptr<CListBoxExBuddy> m_profilesStrip;
    ProfileSet m_profiles;
    CSUPEProfile* m_currentProfile = nullptr;
    int32_t m_profileSortDirection = 0;
    int32_t m_profileSortColumn = 0;
};

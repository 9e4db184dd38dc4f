#pragma once

// The time settings page of the editor's form: the time mode radios, the
// start-time and interval fields, the maximum number of time points, and the
// times list with its strip; the times are shown in the document's display
// unit and written in the host's.
//
// Owns: those controls, the time mode, the display unit and its factor, and
// the counter that gives every times-list row its parameter.
// Asks: the plot type for the maximum-points rule; the form host whether the
// editor is closing and to cancel when a field is left by clicking Cancel.

#include "model/timeentries.h"
#include "platform/controls/edit.h"
#include "platform/controls/listctrl.h"
#include "platform/controls/spinbuttonctrl.h"
#include "platform/core/collections.h"
#include "platform/core/cstring.h"

#include <cstdint>
#include <memory>

class CDataExchange;
class CKSUDocument;
class CListBoxExBuddy;
class FormAccess;
class IFormHost;
class PlotTypeChoice;
struct NMHDR;

// The times strip's buttons, left to right (also the Insert and Delete keys).
enum class TimesCommand { New, Delete };

class TimeSettingsPage {
public:
    TimeSettingsPage(const FormAccess& form, IFormHost& host, const PlotTypeChoice& plotType);
    ~TimeSettingsPage();
    TimeSettingsPage(const TimeSettingsPage&) = delete;
    TimeSettingsPage& operator=(const TimeSettingsPage&) = delete;

    void Bind(CDataExchange* pDX);
    void CreateStrip();
    // Takes the display unit and the default interval from `document` (may be null).
    void SetUp(const CKSUDocument* document);
    // The document's display unit changed: every shown time is rescaled.
    void OnDisplayUnitChanged(const CKSUDocument& document);

    TimeMode CurrentTimeMode() const { return m_timeMode; }
    double TimeFactor() const { return m_timeFactor; }

    // The definition's time settings, shown as read.
    void ShowTimeMode(TimeMode mode) { m_timeMode = mode; }
    void ShowMaxTimePoints(int32_t maxTimePoints);
    void ShowTimes(const CStringArray& entries);
    void RemoveAllTimes() { m_timesList.DeleteAllItems(); }
    bool HasWindow() const { return m_timesList.GetSafeHwnd() != nullptr; }
    // The times as the host reads them; the shown times are re-formatted.
    CStringArray WriteTimeEntries();

    void UpdateTimeModeControls(bool checkRadio);
    void UpdateMaxTimePointsControls();
    // A time mode radio was clicked.
    void OnModeRadio(TimeMode mode);

    // 1 when `text` is a valid time (or interval); otherwise tells why, and 0.
    int ValidateTimeValue(const char* text, bool interval);
    // Runs the check of the time field that has the focus, as leaving it would.
    bool CheckFocusedTimeField();
    // The start-time and interval fields before a write; false (told) when not valid.
    bool ValidateTimeFields();
    void EndLabelEdit();

    void RunCommand(TimesCommand command);
    void OnStartTimeKillFocus();
    void OnIntervalKillFocus();
    void OnEndLabelEdit(const NMHDR* header);
    void OnClick(const NMHDR* header);
    void OnKeyDown(const NMHDR* header);
    void OnFocusChange(const NMHDR* header);

private:
    int AppendTimeRow(const CString& text);
    void RescaleTimes(double ratio);
    bool FocusIsOnCancel() const;
    void ShowRuleMessage(const char* text);
    // False when the field holds text that is not a valid time (the user was told).
    bool CheckTimeFieldOnFocusLoss(CEdit& field, bool interval);
    void NewTimeRow();
    void DeleteSelectedTimeRows();
    void SortAndThinTimeRows();
    void RepaintTimesList();

    const FormAccess& m_form;
    IFormHost& m_host;
    const PlotTypeChoice& m_plotType;
    CEdit m_startTimeEdit;
    CEdit m_intervalEdit;
    CSpinButtonCtrl m_maxTimePointsUpDown;
    CListCtrl m_timesList;
    std::unique_ptr<CListBoxExBuddy> m_timesStrip;
    int32_t m_timeRowCounter = 0;
    TimeMode m_timeMode = TimeMode::ContinuousUpdate;
    double m_timeFactor = 1.0;
    CString m_displayUnit;
    // Set while a field's check gives that field the focus back: the field
    // losing the focus then is not checked, so that two fields out of range
    // do not hand the focus to each other without end.
    bool m_checkingField = false;
};

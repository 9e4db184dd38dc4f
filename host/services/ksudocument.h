#pragma once

// The host's simulation document: display time unit and its factor, and the
// default time interval.

#include "host/services/kdocument.h"

// Broadcast to the views when the display time unit changes.
constexpr LPARAM HINT_DISPLAY_UNIT_CHANGED = 829;
// Broadcast after an editor wrote a plot definition, with the owner object's
// path and the context name as a two-entry CStringArray.
constexpr LPARAM HINT_DEFINITION_WRITTEN = 823;

class CKSUDocument : public CKDocument {
    DECLARE_DYNCREATE(CKSUDocument)
public:
    CKSUDocument();

    CString GetDisplayUnit() const { return m_displayUnit; }
    // Display time = communication time x factor.
    double CommunicationToDisplayTime(double communicationTime) const { return communicationTime * m_factor; }
    double GetDefaultTimeInterval() const { return m_defaultInterval; }

    // For the host: a new unit and factor, broadcast to the views with hint 829.
    void SetDisplayUnit(const char* unit, double factor);
    void SetDefaultTimeInterval(double interval) { m_defaultInterval = interval; }

private:
    CString m_displayUnit;
    double m_factor = 1.0;
    double m_defaultInterval = 1.0;
};

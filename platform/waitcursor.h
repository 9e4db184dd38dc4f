#pragma once

// Shows the wait cursor for the lifetime of the object; guards nest.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // How many guards are alive (for tests).
    static int ActiveCount();

private:
    bool m_applied;
};

#pragma once

// Message boxes of a run that nobody watches (--quit): each box is written to
// standard error and answered at once, with the answer that changes nothing
// (OK, No or Cancel), so that a scripted run never waits for a click.

#include "platform/windows/messagebox.h"

class UnattendedMessageBoxes final : public MessageBoxService {
public:
    UnattendedMessageBoxes();
    ~UnattendedMessageBoxes() override;
    UnattendedMessageBoxes(const UnattendedMessageBoxes&) = delete;
    UnattendedMessageBoxes& operator=(const UnattendedMessageBoxes&) = delete;

    int Show(HWND owner, const CString& text, const CString& title, UINT style) override;
    void Beep(UINT type) override;

private:
    MessageBoxService* m_previous;
};

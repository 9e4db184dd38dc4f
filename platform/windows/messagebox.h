#pragma once

// Message boxes and the warning beep, as a replaceable service: Qt message
// boxes for people; tests install a responder of their own.

#include "platform/core/cstring.h"
#include "platform/core/types.h"

class CWnd;

constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_OKCANCEL = 0x00000001;
constexpr UINT MB_YESNOCANCEL = 0x00000003;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_ICONHAND = 0x00000010;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONASTERISK = 0x00000040;
constexpr UINT MB_TOPMOST = 0x00040000;
constexpr UINT MB_TYPEMASK = 0x0000000F;
constexpr UINT MB_ICONMASK = 0x000000F0;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows a modal box and returns the button chosen (IDOK, IDYES, ...).
    virtual int Show(HWND owner, const CString& text, const CString& title, UINT style) = 0;
    virtual void Beep(UINT type) = 0;

    // The service in use: the Qt one unless another was installed.
    static MessageBoxService& Current();
    // Installs `service` (not owned) and returns the one it replaces; null restores Qt's.
    static MessageBoxService* Install(MessageBoxService* service);
};

// Shows boxes to people with QMessageBox and beeps with QApplication::beep.
class QtMessageBoxService : public MessageBoxService {
public:
    int Show(HWND owner, const CString& text, const CString& title, UINT style) override;
    void Beep(UINT type) override;
};

int MessageBox(HWND owner, const char* text, const char* title, UINT style);
void MessageBeep(UINT type);

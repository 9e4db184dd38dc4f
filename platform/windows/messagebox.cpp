#include "platform/windows/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {

MessageBoxService* g_installedMessageBoxes = nullptr;

} // namespace

MessageBoxService& MessageBoxService::Current()
{
    static QtMessageBoxService qtService;
    return g_installedMessageBoxes ? *g_installedMessageBoxes : qtService;
}

MessageBoxService* MessageBoxService::Install(MessageBoxService* service)
{
    MessageBoxService* previous = g_installedMessageBoxes;
    g_installedMessageBoxes = service;
    return previous;
}

int QtMessageBoxService::Show(HWND owner, const CString& text, const CString& title, UINT style)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style & MB_ICONMASK) {
    case MB_ICONHAND:
        icon = QMessageBox::Critical;
        break;
    case MB_ICONQUESTION:
        icon = QMessageBox::Question;
        break;
    case MB_ICONEXCLAMATION:
        icon = QMessageBox::Warning;
        break;
    case MB_ICONASTERISK:
        icon = QMessageBox::Information;
        break;
    default:
        break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case MB_YESNO:
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    case MB_YESNOCANCEL:
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    default:
        break;
    }
    QMessageBox box(icon, title.ToQString(), text.ToQString(), buttons, owner);
    // The text may quote names a person typed: never read it as markup.
    box.setTextFormat(Qt::PlainText);
    if (style & MB_TOPMOST)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    default:
        return IDOK;
    }
}

void QtMessageBoxService::Beep(UINT /*type*/)
{
    QApplication::beep();
}

int MessageBox(HWND owner, const char* text, const char* title, UINT style)
{
    return MessageBoxService::Current().Show(owner, CString(text), CString(title), style);
}

void MessageBeep(UINT type)
{
    MessageBoxService::Current().Beep(type);
}

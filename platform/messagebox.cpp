#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace {

MessageBoxService* g_installed = nullptr;

int DefaultButton(UINT style)
{
    switch (style & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL: return IDYES;
    default: return IDOK;
    }
}

} // namespace

MessageBoxService& MessageBoxService::Current()
{
    static QtMessageBoxService qtService;
    return g_installed ? *g_installed : qtService;
}

MessageBoxService* MessageBoxService::Install(MessageBoxService* service)
{
    MessageBoxService* previous = g_installed;
    g_installed = service;
    return previous;
}

int QtMessageBoxService::Show(HWND owner, const CString& text, const CString& title, UINT style)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (style & MB_ICONMASK) {
    case MB_ICONHAND: icon = QMessageBox::Critical; break;
    case MB_ICONQUESTION: icon = QMessageBox::Question; break;
    case MB_ICONEXCLAMATION: icon = QMessageBox::Warning; break;
    case MB_ICONASTERISK: icon = QMessageBox::Information; break;
    default: break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MB_YESNO: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case MB_YESNOCANCEL: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
    default: break;
    }
    QMessageBox box(icon, title.ToQString(), text.ToQString(), buttons, owner);
    if (style & MB_TOPMOST)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (box.exec()) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDOK;
    }
}

void QtMessageBoxService::Beep(UINT /*type*/)
{
    QApplication::beep();
}

ScriptedMessageBoxResponder::ScriptedMessageBoxResponder() : m_previous(Install(this)) {}

ScriptedMessageBoxResponder::~ScriptedMessageBoxResponder()
{
    Install(m_previous);
}

void ScriptedMessageBoxResponder::Clear()
{
    m_answers.clear();
    m_boxes.clear();
    m_events.clear();
    m_beeps = 0;
}

int ScriptedMessageBoxResponder::Show(HWND owner, const CString& text, const CString& title, UINT style)
{
    const Box box{owner, text, title, style};
    m_boxes.push_back(box);
    m_events.push_back(Event{false, box, 0});
    if (m_answers.empty())
        return DefaultButton(style);
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedMessageBoxResponder::Beep(UINT type)
{
    ++m_beeps;
    m_events.push_back(Event{true, Box{nullptr, {}, {}, 0}, type});
}

int MessageBox(HWND owner, const char* text, const char* title, UINT style)
{
    return MessageBoxService::Current().Show(owner, CString(text), CString(title), style);
}

void MessageBeep(UINT type)
{
    MessageBoxService::Current().Beep(type);
}

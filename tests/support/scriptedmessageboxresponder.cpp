#include "support/scriptedmessageboxresponder.h"

#include <utility>

namespace {

int DefaultButton(UINT style)
{
    switch (style & MB_TYPEMASK) {
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return IDYES;
    default:
        return IDOK;
    }
}

} // namespace

ScriptedMessageBoxResponder::ScriptedMessageBoxResponder() : m_previous(Install(this))
{
}

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
    const Box box {owner, text, title, style};
    m_boxes.push_back(box);
    m_events.push_back(Event {false, box, 0});
    if (m_during)
        std::exchange(m_during, nullptr)();
    if (m_answers.empty())
        return DefaultButton(style);
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

void ScriptedMessageBoxResponder::Beep(UINT type)
{
    ++m_beeps;
    m_events.push_back(Event {true, Box {nullptr, {}, {}, 0}, type});
}

QStringList ScriptedMessageBoxResponder::texts() const
{
    QStringList texts;
    for (const Box& box : m_boxes)
        texts << box.text.ToQString();
    return texts;
}

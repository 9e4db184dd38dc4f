#pragma once

#include "platform/windows/messagebox.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// For tests: installs itself for its lifetime, records each box and beep in
// order, and answers from a script (then with the box's default button).
class ScriptedMessageBoxResponder : public MessageBoxService {
public:
    struct Box {
        HWND owner;
        CString text;
        CString title;
        UINT style;
    };
    // One entry of the log of boxes and beeps, in order.
    struct Event {
        bool isBeep;
        Box box;
        UINT beepType;
    };

    ScriptedMessageBoxResponder();
    ~ScriptedMessageBoxResponder() override;
    ScriptedMessageBoxResponder(const ScriptedMessageBoxResponder&) = delete;
    ScriptedMessageBoxResponder& operator=(const ScriptedMessageBoxResponder&) = delete;

    void Answer(int button) { m_answers.push_back(button); }
    // Runs `action` while the next box is on screen (as the host's messages
    // run during a modal loop), before the box is answered.
    void DuringNextBox(std::function<void()> action) { m_during = std::move(action); }
    const std::vector<Box>& boxes() const { return m_boxes; }
    // The boxes' texts, in the order they were shown.
    QStringList texts() const;
    const std::vector<Event>& events() const { return m_events; }
    int beeps() const { return m_beeps; }
    void Clear();

    int Show(HWND owner, const CString& text, const CString& title, UINT style) override;
    void Beep(UINT type) override;

private:
    MessageBoxService* m_previous;
    std::deque<int> m_answers;
    std::function<void()> m_during;
    std::vector<Box> m_boxes;
    std::vector<Event> m_events;
    int m_beeps = 0;
};

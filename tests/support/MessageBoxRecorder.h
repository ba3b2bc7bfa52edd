#pragma once

#include "app/MessageBox.h"

#include <deque>
#include <vector>

// Answers the program's message boxes while alive and remembers what they said.
// Answers are taken from the queue; an empty queue answers Ok or No.
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder &) = delete;
    MessageBoxRecorder &operator=(const MessageBoxRecorder &) = delete;

    void answer(MessageAnswer next) { m_answers.push_back(next); }
    const std::vector<MessageRequest> &shown() const { return m_shown; }

private:
    std::deque<MessageAnswer> m_answers;
    std::vector<MessageRequest> m_shown;
};

#pragma once

#include "widgets/MessageBox.h"

#include <deque>
#include <vector>

// "Caption: text", then " (!)" for the exclamation icon and " [Yes No]" for those buttons.
inline QString MessageText(const MessageRequest &request)
{
    return request.caption + ": " + request.text + (request.icon == MessageIcon::Exclamation ? " (!)" : "")
           + (request.buttons == MessageButtons::YesNo ? " [Yes No]" : "");
}

// Answers the program's message boxes while alive (from the queue, else Ok or No) and
// remembers what they said.
class MessageBoxRecorder {
public:
    MessageBoxRecorder()
    {
        SetMessageBoxHandler([this](const MessageRequest &request) {
            m_shown.push_back(request);
            if (m_answers.empty())
                return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
            const MessageAnswer next = m_answers.front();
            m_answers.pop_front();
            return next;
        });
    }
    ~MessageBoxRecorder() { SetMessageBoxHandler({}); }
    Q_DISABLE_COPY(MessageBoxRecorder)

    void answer(MessageAnswer next) { m_answers.push_back(next); }
    const std::vector<MessageRequest> &shown() const { return m_shown; }

private:
    std::deque<MessageAnswer> m_answers;
    std::vector<MessageRequest> m_shown;
};

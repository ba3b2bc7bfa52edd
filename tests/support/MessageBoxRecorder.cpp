#include "support/MessageBoxRecorder.h"

MessageBoxRecorder::MessageBoxRecorder()
{
    SetMessageBoxHandler([this](const MessageRequest &request) {
        m_shown.push_back(request);
        if (!m_answers.empty()) {
            const MessageAnswer next = m_answers.front();
            m_answers.pop_front();
            return next;
        }
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageBoxHandler({});
}

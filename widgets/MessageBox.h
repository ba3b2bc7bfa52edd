#pragma once

#include <QString>

#include <functional>

class QWidget;

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Exclamation };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QWidget *parent = nullptr;
    QString text;
    QString caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// Every message the program shows goes through here, so that tests can answer it.
MessageAnswer ShowMessageBox(QWidget *parent, const QString &text, const QString &caption,
                             MessageButtons buttons = MessageButtons::Ok,
                             MessageIcon icon = MessageIcon::None);

// Replaces the real message box; an empty handler restores it.
using MessageBoxHandler = std::function<MessageAnswer(const MessageRequest &)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

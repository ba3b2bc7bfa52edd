#include "widgets/MessageBox.h"

#include <QMessageBox>

namespace {

MessageBoxHandler &handlerSlot()
{
    static MessageBoxHandler handler;
    return handler;
}

MessageAnswer showRealBox(const MessageRequest &request)
{
    QMessageBox box(request.icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                             : QMessageBox::NoIcon,
                    request.caption, request.text,
                    request.buttons == MessageButtons::YesNo
                        ? QMessageBox::Yes | QMessageBox::No
                        : QMessageBox::Ok,
                    request.parent);
    const int pressed = box.exec();
    if (request.buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

} // namespace

MessageAnswer ShowMessageBox(QWidget *parent, const QString &text, const QString &caption,
                             MessageButtons buttons, MessageIcon icon)
{
    const MessageRequest request{parent, text, caption, buttons, icon};
    if (handlerSlot())
        return handlerSlot()(request);
    return showRealBox(request);
}

void SetMessageBoxHandler(MessageBoxHandler handler)
{
    handlerSlot() = std::move(handler);
}

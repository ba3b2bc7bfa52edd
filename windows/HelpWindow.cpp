#include "windows/HelpWindow.h"

#include "res/Resources.h"

#include <QUrl>

HelpWindow::HelpWindow(QWidget *parent)
    : QTextBrowser(parent)
{
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vellumo Album Creator Help"));
    setOpenExternalLinks(false);
    setSource(QUrl(QString::fromLatin1(kHelpPageUrl)));
    resize(560, 620);
}

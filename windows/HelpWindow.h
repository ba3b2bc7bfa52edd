#pragma once

#include <QTextBrowser>

// The program's own help window, showing the help page shipped with it.
class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);
};

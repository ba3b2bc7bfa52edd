#pragma once

#include <QDialog>

// "About Vellumo 1.1": the icon, the version and how to reach the maker.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};

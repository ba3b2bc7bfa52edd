#include "windows/AboutDlg.h"

#include "widgets/DialogUnits.h"
#include "res/Resources.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel *addText(QWidget *parent, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QString::number(ResourceId::AboutDialog));
    setFont(DialogFont());
    setWindowTitle(QStringLiteral("About Vellumo 1.1"));
    setFixedSize(DialogRect(0, 0, 235, 135).size());

    auto *icon = new QLabel(this);
    icon->setGeometry(DialogRect(11, 14, 24, 24));
    icon->setPixmap(ApplicationIcon().pixmap(32, 32));

    addText(this, QStringLiteral("Vellumo Version 1.1"), DialogRect(46, 14, 180, 10));
    addText(this, QStringLiteral("Vellumo Album Creator, by Quillmere"), DialogRect(46, 30, 180, 10));
    addText(this, QStringLiteral("Photo albums for 160 by 160 gray-scale handhelds."),
            DialogRect(46, 44, 180, 20))->setWordWrap(true);
    addText(this, QStringLiteral("Questions and suggestions:"), DialogRect(46, 70, 180, 10));
    addText(this, QStringLiteral("support@quillmere.example"), DialogRect(46, 82, 180, 10))
        ->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(DialogRect(178, 110, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

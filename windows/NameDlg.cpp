#include "windows/NameDlg.h"

#include "widgets/DialogUnits.h"
#include "widgets/MessageBox.h"
#include "album/NameInput.h"
#include "res/Resources.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CNameDlg::CNameDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QString::number(ResourceId::NameDialog));
    setFont(DialogFont());
    setWindowTitle(QStringLiteral("Dialog"));
    setFixedSize(DialogRect(0, 0, 186, 82).size());

    // Tab order: edit box, OK, Cancel.
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QString::number(kEditId));
    m_edit->setGeometry(DialogRect(61, 49, 89, 14));
    connect(m_edit, &QLineEdit::textEdited, this, &CNameDlg::OnNameEdited);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setGeometry(DialogRect(129, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CNameDlg::accept);

    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setGeometry(DialogRect(129, 24, 50, 14));
    connect(cancel, &QPushButton::clicked, this, &CNameDlg::reject);

    m_promptLabel = new QLabel(this);
    m_promptLabel->setObjectName(QString::number(kPromptId));
    m_promptLabel->setGeometry(DialogRect(7, 7, 114, 34));
    m_promptLabel->setWordWrap(true);
    m_promptLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *label = new QLabel(QStringLiteral("Name:"), this);
    label->setGeometry(DialogRect(35, 51, 22, 8));
}

int CNameDlg::exec()
{
    // The members reach the controls when the prompt opens, as the caller set them.
    m_edit->setText(m_name);
    m_acceptedText = m_name;
    m_promptLabel->setText(m_prompt);
    setWindowTitle(m_title);
    m_edit->setFocus();
    m_edit->selectAll();
    return QDialog::exec();
}

void CNameDlg::OnNameEdited(const QString &text)
{
    const NameEdit edit = ApplyNameEdit(m_acceptedText, text, kMaxChars);
    if (edit.text != text) {
        m_edit->setText(edit.text);
        m_edit->setCursorPosition(edit.cursor);
    }
    m_acceptedText = edit.text;
}

void CNameDlg::accept()
{
    const QString text = m_edit->text();
    if (text.size() > kMaxChars) {
        ShowMessageBox(this, QStringLiteral("Please enter no more than %1 characters.").arg(kMaxChars),
                       windowTitle(), MessageButtons::Ok, MessageIcon::Exclamation);
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_name = text;
    QDialog::accept();
}

#pragma once

#include "album/NameInput.h"

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

// The name prompt: the caller sets the title, the prompt and the starting text; after OK
// m_name holds 0 to 15 characters that the handheld's character set can hold.
class CNameDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxChars = kMaxNameChars;
    static constexpr int kEditId = 1013;
    static constexpr int kPromptId = 1012;

    explicit CNameDlg(QWidget *parent = nullptr);

    int exec() override;
    void accept() override;

    QString m_name;
    QString m_prompt;
    QString m_title;

private slots:
    void OnNameEdited(const QString &text);

private:
    QLineEdit *m_edit = nullptr;
    QLabel *m_promptLabel = nullptr;
    QString m_acceptedText; // the edit box's text before the user's latest edit
};

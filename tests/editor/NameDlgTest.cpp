#include "editor/NameDlg.h"
#include "support/MessageBoxRecorder.h"
#include "support/QtPrinters.h"
#include "support/TextFit.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Opens the prompt, lets `use` work on it while it runs, and returns its result.
int runPrompt(CNameDlg &prompt, std::function<void(QLineEdit *)> use)
{
    QTimer::singleShot(0, &prompt, [&prompt, use] {
        use(prompt.findChild<QLineEdit *>("1013"));
        if (prompt.isVisible())
            prompt.reject();
    });
    return prompt.exec();
}

} // namespace

TEST(NameDlgTest, ShowsTitlePromptAndStartingText)
{
    CNameDlg prompt;
    prompt.m_title = "Rename Photo";
    prompt.m_name = "Harbour";
    prompt.m_prompt = "Enter the new name for the photo called 'Harbour'.";
    QString shown;
    runPrompt(prompt, [&](QLineEdit *edit) {
        shown = prompt.windowTitle() + "|" + edit->text() + "|"
                + prompt.findChild<QLabel *>("1012")->text();
        EXPECT_EQ(prompt.focusWidget(), edit);
    });
    EXPECT_EQ(shown, "Rename Photo|Harbour|Enter the new name for the photo called 'Harbour'.");
    EXPECT_EQ(ClippedTexts(&prompt), QStringList());
}

TEST(NameDlgTest, TypingAndPastingStopAtFifteenCharacters)
{
    CNameDlg prompt;
    const int result = runPrompt(prompt, [&](QLineEdit *edit) {
        QTest::keyClicks(edit, "A name of exactly fifteen");
        EXPECT_EQ(edit->text(), "A name of exact");
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QApplication::clipboard()->setText(QString::fromUtf8("Zürich 中 harbour at night"));
        edit->paste();
        EXPECT_EQ(edit->text(), QString::fromUtf8("Zürich  harbour"));
        prompt.findChild<QPushButton *>("1")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(prompt.m_name, QString::fromUtf8("Zürich  harbour"));
}

TEST(NameDlgTest, LongerStartingTextIsShownWholeButRefusedUntilShortened)
{
    MessageBoxRecorder messages;
    CNameDlg prompt;
    prompt.m_title = "Rename Photo";
    prompt.m_name = "A very long old photo name";
    const int result = runPrompt(prompt, [&](QLineEdit *edit) {
        EXPECT_EQ(edit->text(), "A very long old photo name");
        prompt.findChild<QPushButton *>("1")->click();
        EXPECT_TRUE(prompt.isVisible());
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, "Please enter no more than 15 characters.");
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_X);
        EXPECT_EQ(edit->text(), "A very long old photo name");
        edit->setText("Old photo");
        prompt.findChild<QPushButton *>("1")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(prompt.m_name, "Old photo");
}

// Real keys, wheel turns and mouse presses on the album window, the editor and the name prompt.
#include "editor/PictureEditorDlg.h"
#include "res/Resources.h"
#include "support/AlbumWindowFixture.h"
#include "support/MessageBoxRecorder.h"
#include "support/QtPrinters.h"

#include <QSettings>
#include <QTest>
#include <QTimer>

namespace {

void pressEnterOn(QWidget &window, const char *control)
{
    QWidget *target = window.findChild<QWidget *>(control);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
}

// Each modal window is answered with Enter on m_answer (after "Harbour" typed into a name
// prompt) or else Escape. happened() names them, then the captions of the messages shown.
class KeyboardTest : public AlbumWindowTest {
protected:
    void SetUp() override
    {
        AlbumWindowTest::SetUp();
        QObject::connect(&m_modals, &QTimer::timeout, [this] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || modal->inherits("CSplashDlg"))   // the fixture ends the splash
                return;
            m_opened << modal->metaObject()->className();
            if (QWidget *name = modal->findChild<QWidget *>("1013"))
                QTest::keyClicks(name, "Harbour");
            if (*m_answer && modal->findChild<QWidget *>(m_answer))
                pressEnterOn(*modal, m_answer);
            if (modal->isVisible())
                QTest::keyClick(modal, Qt::Key_Escape);
        });
        m_modals.start(5);
    }
    QString happened()
    {
        for (; m_seen < m_messages.shown().size(); ++m_seen)
            m_opened << m_messages.shown()[m_seen].caption;
        return std::exchange(m_opened, {}).join(' ');
    }
    void openEditor(CPictureEditorDlg &editor, QSize size = {640, 480})
    {
        editor.m_source = ImgBitmap::FromQImage(QImage(QString::fromLatin1(kLogoBitmapPath)).scaled(size));
        editor.m_dataDir = m_data.path();
        editor.show();
    }
    QTimer m_modals;
    size_t m_seen = 0;
    QStringList m_opened;
    const char *m_answer = "";
};

} // namespace

TEST_F(KeyboardTest, EnterOnAFocusedAlbumButtonDoesItsJobAndElsewhereExitsAndSaves)
{
    // Three photos, the second selected; `second` is the list's second name afterwards.
    struct Row { const char *why, *focus, *answer, *happened, *second; bool ends; };
    const Row rows[] = {
        {"Add Photo opens the file chooser", "1000", "", "QFileDialog", "n1", false},
        {"Remove Photo asks first (answered No)", "1001", "", "Remove Photo", "n1", false},
        {"Rename Photo, prompt's OK focused", "1002", "1", "CNameDlg", "Harbour", false},
        {"Rename Photo, prompt's Cancel focused", "1002", "2", "CNameDlg", "n1", false},
        {"Move Up", "1003", "", "", "n0", false},
        {"Move Down", "1004", "", "", "n2", false},
        {"Exit", "1", "", "", "n1", true},
        {"the list gives Exit", "1005", "", "", "n1", true},
    };
    for (const Row &r : rows) {
        writeAlbum(NumberedRecords(3, m_data.path()));
        CAlbumDlg dlg;
        open(dlg);
        list(dlg)->setCurrentRow(1);
        QFile::remove(AlbumFilePath(m_data.path()));   // only leaving writes it again
        m_answer = r.answer;
        pressEnterOn(dlg, r.focus);
        EXPECT_EQ(happened(), r.happened) << r.why;
        EXPECT_EQ(list(dlg)->item(1)->text(), r.second) << r.why;
        EXPECT_EQ(dlg.isVisible(), !r.ends) << r.why;
        EXPECT_EQ(NamesInFile(m_data.path()).size(), r.ends ? 3 : 0) << r.why << ": saved";
    }
}

TEST_F(KeyboardTest, EnterInTheEditorAndItsPromptPressesTheFocusedButtonElseTheDefault)
{
    struct Row { const char *why; QSize size; const char *focus, *answer, *happened; bool saved; };
    // The row that saves comes last: it leaves a picture file and the settings behind.
    const Row rows[] = {
        {"Cancel focused asks to discard", {640, 480}, "2", "1", "Cancel", false},
        {"slider, prompt's Cancel focused", {640, 480}, "1015", "2", "CNameDlg", false},
        {"4 by 1000, no pixel wide: nothing to save", {4, 1000}, "1", "1", "Save", false},
        {"1000 by 4, no pixel high: nothing to save", {1000, 4}, "1016", "1", "Save", false},
        {"Save focused, Enter in the prompt's edit box", {640, 480}, "1", "1013", "CNameDlg", true},
    };
    for (const Row &r : rows) {
        CPictureEditorDlg editor;
        openEditor(editor, r.size);
        m_answer = r.answer;
        pressEnterOn(editor, r.focus);
        EXPECT_EQ(happened(), r.happened) << r.why;
        EXPECT_EQ(editor.isVisible(), !r.saved) << r.why;
        EXPECT_EQ(QFile::exists(m_data.file("p0.bmp")), r.saved) << r.why;   // the first free name
        EXPECT_EQ(QSettings().contains("Parameters/Gray Level"), r.saved) << r.why;
    }
}

TEST_F(KeyboardTest, EveryEndedSliderMovementRendersOnceAtItsPosition)
{
    struct CountingEditor : CPictureEditorDlg {
        void RenderPreview(CropRect frame) override { ++renders; CPictureEditorDlg::RenderPreview(frame); }
        int renders = 0;
    } editor;
    openEditor(editor);
    QWidget *slider = editor.findChild<QWidget *>("1015");
    const int right = slider->width() - 4, y = slider->height() / 2;   // on the groove's line
    // Qt's slider: a wheel notch is 3 single steps of 1; Page keys and groove clicks a page of 100.
    struct Row { const char *why; std::function<void()> move; int contrast; };
    const Row rows[] = {
        {"wheel turned one notch", [&] { QWheelEvent turn({}, {}, {}, {0, 120}, {}, {}, Qt::NoScrollPhase, false);
                                          QApplication::sendEvent(slider, &turn); }, 3},
        {"Page Up", [&] { QTest::keyClick(slider, Qt::Key_PageUp); }, 103},
        {"Page Down, focus gone before the release", [&] { QTest::keyPress(slider, Qt::Key_PageDown); editor.setFocus(); }, 3},
        {"End", [&] { QTest::keyClick(slider, Qt::Key_End); }, 1000},
        {"thumb dragged past the left end: renders when let go", [&] {
             QTest::mousePress(slider, Qt::LeftButton, {}, {right, y});
             QTest::mouseMove(slider, {-300, y});
             QApplication::processEvents();
             EXPECT_EQ(editor.renders, 0) << "while dragged";
             QTest::mouseRelease(slider, Qt::LeftButton, {}, {-300, y});
         }, -1000},
        {"groove clicked right of the thumb", [&] { QTest::mouseClick(slider, Qt::LeftButton, {}, {right - 30, y}); }, -900},
    };
    for (const Row &r : rows) {
        slider->setFocus();
        editor.renders = 0;
        r.move();
        QApplication::processEvents();
        EXPECT_EQ(editor.renders, 1) << r.why;
        EXPECT_EQ(editor.m_contrast, r.contrast) << r.why;
    }
}

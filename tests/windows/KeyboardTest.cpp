// The album window's commands by button, menu and key, and Enter and the slider in the editor.
#include "windows/PictureEditorDlg.h"
#include "windows/PictureEditorOwner.h"
#include "res/Resources.h"
#include "support/AlbumWindowFixture.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

void pressEnterOn(QWidget &window, const QString &control)
{
    QWidget *target = window.findChild<QWidget *>(control);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
}

// Modal windows are answered with Enter on m_answer (after "Harbour" typed into a name prompt)
// or else Escape; happened() names them (a prompt as "title (name)"), then the messages.
class KeyboardTest : public AlbumWindowTest {
protected:
    void SetUp() override
    {
        AlbumWindowTest::SetUp();
        m_album.dir = m_data.path();
        QObject::connect(&m_modals, &QTimer::timeout, [this] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal || modal->inherits("CSplashDlg"))   // the fixture ends the splash
                return;
            auto *name = modal->findChild<QLineEdit *>("1013");
            m_opened << (name ? modal->windowTitle() + " (" + name->text() + ")" : modal->metaObject()->className());
            if (name)
                QTest::keyClicks(name, "Harbour");
            if (!m_answer.isEmpty() && modal->findChild<QWidget *>(m_answer))
                pressEnterOn(*modal, m_answer);
            if (modal->isVisible())
                QTest::keyClick(modal, Qt::Key_Escape);
        });
        m_modals.start(5);
    }
    QString happened()
    {
        for (; m_seen < m_messages.shown().size(); ++m_seen)
            m_opened << MessageText(m_messages.shown()[m_seen]);
        return std::exchange(m_opened, {}).join(" / ");
    }
    void openEditor(CPictureEditorDlg &editor, QSize size = {640, 480})
    {
        editor.m_source = ImgBitmap::FromQImage(QImage(QString::fromLatin1(kLogoBitmapPath)).scaled(size));
        editor.show();
    }
    // The album window the editors are opened from: it gives them the data folder.
    struct Album : QWidget, PictureEditorOwner {
        const QString &dataDir() const override { return dir; }
        QString dir;
    } m_album;
    QTimer m_modals;
    size_t m_seen = 0;
    QStringList m_opened;
    QString m_answer;
};

} // namespace

TEST_F(KeyboardTest, CommandsByButtonMenuOrEnterActOnTheSelectionAndReachTheFileOnExit)
{
    CAlbumDlg dlg;
    openWith(dlg, 4);
    ASSERT_TRUE(QFile::remove(AlbumFilePath(m_data.path())));   // only leaving writes it again
    const QString noSelection = "You must first select a photo from the list.";
    // how: 'c' a click on the button or menu item, 'e' Enter on the focused button, 'd' the Delete
    // key in the list. answer: a removal's Yes, or the button pressed in the name prompt. Row -1
    // empties the selection after selecting the first row.
    struct Row { const char *why; int row; char how; int id; const char *answer, *state, *happened; };
    const Row rows[] = {
        {"the first cannot go up", 0, 'c', AlbumId::MenuMoveUp, "", "[n0] n1 n2 n3 | ARND | fpscrn", ""},
        {"Move Up", 1, 'e', AlbumId::MoveUp, "", "[n1] n0 n2 n3 | ARND | fpscrn", ""},
        {"the last cannot go down", 3, 'c', AlbumId::MenuMoveDown, "", "n1 n0 n2 [n3] | ARNU | fpscrn", ""},
        {"Move Down", 0, 'e', AlbumId::MoveDown, "", "n0 [n1] n2 n3 | ARNUD | fpscrn", ""},
        {"no selection, Remove", -1, 'c', AlbumId::RemovePhoto, "", "n0 n1 n2 n3 | ARND | fpscrn", "Remove Photo: "},
        {"no selection, Rename", -1, 'c', AlbumId::MenuRename, "", "n0 n1 n2 n3 | ARND | fpscrn", "Rename Photo: "},
        {"no selection, Move Down", -1, 'c', AlbumId::MoveDown, "", "n0 n1 n2 n3 | ARND | fpscrn", ""},
        {"Rename, OK", 1, 'e', AlbumId::RenamePhoto, "1", "n0 [Harbour] n2 n3 | ARNUD | fpscrn", "Rename Photo (n1)"},
        {"Rename, Cancel", 2, 'c', AlbumId::RenamePhoto, "2", "n0 Harbour [n2] n3 | ARNUD | fpscrn", "Rename Photo (n2)"},
        {"Remove, No, selects the one above", 2, 'e', AlbumId::RemovePhoto, "", "n0 [Harbour] n2 n3 | ARNUD | fpscrn", "Remove Photo: Really remove n2 from the album? [Yes No]"},
        {"Remove, Yes", 2, 'c', AlbumId::RemovePhoto, "Yes", "n0 [Harbour] n3 | ARNUD | fpscrn", "Remove Photo: Really remove n2 from the album? [Yes No]"},
        {"Remove the first", 0, 'd', 0, "Yes", "[Harbour] n3 | ARND | fpscrn", "Remove Photo: Really remove n0 from the album? [Yes No]"},
    };
    for (const Row &r : rows) {
        list(dlg)->setCurrentRow(std::max(r.row, 0));
        if (r.row < 0)
            list(dlg)->clearSelection();
        m_answer = r.answer;
        if (m_answer == "Yes")
            m_messages.answer(MessageAnswer::Yes);
        if (r.how == 'c')
            command(dlg, r.id);
        else if (r.how == 'e')
            pressEnterOn(dlg, QString::number(r.id));
        else
            QTest::keyClick(list(dlg), Qt::Key_Delete);
        EXPECT_EQ(happened(), QString(r.happened) + (QString(r.happened).endsWith(": ") ? noSelection : "")) << r.why;
        EXPECT_EQ(state(dlg), r.state) << r.why;
    }
    command(dlg, AlbumId::Exit);
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"Harbour", "n3"}));
    EXPECT_EQ(EntryNames(m_data.path()), QStringList({"Photos.dat", "p1.bmp", "p3.bmp"})) << "the saved removals' pictures go";
}

TEST_F(KeyboardTest, ExitEnterAndTheCloseBoxSaveInListOrderEscapeDoesNotAndEnterOnAddAddsOnly)
{
    const auto enterOn = [](const char *id) { return [id](CAlbumDlg &d) { pressEnterOn(d, id); }; };
    const auto ctrl = [](Qt::Key key) { return [key](CAlbumDlg &d) { QTest::keyClick(&d, key, Qt::ControlModifier); }; };
    QApplication::clipboard()->setText("no picture");
    struct Row { const char *why; std::function<void(CAlbumDlg &)> end; const char *happened; bool saves; };
    const Row rows[] = {
        {"File Exit", [](CAlbumDlg &d) { menuItem(d, AlbumId::MenuExit)->trigger(); }, "", true}, {"Enter on Exit", enterOn("1"), "", true},
        {"Enter in the list", enterOn("1005"), "", true}, {"the close box", [](CAlbumDlg &d) { d.close(); }, "", true},
        {"Escape", [](CAlbumDlg &d) { QTest::keyClick(&d, Qt::Key_Escape); }, "", false}, {"Enter on Add Photo opens the file chooser", enterOn("1000"), "QFileDialog", false},
        {"Ctrl+O opens the file chooser", ctrl(Qt::Key_O), "QFileDialog", false}, {"Ctrl+V pastes", ctrl(Qt::Key_V), "Copy from Clipboard: You must first copy an image to the clipboard. (!)", false},
        {"Help, About", [](CAlbumDlg &d) { menuItem(d, AlbumId::MenuAbout)->trigger(); }, "CAboutDlg", false},
    };
    for (const Row &r : rows) {
        CAlbumDlg dlg;
        openWith(dlg, 3);
        QFile::remove(AlbumFilePath(m_data.path()));
        m_messages.answer(MessageAnswer::Yes);
        command(dlg, AlbumId::RemovePhoto); // n0
        list(dlg)->insertItem(0, list(dlg)->takeItem(1));
        happened();
        r.end(dlg);
        EXPECT_EQ(happened(), r.happened) << r.why;
        EXPECT_EQ(dlg.isVisible(), *r.happened != 0) << r.why;
        EXPECT_EQ(NamesInFile(m_data.path()), r.saves ? QStringList({"n2", "n1"}) : QStringList()) << r.why;
        EXPECT_EQ(QFile::exists(picture(0)), !r.saves) << r.why;
        // The desktop's standard keys, shown beside the commands in the menus.
        const std::pair<int, QKeySequence::StandardKey> keys[] = {{AlbumId::MenuAddFromFile, QKeySequence::Open},
            {AlbumId::MenuPaste, QKeySequence::Paste}, {AlbumId::Help, QKeySequence::HelpContents}};
        for (const auto &[id, key] : keys)
            EXPECT_EQ(menuItem(dlg, id)->shortcut().toString(), QKeySequence(key).toString()) << id;
    }
}

TEST_F(KeyboardTest, EnterInTheEditorAndItsPromptPressesTheFocusedButtonElseTheDefault)
{
    struct Row { const char *why; QSize size; const char *focus, *answer, *happened; bool saved; };
    // The row that saves comes last: it leaves a picture file behind.
    const Row rows[] = {
        {"Cancel focused asks to discard", {640, 480}, "2", "1", "Cancel: Should I discard the new picture? [Yes No]", false},
        {"slider, prompt's Cancel focused", {640, 480}, "1015", "2", "Picture Name (New Picture)", false},
        {"4 by 1000, no pixel wide: nothing to save", {4, 1000}, "1", "1", "Save: There is no picture to save", false},
        {"1000 by 4, no pixel high: nothing to save", {1000, 4}, "1016", "1", "Save: There is no picture to save", false},
        {"Save focused, Enter in the prompt's edit box", {640, 480}, "1", "1013", "Picture Name (New Picture)", true},
    };
    for (const Row &r : rows) {
        CPictureEditorDlg editor(&m_album);
        openEditor(editor, r.size);
        m_answer = r.answer;
        pressEnterOn(editor, r.focus);
        EXPECT_TRUE(happened().startsWith(r.happened)) << r.why;
        EXPECT_EQ(editor.isVisible(), !r.saved) << r.why;
        EXPECT_EQ(QFile::exists(m_data.file("p0.bmp")), r.saved) << r.why;   // the first free name
    }
}

TEST_F(KeyboardTest, EveryEndedSliderMovementRendersOnceAtItsPosition)
{
    struct CountingEditor : CPictureEditorDlg {
        void RenderPreview(CropRect frame) override { ++renders; CPictureEditorDlg::RenderPreview(frame); }
        using CPictureEditorDlg::CPictureEditorDlg;
        int renders = 0;
    } editor(&m_album);
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

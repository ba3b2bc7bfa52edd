#include "support/AlbumWindowFixture.h"

#include "album/AlbumFile.h"
#include "album/HelpWindow.h"
#include "album/PreviewPanel.h"
#include "editor/NameDlg.h"
#include "support/NextModal.h"

#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace {

PreviewPanel *panel(CAlbumDlg &dlg)
{
    return dlg.findChild<PreviewPanel *>("1006");
}

} // namespace

TEST_F(AlbumWindowTest, OpensWithTheFirstPhotoSelectedAndShownCentredOnBlack)
{
    CAlbumDlg dlg;
    openWith(dlg, 2);
    EXPECT_EQ(dlg.windowTitle(), "Vellumo 1.1 Album Creator");
    EXPECT_EQ(state(dlg), "[n0] n1 | ARND | fpscrn");
    EXPECT_EQ(list(dlg)->item(1)->data(Qt::UserRole).toInt(), 1) << "an item's data is its slot";
    const QSize size = panel(dlg)->contentsRect().size();
    ASSERT_EQ(panel(dlg)->pixmap().size(), size);
    const QPoint corner((size.width() - 160) / 2, (size.height() - 160) / 2);
    // The flat grays 40 and 60 are stored as the nearest of the 16 levels: 34 and 68.
    const struct { const char *why; int row; QPoint at; int gray; } rows[] = {
        {"panel corner", 0, {0, 0}, 0},
        {"left of the picture", 0, corner + QPoint(-1, 80), 0},
        {"right of the picture", 0, corner + QPoint(160, 80), 0},
        {"above the picture", 0, corner + QPoint(80, -1), 0},
        {"below the picture", 0, corner + QPoint(80, 160), 0},
        {"first pixel of the picture", 0, corner, 34},
        {"last pixel of the picture", 0, corner + QPoint(159, 159), 34},
        {"the second photo", 1, corner + QPoint(80, 80), 68},
    };
    for (const auto &r : rows) {
        list(dlg)->setCurrentRow(r.row);
        EXPECT_EQ(qGray(panel(dlg)->pixmap().toImage().pixel(r.at)), r.gray) << r.why;
    }
    const qint64 shown = panel(dlg)->pixmap().cacheKey();
    list(dlg)->clearSelection();
    EXPECT_EQ(panel(dlg)->pixmap().cacheKey(), shown) << "a cleared selection keeps the picture";
    // A picture file that went missing does not leave the previous photo on show.
    ASSERT_TRUE(QFile::remove(picture(0)));
    list(dlg)->setCurrentRow(0);
    EXPECT_EQ(qGray(panel(dlg)->pixmap().toImage().pixel(corner + QPoint(5, 5))), 0);
}

TEST_F(AlbumWindowTest, AnEmptyAlbumShowsTheNoticeWithRemoveAndRenameGreyed)
{
    CAlbumDlg dlg;
    open(dlg);
    EXPECT_EQ(state(dlg), " | A | fpsc");
    EXPECT_TRUE(panel(dlg)->isShowingNotice());
}

TEST_F(AlbumWindowTest, ExitEnterAndTheCloseBoxSaveInListOrderButEscapeDoesNot)
{
    const QStringList reordered = {"n2", "n0", "n1"};
    const struct { const char *why; std::function<void(CAlbumDlg &)> end; QStringList saved; } rows[] = {
        {"Exit", [](CAlbumDlg &d) { QTest::mouseClick(button(d, AlbumId::Exit), Qt::LeftButton); }, reordered},
        {"File Exit", [](CAlbumDlg &d) { menuItem(d, AlbumId::MenuExit)->trigger(); }, reordered},
        {"Enter", [](CAlbumDlg &d) { QTest::keyClick(list(d), Qt::Key_Return); }, reordered},
        {"close box", [](CAlbumDlg &d) { d.close(); }, reordered},
        {"Escape", [](CAlbumDlg &d) { QTest::keyClick(&d, Qt::Key_Escape); }, {"n0", "n1", "n2"}},
    };
    for (const auto &r : rows) {
        writeAlbum(NumberedRecords(3, m_data.path()));
        CAlbumDlg dlg;
        open(dlg);
        list(dlg)->insertItem(0, list(dlg)->takeItem(2));
        r.end(dlg);
        EXPECT_FALSE(dlg.isVisible()) << r.why;
        EXPECT_EQ(NamesInFile(m_data.path()), r.saved) << r.why;
    }
}

TEST_F(AlbumWindowTest, MoreThan100RecordsLoadTheFirst100AndKeepTheFileAsBackup)
{
    writeAlbum(NumberedRecords(103, m_data.path()));
    const QString album = AlbumFilePath(m_data.path());
    const QByteArray original = ReadBytes(album);
    CAlbumDlg dlg;
    open(dlg);
    EXPECT_EQ(list(dlg)->count(), 100);
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_TRUE(m_messages.shown()[0].text.contains("3 of them were not loaded"));
    // Slots are not reused during a run: removals leave every way to add greyed.
    for (int i = 0; i < 3; ++i) {
        m_messages.answer(MessageAnswer::Yes);
        command(dlg, AlbumId::RemovePhoto);
    }
    EXPECT_TRUE(state(dlg).endsWith(" | RND | rn")) << state(dlg).right(20).toStdString();
    EXPECT_EQ(dlg.AddPhoto("One more", picture(100), 2), 0);
    ASSERT_TRUE(dlg.SaveAlbum());
    EXPECT_EQ(ReadBytes(album + ".bak"), original);
    EXPECT_EQ(ReadBytes(album).size(), 12 + 280 * 97);
    EXPECT_EQ(m_messages.shown().size(), 4u);
}

TEST_F(AlbumWindowTest, RemovalAsksThenDropsTheItemAndItsPictureAndSelectsTheOneAbove)
{
    CAlbumDlg dlg;
    openWith(dlg, 4);
    constexpr int kDeleteKey = -1;
    const struct { const char *why; int row, command; MessageAnswer answer; QString state; } rows[] = {
        {"button, Yes", 2, AlbumId::RemovePhoto, MessageAnswer::Yes, "n0 [n1] n3 | ARNUD | fpscrn"},
        {"menu on the first, Yes", 0, AlbumId::MenuRemove, MessageAnswer::Yes, "[n1] n3 | ARND | fpscrn"},
        {"Delete key, No", 1, kDeleteKey, MessageAnswer::No, "[n1] n3 | ARND | fpscrn"},
        {"Yes", 0, AlbumId::RemovePhoto, MessageAnswer::Yes, "[n3] | ARN | fpscrn"},
        {"the last one", 0, AlbumId::RemovePhoto, MessageAnswer::Yes, " | A | fpsc"},
    };
    for (const auto &r : rows) {
        const QString name = list(dlg)->item(r.row)->text();
        list(dlg)->setCurrentRow(r.row);
        m_messages.answer(r.answer);
        const size_t before = m_messages.shown().size();
        if (r.command == kDeleteKey)
            QTest::keyClick(list(dlg), Qt::Key_Delete);
        else
            command(dlg, r.command);
        EXPECT_EQ(shownSince(before), "Remove Photo: Really remove " + name + " from the album? [Yes No]") << r.why;
        EXPECT_EQ(state(dlg), r.state) << r.why;
        EXPECT_EQ(QFile::exists(picture(name.mid(1).toInt())), r.answer == MessageAnswer::No) << r.why;
    }
    EXPECT_TRUE(panel(dlg)->isShowingNotice());
    EXPECT_EQ(NamesInFile(m_data.path()).size(), 4) << "the file changes at the next save";
    command(dlg, AlbumId::Exit);
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList());
}

TEST_F(AlbumWindowTest, MovesReorderTheListAndTheSavedFile)
{
    writeAlbum(NumberedRecords(3, m_data.path()));
    CAlbumDlg dlg;
    open(dlg);
    const struct { const char *why; int row, command; QString state; } rows[] = {
        {"the first cannot go up", 0, AlbumId::MenuMoveUp, "[n0] n1 n2 | ARND | fpscrn"},
        {"up", 1, AlbumId::MoveUp, "[n1] n0 n2 | ARND | fpscrn"},
        {"the last cannot go down", 2, AlbumId::MenuMoveDown, "n1 n0 [n2] | ARNU | fpscrn"},
        {"down", 1, AlbumId::MoveDown, "n1 n2 [n0] | ARNU | fpscrn"},
    };
    for (const auto &r : rows) {
        list(dlg)->setCurrentRow(r.row);
        command(dlg, r.command);
        EXPECT_EQ(state(dlg), r.state) << r.why;
    }
    command(dlg, AlbumId::Exit);
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"n1", "n2", "n0"}));
}

TEST_F(AlbumWindowTest, WithoutASelectionRemoveAndRenameExplainAndMovesDoNothing)
{
    writeAlbum(NumberedRecords(3, m_data.path()));
    CAlbumDlg dlg;
    open(dlg);
    list(dlg)->setCurrentRow(1);
    list(dlg)->clearSelection();
    for (int id : {AlbumId::RemovePhoto, AlbumId::RenamePhoto, AlbumId::MoveUp, AlbumId::MenuMoveDown})
        command(dlg, id);
    EXPECT_EQ(texts(dlg), QStringList({"n0", "n1", "n2"}));
    ASSERT_EQ(m_messages.shown().size(), 2u);
    EXPECT_EQ(MessageText(m_messages.shown()[0]), "Remove Photo: You must first select a photo from the list.");
    EXPECT_EQ(MessageText(m_messages.shown()[1]), "Rename Photo: You must first select a photo from the list.");
}

TEST_F(AlbumWindowTest, RenameChangesOnlyTheNameUntilTheNextSave)
{
    CAlbumDlg dlg;
    openWith(dlg, 2);
    const qint64 shown = panel(dlg)->pixmap().cacheKey();
    QString asked;
    OnNextModal<CNameDlg>([&asked](CNameDlg &prompt) {
        auto *name = prompt.findChild<QLineEdit *>("1013");
        asked = prompt.windowTitle() + "|" + name->text();
        name->setText(QStringLiteral("Brücke"));
        prompt.accept();
    });
    command(dlg, AlbumId::RenamePhoto);
    EXPECT_EQ(asked, "Rename Photo|n0");
    EXPECT_EQ(texts(dlg), QStringList({"Brücke", "n1"}));
    EXPECT_EQ(panel(dlg)->pixmap().cacheKey(), shown);
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"n0", "n1"}));
    dlg.close();
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"Brücke", "n1"}));
}

TEST_F(AlbumWindowTest, HelpOpensOneHelpPageThatGoesWithTheWindow)
{
    QPointer<HelpWindow> help;
    {
        CAlbumDlg dlg;
        open(dlg);
        command(dlg, AlbumId::Help);
        help = dlg.findChild<HelpWindow *>();
        ASSERT_FALSE(help.isNull());
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->toPlainText().contains("Where your files go"));
        menuItem(dlg, AlbumId::Help)->trigger();
        EXPECT_EQ(dlg.findChildren<HelpWindow *>().size(), 1);
    }
    EXPECT_TRUE(help.isNull());
}

#include "support/AlbumWindowFixture.h"

#include "windows/HelpWindow.h"
#include "windows/PreviewPanel.h"

#include <QPointer>

TEST_F(AlbumWindowTest, OpensWithTheFirstPhotoSelectedAndShownCentredOnBlack)
{
    CAlbumDlg dlg;
    openWith(dlg, 2);
    EXPECT_EQ(dlg.windowTitle(), "Vellumo 1.1 Album Creator");
    EXPECT_EQ(state(dlg), "[n0] n1 | ARND | fpscrn");
    auto *panel = dlg.findChild<PreviewPanel *>("1006");
    const auto grayAt = [panel](QPoint at) { return qGray(panel->pixmap().toImage().pixel(at)); };
    const QSize size = panel->contentsRect().size();
    ASSERT_EQ(panel->pixmap().size(), size);
    const QPoint corner((size.width() - 160) / 2, (size.height() - 160) / 2);
    // The flat grays 40 and 60 are stored as the nearest of the 16 levels: 34 and 68.
    const struct { const char *why; int row; QPoint at; int gray; } rows[] = {
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
        EXPECT_EQ(grayAt(r.at), r.gray) << r.why;
    }
    const qint64 shown = panel->pixmap().cacheKey();
    list(dlg)->clearSelection();
    EXPECT_EQ(panel->pixmap().cacheKey(), shown) << "a cleared selection keeps the picture";
    ASSERT_TRUE(QFile::remove(picture(0)));
    list(dlg)->setCurrentRow(0);
    EXPECT_EQ(grayAt(corner + QPoint(5, 5)), 0) << "a missing picture file does not leave the last one";
}

TEST_F(AlbumWindowTest, MoreThan100RecordsLoadTheFirst100AndSaySo)
{
    writeAlbum(NumberedRecords(103, m_data.path()));
    CAlbumDlg dlg;
    open(dlg);
    EXPECT_EQ(list(dlg)->count(), 100);
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_TRUE(m_messages.shown()[0].text.contains("3 of them were not loaded"));
}

TEST_F(AlbumWindowTest, AnEmptyAlbumShowsTheNoticeAndHelpOpensOnePageThatGoesWithTheWindow)
{
    QPointer<HelpWindow> help;
    {
        CAlbumDlg dlg;
        open(dlg);
        EXPECT_EQ(state(dlg), " | A | fpsc");
        EXPECT_TRUE(dlg.findChild<PreviewPanel *>("1006")->isShowingNotice());
        command(dlg, AlbumId::Help);
        help = dlg.findChild<HelpWindow *>();
        ASSERT_FALSE(help.isNull());
        EXPECT_TRUE(help->isVisible() && help->toPlainText().contains("Where your files go"));
        menuItem(dlg, AlbumId::Help)->trigger();
        EXPECT_EQ(dlg.findChildren<HelpWindow *>().size(), 1);
    }
    EXPECT_TRUE(help.isNull());
}

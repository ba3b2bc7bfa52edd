// The picture sources and the album window on a real Wayland desktop: a headless sway with the
// screenshot portal, from scripts/wayland-session.
#include "album/PreviewPanel.h"
#include "editor/PictureEditorDlg.h"
#include "sources/CaptureOverlay.h"
#include "support/AlbumWindowFixture.h"

#include <QBuffer>
#include <QClipboard>
#include <QLabel>
#include <QProcess>

namespace {

// Every pixel of a 256 by 256 block unlike its neighbours, and the blocks unlike each other.
QImage pattern(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256 + y / 256 * 4) * 40));
    return image;
}

// The next overlay gets a drag from `press` to `release`.
void dragOnNextOverlay(QPoint press, QPoint release)
{
    OnNextModal<CaptureOverlay>([=](CaptureOverlay &overlay) {
        QTest::mousePress(&overlay, Qt::LeftButton, {}, press);
        QTest::mouseRelease(&overlay, Qt::LeftButton, {}, release);
    });
}

// The next editor is cancelled after its picture was kept in `source`.
void keepNextEditorsSource(QImage &source)
{
    OnNextModal<CPictureEditorDlg>([&source](CPictureEditorDlg &editor) {
        source = editor.m_source.ToQImage().convertToFormat(QImage::Format_RGB32);
        editor.done(QDialog::Rejected);   // without the question whether to discard it
    });
}

} // namespace

using DesktopTest = AlbumWindowTest;

TEST_F(DesktopTest, WaylandCaptureFromTheMenuGivesTheEditorExactlyTheDraggedPixelsOfTheScreen)
{
    CAlbumDlg dlg;
    open(dlg);
    // The desktop is one 800 by 600 screen; the release's row and column are not taken.
    const struct { const char *why; QPoint press, release; QRect area; } rows[] = {
        {"down and right", {10, 20}, {310, 220}, {10, 20, 300, 200}},
        {"up and left from the last pixel", {799, 599}, {500, 300}, {500, 300, 299, 299}},
    };
    for (const auto &r : rows) {
        QLabel screen;   // a new one each time: the overlay took the desktop's full screen
        screen.setPixmap(QPixmap::fromImage(pattern({800, 600})));
        screen.showFullScreen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
        QTest::qWait(300);   // until the desktop has shown it
        QImage source;
        dragOnNextOverlay(r.press, r.release);
        keepNextEditorsSource(source);
        command(dlg, AlbumId::MenuCapture);
        EXPECT_EQ(source, pattern({800, 600}).copy(r.area)) << r.why << "; " << shownSince(0).toStdString();
    }
}

TEST_F(DesktopTest, WaylandRefusedCaptureSaysSoAndLeavesTheAlbumAsItWas)
{
    // The wlroots portal has grim write every still to this file, and refuses when it cannot.
    QFile::remove("/tmp/out.png");
    ASSERT_TRUE(QDir().mkdir("/tmp/out.png"));
    CAlbumDlg dlg;
    openWith(dlg, 2);
    const QString before = state(dlg);
    OnNextModal<CaptureOverlay>([](CaptureOverlay &overlay) { QTest::keyClick(&overlay, Qt::Key_Escape); });
    command(dlg, AlbumId::MenuCapture);
    QDir().rmdir("/tmp/out.png");
    EXPECT_EQ(shownSince(0), "Capture: The screen could not be captured: the desktop refused the screenshot. (!)");
    EXPECT_EQ(state(dlg), before);
    EXPECT_FALSE(dlg.findChild<PreviewPanel *>()->isShowingNotice());
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"n0", "n1"}));
}

TEST_F(DesktopTest, WaylandPasteTakesThePictureThatWlCopyPutOnTheClipboard)
{
    CAlbumDlg dlg;
    open(dlg);
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(pattern({300, 280}).save(&buffer, "PNG"));
    QProcess wlCopy;
    wlCopy.start("wl-copy", {"--foreground", "--type", "image/png"});
    wlCopy.write(png);
    wlCopy.closeWriteChannel();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::clipboard()->mimeData()->hasImage(); }, 10000));
    QImage source;
    keepNextEditorsSource(source);
    command(dlg, AlbumId::MenuPaste);
    EXPECT_EQ(source, pattern({300, 280}));
    wlCopy.kill();
    wlCopy.waitForFinished();
}

TEST_F(DesktopTest, WaylandKeysTypedOnTheDesktopRemoveTheSecondPhotoAndExitSaving)
{
    CAlbumDlg dlg;
    openWith(dlg, 3);
    list(dlg)->setFocus();
    m_messages.answer(MessageAnswer::Yes);
    // wtype's first key is lost unless it waits a moment after joining the desktop.
    QProcess wtype;
    wtype.start("wtype", {"-s", "1200", "-d", "100", "-k", "Down", "-k", "Delete", "-k", "Return"});
    EXPECT_TRUE(QTest::qWaitFor([&dlg] { return !dlg.isVisible(); }, 20000));
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"n0", "n2"}));
    wtype.waitForFinished();
}

// The picture sources and the album window on real desktops: a headless sway with the screenshot
// portal, from scripts/wayland-session, an X server in memory (Xvfb), and two screens of Qt's
// offscreen platform.
#include "album/AlbumLock.h"
#include "windows/PreviewPanel.h"
#include "windows/PictureEditorDlg.h"
#include "sources/CaptureOverlay.h"
#include "support/AlbumWindowFixture.h"
#include <QClipboard>
#include <QLabel>
#include <QProcess>

// Every pixel unlike its neighbours, and each 256 by 256 block unlike the others.
static QImage pattern(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int i = 0, w = size.width(); i < w * size.height(); ++i)
        image.setPixel(i % w, i / w, qRgb(i % w % 256, i / w % 256, i % 199));
    return image;
}

static void keepNextEditorsSource(QImage &source)
{
    OnNextModal<CPictureEditorDlg>([&source](CPictureEditorDlg &editor) {
        source = editor.m_source.ToQImage().convertToFormat(QImage::Format_RGB32);
        editor.done(QDialog::Rejected);   // cancelled without the question whether to discard
    });
}

using DesktopTest = AlbumWindowTest;

// Enter typed by xdotool into the visible X window titled `window`; false while there is none. The key
// goes to the focus, not to the window: a window that goes away on the press would leave it held down.
static bool pressEnterIn(const QString &window)
{
    return QProcess::execute("sh", {"-c", "xdotool search --onlyvisible --name \"^$0\\$\" windowfocus --sync && xdotool key Return", window}) == 0;
}

// A new pattern window fills the desktop's one 800 by 600 screen each time, over the album window.
// On Wayland the wlroots portal has grim write every still to /tmp/out.png, and refuses when it cannot.
TEST_F(DesktopTest, CaptureGivesTheEditorExactlyTheDraggedPixelsOrSaysWhyNotAndChangesNothing)
{
    CAlbumDlg dlg;
    openWith(dlg, 2);
    const QString before = state(dlg);
    const struct { const char *why; Qt::MouseButton button; QPoint press, release; QRect area; QString message; } rows[] = {
        {"down and right, the release's row and column not taken", Qt::LeftButton, {10, 20}, {310, 220}, {10, 20, 300, 200}, ""},
        {"up and left from the last pixel", Qt::LeftButton, {799, 599}, {500, 300}, {500, 300, 299, 299}, ""},
        {"a click", Qt::LeftButton, {50, 50}, {50, 50}, {}, ""}, {"right button", Qt::RightButton, {5, 5}, {40, 40}, {}, ""},
        {"Escape", Qt::NoButton, {}, {}, {}, ""},
        {"refused", Qt::NoButton, {}, {}, {}, "Capture: The screen could not be captured: the desktop refused the screenshot. (!)"},
    };
    for (const auto &r : rows) {
        if (!r.message.isEmpty() && QGuiApplication::platformName() != "wayland")
            continue;   // an X server gives its picture to anyone
        QLabel screen;
        screen.setPixmap(QPixmap::fromImage(pattern({800, 600})));
        screen.setGeometry(0, 0, 800, 600);   // where no window manager makes it full screen
        screen.showFullScreen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&screen));
        QTest::qWait(1000);   // until the desktop has shown it, also on a busy machine
        QFile::remove("/tmp/out.png");
        ASSERT_TRUE(r.message.isEmpty() || QDir().mkdir("/tmp/out.png"));
        QImage source;
        if (r.message.isEmpty())   // else they would wait for the next test's windows
            OnNextModal<CaptureOverlay>([&r](CaptureOverlay &overlay) {
                if (r.button == Qt::NoButton)
                    return QTest::keyClick(&overlay, Qt::Key_Escape);
                QTest::mousePress(&overlay, r.button, {}, r.press);
                QTest::mouseRelease(&overlay, r.button, {}, r.release);
            });
        if (!r.area.isNull())
            keepNextEditorsSource(source);
        command(dlg, AlbumId::MenuCapture);
        QDir().rmdir("/tmp/out.png");
        EXPECT_EQ(source, r.area.isNull() ? QImage() : pattern({800, 600}).copy(r.area)) << r.why;
        EXPECT_EQ(shownSince(0), r.message) << r.why;   // the refusal comes last
        EXPECT_TRUE(r.message.isEmpty() || !dlg.findChild<PreviewPanel *>()->isShowingNotice()) << "panel kept";
    }
    EXPECT_EQ(state(dlg), before);
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"n0", "n1"}));
}

// wl-copy serves the clipboard until it ends; wtype loses its first key unless it waits a second.
TEST_F(DesktopTest, WaylandPasteTakesWhatWlCopyOffersAndKeysTypedByWtypeRemoveAndExitSaving)
{
    CAlbumDlg dlg;
    openWith(dlg, 3);
    ASSERT_TRUE(pattern({300, 280}).save(m_data.file("copied.png")));
    QProcess wlCopy, wtype;
    wlCopy.setStandardInputFile(m_data.file("copied.png"));
    wlCopy.start("wl-copy", {"--foreground", "--type", "image/png"});
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::clipboard()->mimeData()->hasImage(); }, 10000));
    QImage source;
    keepNextEditorsSource(source);
    command(dlg, AlbumId::MenuPaste);
    EXPECT_EQ(source, pattern({300, 280}));
    list(dlg)->setFocus();
    m_messages.answer(MessageAnswer::Yes);
    wtype.start("wtype", {"-s", "1200", "-d", "100", "-k", "Down", "-k", "Delete", "-k", "Return"});
    EXPECT_TRUE(QTest::qWaitFor([&dlg] { return !dlg.isVisible(); }, 20000));
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"n0", "n2"}));
}

// The program itself, on an album the test holds: it says why in a real message box, waits until
// that is closed, and ends without having opened the picture it was given or written the album.
TEST_F(DesktopTest, X11ProgramOnAHeldAlbumSaysWhyAndEndsOnlyWhenToldTouchingNothing)
{
    writeAlbum(NumberedRecords(2, m_data.path()));
    const QByteArray album = ReadBytes(AlbumFilePath(m_data.path()));
    ASSERT_TRUE(pattern({300, 280}).save(m_data.file("photo.png")) && Settings().sync());
    AlbumLock held(m_data.path());
    QProcess vellumo;
    vellumo.start(VELLUMO_BIN, {m_data.file("photo.png")});
    EXPECT_FALSE(vellumo.waitForFinished(3000)) << "ended before anyone could read why";
    for (int tries = 0; tries < 20 && !vellumo.waitForFinished(1000); ++tries)
        pressEnterIn("Vellumo Album Creator");
    EXPECT_EQ(vellumo.state() || vellumo.exitStatus() ? -1 : vellumo.exitCode(), 0) << vellumo.readAllStandardError().data();
    EXPECT_EQ(ReadBytes(AlbumFilePath(m_data.path())), album);
    EXPECT_EQ(QDir(m_data.path()).entryList(QDir::Files), QStringList({"photo.png", "Photos.dat"}));
}

// The program as "Open With" starts it; Enter saves the editor's picture, takes the proposed name, exits saving.
TEST_F(DesktopTest, X11ProgramGivenAnImageFileAddsItWithTheKeysAUserPresses)
{
    ASSERT_TRUE(pattern({300, 280}).save(m_data.file("photo.png")) && Settings().sync());
    QProcess vellumo;
    vellumo.start(VELLUMO_BIN, {m_data.file("photo.png")});
    for (const char *window : {"Vellumo Picture Editor", "Picture Name"})
        EXPECT_TRUE(QTest::qWaitFor([window] { return pressEnterIn(window); }, 30000)) << window;
    for (int tries = 0; tries < 20 && !vellumo.waitForFinished(1000); ++tries)   // Enter is lost while the editor is still there
        pressEnterIn("Vellumo 1.1 Album Creator");
    EXPECT_EQ(vellumo.state() || vellumo.exitStatus() ? -1 : vellumo.exitCode(), 0) << vellumo.readAllStandardError().data();
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"New Picture"}));
    EXPECT_EQ(QImage(picture(0)).size(), QSize(160, 160));
}

// Two screens that are grabbed one at a time (Qt's offscreen platform, tests/desktop/two-screens.json):
// one still of the whole desktop, and one overlay over it, on which a drag may cross from one to the other.
TEST(TwoScreens, OneStillAndOneOverlayCoverBoth)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    QRect covered;
    OnNextModal<CaptureOverlay>([&covered](CaptureOverlay &overlay) {
        covered = overlay.geometry();
        QTest::mousePress(&overlay, Qt::LeftButton, {}, {390, 150});
        QTest::mouseRelease(&overlay, Qt::LeftButton, {}, {420, 170});
    });
    QImage area;
    QString failure;
    EXPECT_EQ(CaptureScreenArea(area, failure), 0) << qPrintable(failure);
    EXPECT_EQ(covered, QRect(0, 0, 800, 600));
    EXPECT_EQ(area.size(), QSize(30, 20));
}

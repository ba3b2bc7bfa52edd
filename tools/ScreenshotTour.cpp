// Saves a picture of each window of the album creator on real photographs, for the README.
// It checks nothing. Run it through scripts/screenshots, under Xvfb:
// vellumo_screenshot_tour OUT_DIR DATA_DIR PHOTO...
#include "windows/AlbumDlg.h"
#include "windows/AboutDlg.h"
#include "widgets/MessageBox.h"
#include "album/Settings.h"
#include "windows/SplashDlg.h"
#include "cli/AlbumTool.h"
#include "windows/CropFrame.h"
#include "windows/NameDlg.h"
#include "windows/PictureEditorDlg.h"
#include "imaging/ImagingLibrary.h"
#include "sources/CaptureOverlay.h"
#include "sources/ScanSourceDlg.h"
#include "support/NextModal.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QScreen>
#include <QTest>

#include <cstdio>

namespace {

QString g_outDir;

void snap(QWidget *window, const char *name)
{
    QTest::qWait(300);
    if (!window->screen()->grabWindow(window->winId()).save(g_outDir + '/' + QLatin1String(name)))
        std::fprintf(stderr, "could not write %s\n", name);
}

// Snaps the next modal window of type T once it shows, then ends it with `end`.
template <typename T>
void snapNext(const char *name, std::function<void(T &)> end = [](T &window) { window.reject(); })
{
    OnNextModal<T>([name, end](T &window) { snap(&window, name); end(window); });
}

// Presses at `from` and moves to `to`; the release is left to the caller.
void dragTo(QWidget *widget, QPoint from, QPoint to)
{
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), widget->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmere"));
    QApplication::setApplicationName(QStringLiteral("Vellumo"));
    const QStringList args = app.arguments(), photos = args.mid(3);
    if (args.size() < 4)
        return 2;
    g_outDir = args[1];
    const QString dataDir = args[2];
    StartImaging();
    QDir().mkpath(dataDir);
    // A small album, each photo added by the album tool as the editor would render it.
    const char *names[] = {"Kleiber", "Fossa", "Sea", "Colours"};
    QTextStream err(stderr);
    for (int i = 0; i < photos.size(); ++i)
        RunAlbumTool({"add", "--data-dir", dataDir, "--name", names[i % 4], "--gray", i % 2 ? "4" : "16",
                      "--contrast", "0", "--full-decode", photos[i]}, err, err);
    Settings settings;
    settings.setDataDir(dataDir);
    settings.setGrayLevel(2);
    settings.setContrast(0);
    settings.sync();

    snapNext<CSplashDlg>("splash.png", [](CSplashDlg &shown) { shown.done(0); });
    CSplashDlg().exec();
    snapNext<CAboutDlg>("about.png");
    CAboutDlg().exec();

    CAlbumDlg album;
    OnNextModal<CSplashDlg>([](CSplashDlg &shown) { shown.done(0); });
    QTimer::singleShot(1500, &album, [&album, &photos] {
        album.findChild<QListWidget *>(QStringLiteral("1005"))->setCurrentRow(1);
        snap(&album, "album-window.png");
        // The editor on a photograph as it opens, then after a frame drag, a click on 4-Level Gray
        // and the contrast raised by three page steps (let go with the last key), and the name prompt.
        CPictureEditorDlg editor(&album);
        editor.LoadSource(photos.constFirst());
        QTimer::singleShot(300, &editor, [&editor] {
            snap(&editor, "picture-editor.png");
            auto *crop = editor.findChild<CCropFrame *>(QStringLiteral("1011"));
            for (const QPoint &by : {QPoint(-60, -60), QPoint(40, 10)}) {
                // The corner first, then the middle of the smaller frame.
                const CropRect now = crop->GetFrame();
                const QPoint from = by.x() < 0 ? QPoint(now.right, now.bottom)
                                               : QPoint((now.left + now.right) / 2, (now.top + now.bottom) / 2);
                dragTo(crop, from, from + by);
                QTest::mouseRelease(crop, Qt::LeftButton, Qt::NoModifier, from + by);
            }
            QWidget *gray4 = editor.findChild<QWidget *>("1017"), *slider = editor.findChild<QWidget *>("1015");
            gray4->setFocus();
            QTest::mouseClick(gray4, Qt::LeftButton);
            slider->setFocus();
            for (int step = 0; step < 3; ++step)
                QTest::keyClick(slider, Qt::Key_PageUp);
            snap(&editor, "picture-editor-cropped.png");
            snapNext<CNameDlg>("name-prompt.png");
            editor.accept(); // Save asks for the name; cancelled, the editor stays
            editor.done(QDialog::Rejected);
        });
        editor.exec();
        // The clipboard, scanner and screen commands as a user runs them: the editor each one
        // opens (and the scanner's source dialog and the dragged screen) snapped, then cancelled.
        SetMessageBoxHandler([](const MessageRequest &) { return MessageAnswer::Yes; });
        QApplication::clipboard()->setImage(QImage(photos.constLast()).scaledToWidth(1200));
        snapNext<CPictureEditorDlg>("editor-from-clipboard.png");
        album.OnPasteFromClipboard();
        album.m_scanOptions.resolutionDpi = 50;
        snapNext<ScanSourceDlg>("scan-source.png", [](ScanSourceDlg &dialog) { dialog.accept(); });
        snapNext<CPictureEditorDlg>("editor-from-scanner.png");
        album.OnScanPhoto();
        OnNextModal<CaptureOverlay>([](CaptureOverlay &overlay) {
            QTest::qWait(300);
            dragTo(&overlay, QPoint(100, 60), QPoint(420, 300));
            snap(&overlay, "capture-drag.png");
            QTest::mouseRelease(&overlay, Qt::LeftButton, Qt::NoModifier, QPoint(420, 300));
        });
        snapNext<CPictureEditorDlg>("editor-from-screen.png");
        album.OnCapturePhoto();
        SetMessageBoxHandler({});
        album.done(QDialog::Rejected);
    });
    album.exec();
    return 0;
}

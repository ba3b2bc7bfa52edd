// Opens each window of the album creator on a real album and a real photograph and saves a
// picture of it, for the README. Run it through scripts/screenshots, under Xvfb.
#include "album/AlbumDlg.h"
#include "album/AlbumFile.h"
#include "app/AboutDlg.h"
#include "app/Settings.h"
#include "app/SplashDlg.h"
#include "editor/CropFrame.h"
#include "editor/HandheldRender.h"
#include "editor/NameDlg.h"
#include "editor/PictureEditorDlg.h"
#include "editor/PictureStore.h"
#include "imaging/ImagingLibrary.h"
#include "app/MessageBox.h"
#include "sources/CaptureOverlay.h"
#include "sources/ScanSourceDlg.h"
#include "support/NextModal.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

QString g_outDir;

void snap(QWidget *window, const QString &name)
{
    QTest::qWait(300);
    const QPixmap shot = window->screen()->grabWindow(window->winId());
    const QString path = g_outDir + '/' + name;
    if (!shot.save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s %dx%d\n", qPrintable(path), shot.width(), shot.height());
}

// A small album: each photo through the same render the editor uses.
void makeAlbum(const QString &dataDir, const QStringList &photos)
{
    const char *names[] = {"Harbour bridge", "Dragonfly", "Sea", "Summit", "Sunset", "Friends"};
    std::vector<PhotoRecord> records;
    for (int i = 0; i < photos.size(); ++i) {
        ImgBitmap source;
        if (!source.Load(photos[i]))
            continue;
        const ViewGeometry view = ComputeViewGeometry(QSize(source.GetWidth(), source.GetHeight()), QSize(236, 236));
        const auto rendered = RenderHandheld(source, view.initialFrame, view.placement, i % 2 ? 1 : 2, 0);
        if (!rendered)
            continue;
        const PictureSaveResult saved = SaveNewPicture(rendered->picture, dataDir);
        PhotoRecord record{};
        SetRecordName(record, QString::fromLatin1(names[i % 6]));
        SetRecordPath(record, saved.path);
        record.grayLevel = i % 2 ? 1 : 2;
        records.push_back(record);
    }
    WriteAlbumFile(AlbumFilePath(dataDir), records);
}

void dragFrame(CCropFrame *crop, QPoint from, QPoint to)
{
    QTest::mousePress(crop, Qt::LeftButton, Qt::NoModifier, from);
    QMouseEvent move(QEvent::MouseMove, QPointF(to), crop->mapToGlobal(QPointF(to)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(crop, &move);
    QTest::mouseRelease(crop, Qt::LeftButton, Qt::NoModifier, to);
}

// Runs the clipboard, scanner and screen commands as a user would and takes the editor
// each one opens (and the scanner's source dialog), then cancels it.
void snapEditorsOfEachSource(CAlbumDlg &album, const QString &photo)
{
    SetMessageBoxHandler([](const MessageRequest &) { return MessageAnswer::Yes; });
    auto snapEditor = [](const QString &name) {
        OnNextModal<CPictureEditorDlg>([name](CPictureEditorDlg &editor) {
            snap(&editor, name);
            editor.reject();
        });
    };

    QApplication::clipboard()->setImage(QImage(photo).scaledToWidth(1200));
    snapEditor(QStringLiteral("editor-from-clipboard.png"));
    album.OnPasteFromClipboard();

    album.m_scanOptions.resolutionDpi = 50;
    OnNextModal<ScanSourceDlg>([](ScanSourceDlg &dialog) {
        snap(&dialog, QStringLiteral("scan-source.png"));
        dialog.accept();
    });
    snapEditor(QStringLiteral("editor-from-scanner.png"));
    album.OnScanPhoto();

    OnNextModal<CaptureOverlay>([](CaptureOverlay &overlay) {
        QTest::qWait(300);
        QTest::mousePress(&overlay, Qt::LeftButton, Qt::NoModifier, QPoint(100, 60));
        QMouseEvent move(QEvent::MouseMove, QPointF(420, 300), overlay.mapToGlobal(QPointF(420, 300)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&overlay, &move);
        snap(&overlay, QStringLiteral("capture-drag.png"));
        QTest::mouseRelease(&overlay, Qt::LeftButton, Qt::NoModifier, QPoint(420, 300));
    });
    snapEditor(QStringLiteral("editor-from-screen.png"));
    album.OnCapturePhoto();
    SetMessageBoxHandler({});
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmere"));
    QApplication::setApplicationName(QStringLiteral("Vellumo"));
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: %s OUT_DIR DATA_DIR PHOTO...\n", argv[0]);
        return 2;
    }
    g_outDir = args[1];
    const QString dataDir = args[2];
    const QStringList photos = args.mid(3);
    StartImaging();
    QDir().mkpath(dataDir);
    makeAlbum(dataDir, photos);
    Settings settings;
    settings.setDataDir(dataDir);
    settings.setGrayLevel(2);
    settings.setContrast(0);
    settings.sync();

    {
        CSplashDlg splash;
        QTimer::singleShot(500, &splash, [&splash] {
            snap(&splash, QStringLiteral("splash.png"));
            splash.done(0);
        });
        splash.exec();
    }
    {
        CAboutDlg about;
        QTimer::singleShot(300, &about, [&about] {
            snap(&about, QStringLiteral("about.png"));
            about.accept();
        });
        about.exec();
    }

    CAlbumDlg album;
    OnNextModal<CSplashDlg>([](CSplashDlg &splash) { splash.done(0); });
    QTimer::singleShot(1500, &album, [&album, &photos] {
        album.findChild<QListWidget *>(QStringLiteral("1005"))->setCurrentRow(1);
        snap(&album, QStringLiteral("album-window.png"));

        CPictureEditorDlg editor(&album);
        editor.m_source.Load(photos.constFirst());
        QTimer::singleShot(300, &editor, [&editor] {
            snap(&editor, QStringLiteral("picture-editor.png"));
            auto *crop = editor.findChild<CCropFrame *>(QStringLiteral("1011"));
            const CropRect frame = crop->GetFrame();
            const QPoint corner(frame.right, frame.bottom);
            dragFrame(crop, corner, corner - QPoint(60, 60));
            const CropRect small = crop->GetFrame();
            const QPoint inside((small.left + small.right) / 2, (small.top + small.bottom) / 2);
            dragFrame(crop, inside, inside + QPoint(40, 10));
            editor.findChild<QWidget *>(QStringLiteral("1017"))->setFocus();
            QTest::mouseClick(editor.findChild<QWidget *>(QStringLiteral("1017")), Qt::LeftButton);
            // Contrast up by three page steps, let go with the last key release.
            QWidget *slider = editor.findChild<QWidget *>(QStringLiteral("1015"));
            slider->setFocus();
            for (int step = 0; step < 3; ++step) {
                QTest::keyPress(slider, Qt::Key_PageUp);
                QTest::keyRelease(slider, Qt::Key_PageUp);
            }
            snap(&editor, QStringLiteral("picture-editor-cropped.png"));

            CNameDlg prompt(&editor);
            prompt.m_title = QStringLiteral("Picture Name");
            prompt.m_name = QStringLiteral("New Picture");
            prompt.m_prompt = QStringLiteral("Enter a name for the new picture.  Maximum 15 characters.");
            QTimer::singleShot(300, &prompt, [&prompt] {
                snap(&prompt, QStringLiteral("name-prompt.png"));
                prompt.reject();
            });
            prompt.exec();
            editor.done(QDialog::Rejected);
        });
        editor.exec();

        snapEditorsOfEachSource(album, photos.constLast());
        album.done(QDialog::Rejected);
    });
    album.exec();
    return 0;
}

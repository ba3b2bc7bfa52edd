#include "editor/NameDlg.h"
#include "editor/PictureEditorDlg.h"
#include "sources/CaptureOverlay.h"
#include "support/AlbumWindowFixture.h"
#include "support/MessageBoxRecorder.h"
#include "support/NextModal.h"
#include "support/QtPrinters.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

namespace {

// Saves the picture of each of the next editors under the next of `names`.
void saveInNextEditors(QStringList names)
{
    if (names.isEmpty())
        return;
    OnNextModal<CPictureEditorDlg>([names](CPictureEditorDlg &editor) {
        OnNextModal<CNameDlg>([name = names.front()](CNameDlg &prompt) {
            prompt.findChild<QLineEdit *>("1013")->setText(name);
            prompt.accept();
        });
        editor.accept();
        saveInNextEditors(names.mid(1));
    });
}

void saveInNextEditor(const QString &name)
{
    saveInNextEditors({name});
}

void cancelNextEditor(MessageBoxRecorder &messages)
{
    OnNextModal<CPictureEditorDlg>([&messages](CPictureEditorDlg &editor) {
        messages.answer(MessageAnswer::Yes);
        editor.reject();
    });
}

void chooseInNextFileDialog(const QString &file)
{
    OnNextModal<QFileDialog>([file](QFileDialog &chooser) {
        chooser.selectFile(file);
        // The chooser's own Open button, as a user would press it.
        QMetaObject::invokeMethod(&chooser, "accept");
    });
}

QString writePhoto(const TempDir &dir, const QString &name)
{
    QImage image(320, 200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y, 90));
    const QString path = dir.file(name);
    EXPECT_TRUE(image.save(path));
    return path;
}

QStringList pictureFiles(const TempDir &dir)
{
    return QDir(dir.path()).entryList({"p*.bmp"}, QDir::Files, QDir::Name);
}

class SourceCommandsTest : public AlbumWindowTest {
protected:
    TempDir m_inbox;
    MessageBoxRecorder m_messages;
};

} // namespace

TEST_F(SourceCommandsTest, FileCommandAddsAndSavesAtOnce)
{
    const QString photo = writePhoto(m_inbox, "beach.png");
    CAlbumDlg dlg;
    open(dlg);

    // Cancelling the chooser changes nothing.
    OnNextModal<QFileDialog>([](QFileDialog &chooser) { chooser.reject(); });
    button(dlg, AlbumId::AddPhoto)->click();
    EXPECT_EQ(list(dlg)->count(), 0);

    chooseInNextFileDialog(photo);
    saveInNextEditor("Beach");
    button(dlg, AlbumId::AddPhoto)->click();
    ASSERT_EQ(list(dlg)->count(), 1);
    EXPECT_EQ(list(dlg)->item(0)->text(), "Beach");
    EXPECT_TRUE(list(dlg)->item(0)->isSelected());
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"Beach"}));
    EXPECT_EQ(pictureFiles(m_data), QStringList({"p0.bmp"}));
    EXPECT_TRUE(m_messages.shown().empty());

    // Escape keeps it: the file already has it.
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"Beach"}));
}

TEST_F(SourceCommandsTest, UnreadableFileOrCancelledEditorAddsNothing)
{
    const QString notes = m_inbox.file("notes.txt");
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    CAlbumDlg dlg;
    open(dlg);

    chooseInNextFileDialog(notes);
    menuItem(dlg, AlbumId::MenuAddFromFile)->trigger();
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, "There was an reading the picture file.");
    EXPECT_EQ(m_messages.shown()[0].caption, "Add Photo");
    EXPECT_EQ(m_messages.shown()[0].icon, MessageIcon::Exclamation);

    chooseInNextFileDialog(writePhoto(m_inbox, "dunes.jpg"));
    cancelNextEditor(m_messages);
    button(dlg, AlbumId::AddPhoto)->click();
    EXPECT_EQ(list(dlg)->count(), 0);
    EXPECT_TRUE(pictureFiles(m_data).isEmpty());
}

TEST_F(SourceCommandsTest, ClipboardNeedsAnImageAndIsSavedOnlyOnExit)
{
    CAlbumDlg dlg;
    open(dlg);
    QApplication::clipboard()->setText("just words");
    menuItem(dlg, AlbumId::MenuPaste)->trigger();
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, "You must first copy an image to the clipboard.");
    EXPECT_EQ(m_messages.shown()[0].caption, "Copy from Clipboard");
    EXPECT_EQ(m_messages.shown()[0].icon, MessageIcon::Exclamation);

    QImage copied(200, 300, QImage::Format_RGB32);
    copied.fill(qRgb(30, 140, 200));
    QApplication::clipboard()->setImage(copied);
    saveInNextEditor("Pasted");
    menuItem(dlg, AlbumId::MenuPaste)->trigger();
    ASSERT_EQ(list(dlg)->count(), 1);
    EXPECT_EQ(list(dlg)->item(0)->text(), "Pasted");
    // Not in the album file until the next save; Escape loses it, the picture file stays.
    EXPECT_TRUE(NamesInFile(m_data.path()).isEmpty());
    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_TRUE(NamesInFile(m_data.path()).isEmpty());
    EXPECT_EQ(pictureFiles(m_data), QStringList({"p0.bmp"}));
}

TEST_F(SourceCommandsTest, DroppedFilesGoThroughTheEditorOneAfterTheOther)
{
    const QString first = writePhoto(m_inbox, "one.png");
    const QString second = writePhoto(m_inbox, "two.bmp");
    CAlbumDlg dlg;
    open(dlg);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)});
    saveInNextEditors({"One", "Two"});
    // Qt hands a drop only to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &drop);
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"One", "Two"}));
    EXPECT_EQ(pictureFiles(m_data), QStringList({"p0.bmp", "p1.bmp"}));
}

TEST_F(SourceCommandsTest, FullAlbumGreysEveryWayToAdd)
{
    writeAlbum(NumberedRecords(m_data, 100));
    CAlbumDlg dlg;
    open(dlg);
    for (int id : {AlbumId::MenuAddFromFile, AlbumId::MenuPaste, AlbumId::MenuScan, AlbumId::MenuCapture})
        EXPECT_FALSE(menuItem(dlg, id)->isEnabled()) << id;
    // The handlers refuse as well, whatever calls them.
    QImage copied(50, 50, QImage::Format_RGB32);
    copied.fill(Qt::white);
    QApplication::clipboard()->setImage(copied);
    dlg.OnPasteFromClipboard();
    dlg.OnAddPhotoFromFile();
    EXPECT_EQ(list(dlg)->count(), 100);
    EXPECT_TRUE(m_messages.shown().empty());
}

TEST(CaptureOverlayTest, DragDeliversExactlyTheDraggedArea)
{
    QImage still(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x)
            still.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
    CaptureOverlay overlay(QPixmap::fromImage(still));
    QTimer::singleShot(0, &overlay, [&overlay] {
        QTest::mousePress(&overlay, Qt::LeftButton, Qt::NoModifier, QPoint(120, 90));
        QMouseEvent move(QEvent::MouseMove, QPointF(60, 140), overlay.mapToGlobal(QPointF(60, 140)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&overlay, &move);
        QTest::mouseRelease(&overlay, Qt::LeftButton, Qt::NoModifier, QPoint(60, 140));
    });
    ASSERT_EQ(overlay.exec(), 0);
    const QImage area = overlay.captured();
    ASSERT_EQ(area.size(), QSize(60, 50));
    EXPECT_EQ(area.pixel(0, 0), still.pixel(60, 90));
    EXPECT_EQ(area.pixel(59, 49), still.pixel(119, 139));
}

TEST(CaptureOverlayTest, EscapeRightButtonOrAClickGiveNothing)
{
    QPixmap still(200, 200);
    still.fill(Qt::gray);
    const std::function<void(CaptureOverlay &)> gestures[] = {
        [](CaptureOverlay &o) { QTest::keyClick(&o, Qt::Key_Escape); },
        [](CaptureOverlay &o) { QTest::mouseClick(&o, Qt::RightButton, Qt::NoModifier, QPoint(5, 5)); },
        [](CaptureOverlay &o) { QTest::mouseClick(&o, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50)); },
    };
    for (const auto &gesture : gestures) {
        CaptureOverlay overlay(still);
        QTimer::singleShot(0, &overlay, [&overlay, &gesture] { gesture(overlay); });
        EXPECT_EQ(overlay.exec(), -1);
        EXPECT_TRUE(overlay.captured().isNull());
    }
}

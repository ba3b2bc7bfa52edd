#include "imaging/TestImages.h"
#include "windows/NameDlg.h"
#include "windows/PictureEditorDlg.h"
#include "sources/CaptureOverlay.h"
#include "sources/PortalResponse.h"
#include "sources/ScreenStill.h"
#include "sources/ScanDevice.h"
#include "sources/ScanSourceDlg.h"
#include "support/AlbumWindowFixture.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QProgressDialog>
#include <QRubberBand>

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

class SourceCommandsTest : public AlbumWindowTest {
protected:
    QString writePhoto(const QString &name)
    {
        QImage image(320, 200, QImage::Format_RGB32);
        image.fill(qRgb(200, 90, 40));
        EXPECT_TRUE(image.save(m_inbox.file(name)));
        return m_inbox.file(name);
    }

    TempDir m_inbox;
};

} // namespace

// A file or a drop is saved at once, a paste on exit.
TEST_F(SourceCommandsTest, EachSourceAddsThroughTheEditorOrSaysWhyNot)
{
    WriteBytes(m_inbox.file("notes.txt"), "not a picture");
    CAlbumDlg dlg;
    open(dlg);
    const auto choose = [&](const QString &file, int id) { // the chooser's Open on `file`, or Cancel
        OnNextModal<QFileDialog>([file](QFileDialog &chooser) {
            chooser.selectFile(file);
            QMetaObject::invokeMethod(&chooser, file.isEmpty() ? "reject" : "accept");
        });
        command(dlg, id);
    };
    const struct { const char *why; std::function<void()> add; QStringList names; QString message; QStringList saved; } rows[] = {
        {"chooser cancelled", [&] { choose(QString(), AlbumId::AddPhoto); }, {}, {}, {}},
        {"not a picture", [&] { choose(m_inbox.file("notes.txt"), AlbumId::MenuAddFromFile); }, {},
         "Add Photo: There was an reading the picture file. (!)", {}},
        {"no image to paste", [&] { QApplication::clipboard()->setText("words"); command(dlg, AlbumId::MenuPaste); }, {},
         "Copy from Clipboard: You must first copy an image to the clipboard. (!)", {}},
        {"a damaged image to paste", [&] { auto *data = new QMimeData; data->setData("application/x-qt-image", "no image");
            QApplication::clipboard()->setMimeData(data); command(dlg, AlbumId::MenuPaste); }, {}, "Copy from Clipboard: There was an error copying the image from the clipboard. (!)", {}},
        {"Add Photo", [&] { choose(writePhoto("beach.png"), AlbumId::AddPhoto); }, {"Beach"}, {}, {"Beach"}},
        {"Paste", [&] { QApplication::clipboard()->setImage(QImage(writePhoto("copied.png"))); command(dlg, AlbumId::MenuPaste); },
         {"Pasted"}, {}, {"Beach"}},
        {"a drop, one after the other", [&] { EXPECT_TRUE(drop(dlg, {writePhoto("one.png"), writePhoto("two.bmp")})); },
         {"One", "Two"}, {}, {"Beach", "Pasted", "One", "Two"}},
        {"named on the command line", [&] { dlg.OpenFileWhenShown(writePhoto("three.png")); dlg.show(); QCoreApplication::processEvents(); },
         {"Three"}, {}, {"Beach", "Pasted", "One", "Two", "Three"}},
    };
    QStringList listed;
    for (const auto &r : rows) {
        saveInNextEditors(r.names);
        const size_t before = m_messages.shown().size();
        r.add();
        listed += r.names;
        EXPECT_EQ(shownSince(before), r.message) << r.why;
        EXPECT_EQ(texts(dlg), listed) << r.why;
        EXPECT_TRUE(listed.isEmpty() || list(dlg)->item(listed.size() - 1)->isSelected()) << r.why;
        EXPECT_EQ(NamesInFile(m_data.path()), r.saved) << r.why;
    }
    EXPECT_EQ(QDir(m_data.path()).entryList({"p*.bmp"}), QStringList({"p0.bmp", "p1.bmp", "p2.bmp", "p3.bmp", "p4.bmp"}));
}

// Pictures of photos the album file never listed go when the run ends with Escape; a drop (an
// add from a file) saves the album, and with it the removal before it, a paste does not.
TEST_F(SourceCommandsTest, EscapeLeavesThePicturesOfTheAlbumFileAndNoOthers)
{
    QApplication::clipboard()->setImage(QImage(writePhoto("copied.png")));
    for (const bool paste : {true, false}) {
        CAlbumDlg dlg;
        openWith(dlg, 2);
        m_messages.answer(MessageAnswer::Yes);
        command(dlg, AlbumId::RemovePhoto); // n0
        saveInNextEditors({"Added"});
        paste ? command(dlg, AlbumId::MenuPaste) : void(drop(dlg, {writePhoto("one.png")}));
        EXPECT_TRUE(QFile::exists(picture(0)) == paste && QFile::exists(picture(2))) << paste;
        QTest::keyClick(&dlg, Qt::Key_Escape);
        EXPECT_EQ(NamesInFile(m_data.path()), paste ? QStringList({"n0", "n1"}) : QStringList({"n1", "Added"})) << paste;
        EXPECT_EQ(EntryNames(m_data.path()), QStringList({"Photos.dat", paste ? "p0.bmp" : "p1.bmp", paste ? "p1.bmp" : "p2.bmp"})) << paste;
    }
}

TEST_F(SourceCommandsTest, AFullAlbumRefusesEveryWayToAdd)
{
    writeAlbum(NumberedRecords(100, m_data.path()));
    CAlbumDlg dlg;
    open(dlg);
    QApplication::clipboard()->setImage(QImage(50, 50, QImage::Format_RGB32));
    dlg.m_scanHooks.chooseDevice = [](const QList<ScanDeviceInfo> &) { ADD_FAILURE() << "scanner asked"; return QString(); };
    dlg.OnPasteFromClipboard();
    dlg.OnAddPhotoFromFile();
    dlg.OnScanPhoto();
    EXPECT_FALSE(drop(dlg, {writePhoto("late.png")}));
    EXPECT_EQ(list(dlg)->count(), 100);
    EXPECT_TRUE(m_messages.shown().empty());
}

TEST_F(SourceCommandsTest, EachWayAScanEndsIsReportedAndAScannedPageReachesTheEditor)
{
    CAlbumDlg dlg;
    open(dlg);
    const QString error = "Scan Image: There was an error scanning the image. (!)";
    const struct { const char *why; QString device, read; bool cancel; QString message; } rows[] = {
        {"no device chosen", QString(), QString(), false, QString()},
        {"a device that cannot open", "test:99", QString(), false, "Scan Image: The scanning device is not currently available. (!)"},
        {"cancelled while scanning", "test:0", "Default", true, error},
        {"jammed", "test:0", "SANE_STATUS_JAMMED", false, error},
        {"the end before any data", "test:0", "SANE_STATUS_EOF", false, error},
        {"scanned, then the editor cancelled", "test:0", QString(), false, "Cancel: Should I discard the new picture? [Yes No]"},
        {"picked in the list of scanners, scanned", "list", QString(), false, "Cancel: Should I discard the new picture? [Yes No]"},
    };
    for (const auto &r : rows) {
        // A slow page keeps the backend's reader thread waiting, where an error or a cancel can stop it safely.
        dlg.m_scanOptions.resolutionDpi = r.read.isEmpty() ? 25 : 100;
        dlg.m_scanHooks.chooseDevice = [&r](const QList<ScanDeviceInfo> &) { return r.device; };
        if (r.device == "list") {   // the window a user picks from: its first row, test:0, and OK
            dlg.m_scanHooks.chooseDevice = nullptr;
            OnNextModal<ScanSourceDlg>([](ScanSourceDlg &list) { list.findChild<QListWidget *>()->setCurrentRow(0); list.accept(); });
        }
        dlg.m_scanHooks.prepareDevice = [&r](ScanDevice &device) {
            for (const auto &[name, value] : {std::pair<const char *, QVariant>{"select-fd", true}, {"read-delay", true},
                                              {"read-delay-duration", 100000}, {"read-return-value", r.read}})
                EXPECT_TRUE(r.read.isEmpty() || device.setOption(name, value) == SANE_STATUS_GOOD) << name;
        };
        dlg.m_scanHooks.progressShown = [&r](QProgressDialog &dialog) { // cancels once 1% of the page came
            EXPECT_EQ(dialog.windowTitle() + '|' + dialog.labelText(), "Scan Image|Scanning...");
            QObject::connect(dialog.findChild<QProgressBar *>(), &QProgressBar::valueChanged, &dialog,
                             [&dialog, &r](int value) { if (value > 0 && r.cancel) dialog.cancel(); });
        };
        QSize scanned;
        if (r.message.startsWith("Cancel"))
            OnNextModal<CPictureEditorDlg>([&scanned, this](CPictureEditorDlg &editor) {
                scanned = QSize(editor.m_source.GetWidth(), editor.m_source.GetHeight());
                m_messages.answer(MessageAnswer::Yes);
                editor.reject();
            });
        const size_t before = m_messages.shown().size();
        command(dlg, AlbumId::MenuScan);
        EXPECT_EQ(shownSince(before), r.message) << r.why;
        // sources/sane/test.conf's page, 80 x 100 mm, at 25 dpi: 78.7 x 98.4 pixels.
        EXPECT_EQ(scanned, r.message.startsWith("Cancel") ? QSize(78, 98) : QSize()) << r.why;
    }
    EXPECT_EQ(list(dlg)->count(), 0);
}

TEST(PortalResponse, OnlyASuccessNamingALocalFileGivesAStill)
{
    using namespace CaptureFailure;
    const struct { uint response; const char *uri, *file; QString failure; } rows[] = {
        {0, "file:///tmp/Screenshot%20a.png", "/tmp/Screenshot a.png", {}}, {1, "file:///tmp/a.png", "", kCancelled},
        {2, "file:///tmp/a.png", "", kRefused}, {0, "https://example.org/a.png", "", kNotLocalFile}, {0, "file://elsewhere/a", "", kNotLocalFile},
    };
    for (const auto &r : rows) {
        const PortalStill still = ReadScreenshotResponse(r.response, {{"uri", QString(r.uri)}});
        EXPECT_EQ(still.file + '|' + still.failure, r.file + ('|' + r.failure)) << r.response << ' ' << r.uri;
    }
    EXPECT_EQ(PortalRequestPath(":1.42", "v7"), "/org/freedesktop/portal/desktop/request/1_42/v7");
}

// A still at twice the device pixels (150 by 100 on the screen): what the mouse and keys take from it.
TEST(CaptureOverlay, ADragTakesTheStillsPixelsUnderItAtItsRatioAndNothingElseDoes)
{
    QPixmap still = QPixmap::fromImage(testimg::photoLike(300, 200, 5));
    still.setDevicePixelRatio(2);
    using Do = std::function<void(CaptureOverlay &)>;
    const auto drag = [](QPoint from, QPoint to) { return Do([=](CaptureOverlay &o) { QTest::mousePress(&o, Qt::LeftButton, {}, from); QTest::mouseRelease(&o, Qt::LeftButton, {}, to); }); };
    const struct { const char *why; Do user; QRect area; } rows[] = {
        {"up and left, the band showing on the way what is taken", [](CaptureOverlay &o) {
            QTest::mousePress(&o, Qt::LeftButton, {}, {40, 50});
            QTest::mouseMove(&o, {30, 45});
            EXPECT_EQ(o.findChild<QRubberBand *>()->geometry(), QRect(30, 45, 10, 5)) << "band";
            QTest::mouseRelease(&o, Qt::LeftButton, {}, {10, 20}); }, {20, 40, 60, 60}},
        {"over the still's edge: cut there", drag({140, 90}, {200, 150}), {280, 180, 20, 20}},
        {"beside the still", drag({160, 10}, {200, 50}), {}},
        {"the middle button, a move, a right release and a key other than Escape do nothing", [](CaptureOverlay &o) {
            QTest::mouseMove(&o, {5, 5});
            QTest::mouseClick(&o, Qt::MiddleButton, {}, {1, 1});
            QTest::mousePress(&o, Qt::LeftButton, {}, {2, 3});
            QTest::mouseRelease(&o, Qt::RightButton, {}, {9, 9});
            QTest::keyClick(&o, Qt::Key_A);
            QTest::mouseRelease(&o, Qt::LeftButton, {}, {4, 4}); }, {4, 6, 4, 2}},
    };
    for (const auto &r : rows) {
        CaptureOverlay overlay(still);
        OnNextModal<CaptureOverlay>(r.user);
        EXPECT_EQ(overlay.exec(), r.area.isNull() ? -1 : 0) << r.why;
        EXPECT_EQ(overlay.captured(), r.area.isNull() ? QImage() : still.toImage().copy(r.area)) << r.why;
    }
}

// Where each screen is grabbed on its own: the grabs at their places, black where no screen is.
TEST(ScreenStill, ScreensGrabbedOneByOneArePutTogetherAtTheirPlaces)
{
    QPixmap left(200, 100), right(300, 400);   // at twice the pixels: 100 by 50 and 150 by 200
    left.fill(Qt::red);
    right.fill(Qt::blue);
    left.setDevicePixelRatio(2);
    right.setDevicePixelRatio(2);
    const QImage joined = JoinScreenGrabs({-100, -20, 250, 200}, 2, {{{-100, 0, 100, 50}, left}, {{0, -20, 150, 200}, right}}).toImage();
    ASSERT_EQ(joined.size(), QSize(500, 400));
    const struct { int x, y; QRgb color; } points[] = {{0, 40, qRgb(255, 0, 0)}, {199, 139, qRgb(255, 0, 0)}, {0, 39, qRgb(0, 0, 0)},
                                                      {199, 140, qRgb(0, 0, 0)}, {200, 0, qRgb(0, 0, 255)}, {499, 399, qRgb(0, 0, 255)}};
    for (const auto &p : points)
        EXPECT_EQ(joined.pixel(p.x, p.y), p.color) << p.x << ',' << p.y;
    EXPECT_TRUE(JoinScreenGrabs({0, 0, 250, 200}, 1, {{{0, 0, 100, 50}, left}, {{100, 0, 150, 200}, {}}}).isNull()) << "a screen without a picture";
}

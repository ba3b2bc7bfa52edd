#include "windows/NameDlg.h"
#include "windows/PictureEditorDlg.h"
#include "sources/PortalResponse.h"
#include "sources/ScanDevice.h"
#include "sources/ScanSourceDlg.h"
#include "support/AlbumWindowFixture.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QProgressDialog>

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

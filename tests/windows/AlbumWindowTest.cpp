// The album window, and what surrounds it: the splash and About boxes, and text that fits.
#include "support/AlbumWindowFixture.h"

#include "album/AlbumLock.h"
#include "windows/AboutDlg.h"
#include "windows/HelpWindow.h"
#include "windows/PreviewPanel.h"

#include <QAbstractEventDispatcher>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QStyle>

#include <optional>

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

// What the window says at start; on Exit it keeps a file it would not give back as it was and
// never saves over one it could not read. A window that may not have the album ends at once.
TEST_F(AlbumWindowTest, AtStartItSaysWhatIsWrongAndSavesOverNothingItCouldNotKeep)
{
    const QString album = AlbumFilePath(m_data.path()), gone = m_data.file("gone"), backup = "Photos.dat.bak";
    std::optional<AlbumLock> elsewhere;   // another window: a lock of its own, as in another process
    const auto bytes = [](const QString &path) { return QFileInfo(path).isFile() ? ReadBytes(path) : QByteArray(); };
    const struct { const char *why; std::function<void()> setUp; QString atStart, onExit; QStringList files; } rows[] = {
        {"more than 100 records", [&] { writeAlbum(NumberedRecords(103, m_data.path())); }, "3 of them were not loaded", "", {"Photos.dat", backup}},
        {"a partial record", [&] { WriteBytes(album, HeaderBytes() + "cut"); }, "does not end with a whole photo", "", {"Photos.dat", backup}},
        {"a folder in its place", [&] { QDir().mkdir(album); }, "The album file " + album + " cannot be read: Is a directory.", "Error: The album "
         "was not saved: the album file " + album + " could not be read (Is a directory), and saving would replace it.", {"Photos.dat"}},
        {"its data folder not found", [&] { Settings().setDataDir(gone); }, "The data folder " + gone + " was not found (is its drive connected?). "
         "The album in " + QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + "/Quillmere/Vellumo is used instead.", "", {}},
        {"open in another window", [&] { writeAlbum(NumberedRecords(1)); elsewhere.emplace(m_data.path()); },
         "is already open in another Vellumo Album Creator window", "", {"Photos.dat"}},
    };
    for (const auto &r : rows) {
        ASSERT_TRUE(QDir(m_data.path()).removeRecursively() && QDir().mkpath(m_data.path()));
        Settings().setDataDir(m_data.path());
        r.setUp();
        const QByteArray before = bytes(album);
        const size_t shown = m_messages.shown().size();
        CAlbumDlg dlg;
        // No splash for a window that may not have the album: its modal run ends by itself (or this hangs).
        const int ended = elsewhere ? dlg.exec() : (open(dlg), -1);
        const QString atStart = m_messages.shown().size() > shown ? m_messages.shown()[shown].text : "";
        EXPECT_TRUE(atStart.contains(r.atStart) && atStart.isEmpty() == r.atStart.isEmpty()) << r.why << ": " << atStart.toStdString();
        EXPECT_TRUE(ended == (elsewhere ? QDialog::Rejected : -1) && dlg.isVisible() != bool(elsewhere)) << r.why << ": " << ended;
        const size_t started = m_messages.shown().size();
        if (!r.files.isEmpty()) // not into the fallback folder, which other tests share; one that ended saves nothing
            dlg.isVisible() ? command(dlg, AlbumId::Exit) : void(dlg.SaveAlbum());
        EXPECT_EQ(shownSince(started), r.onExit) << r.why;
        EXPECT_EQ(EntryNames(m_data.path()), r.files) << r.why;
        EXPECT_EQ(bytes(album + (r.files.size() > 1 ? ".bak" : "")), before) << r.why;
    }
}

TEST_F(AlbumWindowTest, AnEmptyAlbumShowsTheNoticeAlsoOnceItsLastPhotoIsRemovedAndHelpOpensOnePage)
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
    CAlbumDlg dlg;   // its last photo removed, an album is shown as an empty one
    openWith(dlg, 1);
    m_messages.answer(MessageAnswer::Yes);
    command(dlg, AlbumId::RemovePhoto);
    EXPECT_EQ(state(dlg), " | A | fpsc");
    EXPECT_TRUE(dlg.findChild<PreviewPanel *>("1006")->isShowingNotice());
}

// Texts of labels, buttons and radio buttons under root that do not fit their control at its
// fixed size, each as "text (needs WxH, has WxH)".
static QStringList ClippedTexts(const QWidget *root)
{
    QStringList clipped;
    const auto check = [&clipped](QString text, const QSize &needed, const QSize &has) {
        if (needed.width() <= has.width() && needed.height() <= has.height())
            return;
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace('\x01', '&');
        clipped << QStringLiteral("%1 (needs %2x%3, has %4x%5)")
                       .arg(text).arg(needed.width()).arg(needed.height()).arg(has.width()).arg(has.height());
    };
    for (const QLabel *label : root->findChildren<QLabel *>()) {
        const QRect room(0, 0, label->contentsRect().width(), 10000);
        const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
        if (!label->text().isEmpty())
            check(label->text(), label->fontMetrics().boundingRect(room, flags, label->text()).size(),
                  label->contentsRect().size());
    }
    for (const QAbstractButton *button : root->findChildren<QAbstractButton *>()) {
        // Push buttons: text and margins (the hint has a style minimum). Others: the hint across,
        // one line of text down (the hint adds room for a focus frame).
        const QSize needed = qobject_cast<const QPushButton *>(button)
            ? button->fontMetrics().size(Qt::TextShowMnemonic, button->text())
                  + QSize(button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button), 0)
            : QSize(button->sizeHint().width(), button->fontMetrics().height());
        if (!button->text().isEmpty())
            check(button->text(), needed, button->size());
    }
    return clipped;
}

// The real box, as a user meets it: its caption, text, icon and buttons; closing a question answers No.
TEST(MessageBox, ShowsWhatItIsGivenAndAnswersWithTheKeyPressed)
{
    const struct { MessageButtons buttons; MessageIcon icon; Qt::Key key; MessageAnswer answer; QMessageBox::Icon shown; } rows[] = {
        {MessageButtons::YesNo, MessageIcon::None, Qt::Key_Y, MessageAnswer::Yes, QMessageBox::NoIcon},
        {MessageButtons::YesNo, MessageIcon::Exclamation, Qt::Key_N, MessageAnswer::No, QMessageBox::Warning},
        {MessageButtons::YesNo, MessageIcon::None, Qt::Key_Escape, MessageAnswer::No, QMessageBox::NoIcon},
        {MessageButtons::Ok, MessageIcon::Exclamation, Qt::Key_Escape, MessageAnswer::Ok, QMessageBox::Warning},
    };
    for (const auto &r : rows) {
        QString seen;
        OnNextModal<QMessageBox>([&seen, &r](QMessageBox &box) {
            seen = box.windowTitle() + '|' + box.text() + '|' + QString::number(box.icon()) + '|' + QString::number(box.standardButtons());
            QTest::keyClick(&box, r.key);
        });
        EXPECT_EQ(ShowMessageBox(nullptr, "Text", "Caption", r.buttons, r.icon), r.answer) << int(r.key);
        const int buttons = r.buttons == MessageButtons::Ok ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No;
        EXPECT_EQ(seen, "Caption|Text|" + QString::number(r.shown) + '|' + QString::number(buttons)) << int(r.key);
    }
}

TEST(Splash, ShowsItsPictureForThreeSecondsOrUntilEscapeOrEnter)
{
    CSplashDlg splash;
    EXPECT_EQ(splash.findChild<QLabel *>()->pixmap().size(), QSize(600, 396));
    const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(&splash);
    ASSERT_EQ(timers.size(), 1);
    EXPECT_EQ(timers.front().interval, 3000);
    QTimer::singleShot(20000, &splash, [&splash] { splash.done(7); });   // only a splash that never ends
    EXPECT_EQ(splash.exec(), 0);
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        CSplashDlg keyed;
        keyed.show();
        QTest::keyClick(&keyed, key);
        EXPECT_FALSE(keyed.isVisible()) << "key " << key;
        EXPECT_EQ(keyed.result(), 0) << "key " << key;
    }
}

TEST(WindowLayout, NoTextIsClippedAtTheTemplateSize)
{
    const CSplashDlg splash;
    const CAboutDlg about;
    const CAlbumDlg album;
    for (const QWidget *window : std::initializer_list<const QWidget *>{&splash, &about, &album})
        EXPECT_EQ(ClippedTexts(window), QStringList()) << window->metaObject()->className();
}

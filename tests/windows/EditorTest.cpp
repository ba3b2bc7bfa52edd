#include "cli/ImageRender.h"
#include "windows/CropFrame.h"
#include "windows/NameDlg.h"
#include "windows/PictureEditorDlg.h"
#include "windows/PictureEditorOwner.h"
#include "album/AlbumBytes.h"
#include "imaging/TestImages.h"
#include "support/MessageBoxRecorder.h"
#include "support/NextModal.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Delivered straight to the widget: without a button down the test library would move the cursor.
void MoveHolding(QWidget *widget, QPoint to, Qt::MouseButtons buttons = Qt::LeftButton)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(to), widget->mapToGlobal(QPointF(to)), Qt::NoButton, buttons, {});
    QApplication::sendEvent(widget, &move);
}

// The album window that opens the editor: it owns the data directory.
struct Album : QWidget, PictureEditorOwner { const QString &dataDir() const override { return dir; } QString dir; };

// The editor on a 640 by 480 picture, opened from an album; its message boxes answered and kept.
class PictureEditor : public testing::Test {
protected:
    void SetUp() override { QSettings().setValue("Parameters/Gray Level", 2); QSettings().setValue("Parameters/Contrast", 0); m_album.dir = m_data.path(); }
    void open(QWidget *parent = nullptr)
    {
        editor = std::make_unique<CPictureEditorDlg>(parent ? parent : &m_album);
        editor->m_source = ImgBitmap::FromQImage(testimg::color(640, 480, [](int x, int y) { return qRgb(x * 255 / 640, y * 255 / 480, 128); }));
        editor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
    }
    template <typename T> T *child(int id) { return editor->findChild<T *>(QString::number(id)); }
    qint64 previewKey() { return child<QLabel>(1014)->pixmap().cacheKey(); }
    // Presses Save and, when the name prompt opens, runs `answer` on it.
    void save(std::function<void(CNameDlg &)> answer) { OnNextModal<CNameDlg>(answer); child<QPushButton>(1)->click(); }

    TempDir m_data;
    Album m_album;
    MessageBoxRecorder m_messages;
    std::unique_ptr<CPictureEditorDlg> editor;
};

} // namespace

TEST_F(PictureEditor, RendersOnAGrayClickAFinishedLeftDragAndASliderLetGoElsewhere)
{
    open();
    qint64 key = previewKey();
    const auto rendered = [&] {
        QApplication::processEvents();
        const bool changed = previewKey() != key;
        key = previewKey();
        return changed;
    };
    QTest::mouseClick(child<QRadioButton>(1016), Qt::LeftButton);
    EXPECT_TRUE(rendered()) << "a click on the selected button";
    auto *slider = child<QSlider>(1015);
    slider->setFocus();
    QTest::keyPress(slider, Qt::Key_Right);
    EXPECT_FALSE(rendered()) << "the slider's key still down";
    QTest::keyRelease(slider, Qt::Key_Right);
    EXPECT_TRUE(rendered()) << "the key let go";
    EXPECT_TRUE(editor->m_contrast == slider->value() && editor->m_contrast != 0);
    QTest::keyRelease(slider, Qt::Key_Shift);
    EXPECT_FALSE(rendered()) << "let go where it was";
    // The crop frame (33, 33, 202, 202) within the bounds (5, 33, 231, 202) of the picture.
    auto *crop = child<CCropFrame>(1011);
    const struct { const char *why; QPoint from, to; Qt::MouseButton button; bool renders; CropRect frame; } drags[] = {
        {"moved", {100, 100}, {90, 100}, Qt::LeftButton, true, {23, 33, 192, 202}},
        {"a click without moving", {100, 100}, {100, 100}, Qt::LeftButton, true, {23, 33, 192, 202}},
        {"held within the bounds", {100, 100}, {-100, 300}, Qt::LeftButton, true, {5, 33, 174, 202}},
        {"the right button", {100, 100}, {120, 100}, Qt::RightButton, false, {5, 33, 174, 202}},
        {"outside the frame", {200, 100}, {150, 100}, Qt::LeftButton, false, {5, 33, 174, 202}},
    };
    for (const auto &d : drags) {
        QTest::mousePress(crop, d.button, {}, d.from);
        MoveHolding(crop, d.to, d.button);
        EXPECT_FALSE(rendered()) << d.why << ": while dragging";
        QTest::mouseRelease(crop, d.button, {}, d.to);
        EXPECT_EQ(rendered(), d.renders) << d.why;
        EXPECT_EQ(crop->GetFrame(), d.frame) << d.why;
    }
}

TEST_F(PictureEditor, EscapeCancelAndCloseAskAndOnlyYesEndsItWritingTheSettings)
{
    open();
    QTest::mouseClick(child<QRadioButton>(1017), Qt::LeftButton);
    QTest::keyClick(editor.get(), Qt::Key_Escape);
    editor->close();
    save([](CNameDlg &prompt) { prompt.reject(); }); // a cancelled name prompt leaves the editor open as well
    EXPECT_TRUE(editor->isVisible() && QSettings().value("Parameters/Gray Level") == 2);
    m_messages.answer(MessageAnswer::Yes);
    child<QPushButton>(2)->click();
    ASSERT_EQ(m_messages.shown().size(), 3u);
    for (const MessageRequest &asked : m_messages.shown())
        EXPECT_TRUE(asked.text == "Should I discard the new picture?" && asked.caption == "Cancel" && asked.buttons == MessageButtons::YesNo);
    EXPECT_EQ(editor->result(), QDialog::Rejected);
    EXPECT_EQ(QSettings().value("Parameters/Gray Level"), 1);
    EXPECT_TRUE(QDir(m_data.path()).isEmpty());
}

TEST_F(PictureEditor, SaveNamesAndWritesTheFirstFreePictureOfTheOwnersDataDirectory)
{
    ASSERT_TRUE(QDir(m_data.path()).mkdir("p0.bmp"));
    open();
    QTest::mouseClick(child<QRadioButton>(1017), Qt::LeftButton);
    QString prompted;
    save([&prompted](CNameDlg &prompt) {
        prompted = prompt.windowTitle() + "|" + prompt.findChild<QLineEdit *>("1013")->text() + "|"
                 + prompt.findChild<QLabel *>("1012")->text();
        QTest::keyClicks(prompt.findChild<QLineEdit *>("1013"), "A name of exactly fifteen"); // over the selected text
        prompt.findChild<QPushButton *>("1")->click();
    });
    EXPECT_EQ(prompted, "Picture Name|New Picture|Enter a name for the new picture.  Maximum 15 characters.");
    EXPECT_EQ(editor->m_name + "|" + editor->m_path, "A name of exact|" + m_data.file("p1.bmp"));
    EXPECT_TRUE(editor->result() == QDialog::Accepted && editor->m_grayLevel == 1 && QSettings().value("Parameters/Gray Level") == 1);
    const QImage written(editor->m_path);
    ASSERT_EQ(written.size(), QSize(160, 160));
    EXPECT_EQ(testimg::graysIn(written), (std::set<int>{0, 100, 200, 255}));
}

TEST_F(PictureEditor, SaveThatCannotWriteKeepsTheEditorOpenWithAnError)
{
    WriteBytes(m_data.file("file"), {});
    QWidget noAlbum;
    TempDir full;
    for (int i = 0; i < 10000; ++i)
        WriteBytes(full.file(QString("p%1.bmp").arg(i)), {});
    const struct { const char *why; QString dataDir; QWidget *parent; QString named; } rows[] = {
        {"every picture name taken", full.path(), nullptr, "All picture names from p0.bmp to p9999.bmp are taken in " + full.path()},
        {"the data directory is a file", m_data.file("file"), nullptr, m_data.file("file/p0.bmp") + ".  The folder " + m_data.file("file") + " no longer exists."},
        {"too long a path for the album", m_data.file(QString(250, 'd')), nullptr, m_data.file(QString(250, 'd'))},
        {"not opened from an album: refused before the name prompt", m_data.path(), &noAlbum, "not opened from an album"},
    };
    for (const auto &r : rows) {
        open(r.parent);
        m_album.dir = r.dataDir;
        r.parent ? child<QPushButton>(1)->click() : save([](CNameDlg &prompt) { prompt.findChild<QPushButton *>("1")->click(); });
        EXPECT_TRUE(editor->isVisible() && editor->m_path.isEmpty()) << r.why;
        ASSERT_EQ(m_messages.shown().size() > 0 ? m_messages.shown().back().caption : "", "Error") << r.why;
        EXPECT_TRUE(m_messages.shown().back().text.contains(r.named)) << qPrintable(m_messages.shown().back().text);
        editor.reset();
    }
    EXPECT_EQ(QDir(m_data.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"file"}));
}

TEST(NameDlg, RefusesAStartingTextOfMoreThanFifteenCharactersUntilShortened)
{
    MessageBoxRecorder messages;
    CNameDlg prompt; // as the album window's Rename opens it for a name from an old album file
    prompt.m_name = "A very long old photo name";
    QTimer::singleShot(0, &prompt, [&] {
        prompt.accept();
        EXPECT_TRUE(prompt.isVisible());
        prompt.findChild<QLineEdit *>("1013")->setText("Old photo");
        prompt.accept();
    });
    EXPECT_EQ(prompt.exec(), QDialog::Accepted);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(prompt.m_name + "|" + messages.shown()[0].text, "Old photo|Please enter no more than 15 characters.");
}

// A large JPEG opens from a reduced decode. Each frame is saved from the decode the rule picks
// for that frame whatever was decoded before: byte for byte what the tool renders of it.
TEST_F(PictureEditor, SavesEachFrameOfALargeJpegAsTheToolRendersItWhateverCameBefore)
{
    const QString path = m_data.file("photo.jpg");
    WriteBytes(path, testimg::encoded(testimg::photoLike(1000, 700, 21), "jpg"));
    // At 0.226 from (5, 39), opened at 1/2: the initial frame is S = (150, 0, 849, 699), 699
    // pixels across for 160 (at least 640 keep twice the detail at 1/2); medium 663, small 177.
    const CropRect initial{39, 39, 197, 197}, medium{40, 40, 190, 190}, small{100, 80, 140, 120};
    const auto tool = [&](CropRect frame, bool full) { return RenderImageFile(path, {{{236, 236}, frame, std::nullopt}, 2, 0, full}).picture.EncodeBmp4(); };
    ASSERT_NE(tool(initial, false), tool(initial, true)) << "the decodes differ, so a history that changed the decode would show";
    const auto frameTo = [&](CropRect f) { editor->m_cropFrame->SetFrame(f.left, f.top, f.right, f.bottom); editor->RenderPreview(f); };
    for (const CropRect &frame : {initial, medium, small}) {
        for (const auto &[history, smallFirst, fullCame] : {std::tuple{"saved at once", false, false}, {"after the full picture came", true, true}, {"after a small frame and back", true, false}}) {
            SCOPED_TRACE(testing::Message() << history << ", frame from " << frame.left << ", " << frame.top);
            editor = std::make_unique<CPictureEditorDlg>(&m_album);
            ASSERT_TRUE(editor->LoadSource(path));
            editor->show();
            ASSERT_FALSE(editor->m_source.IsAllocated()) << "opened from the reduced decode";
            if (smallFirst)
                frameTo(small);
            ASSERT_TRUE(!fullCame || QTest::qWaitFor([&] { return editor->m_source.IsAllocated(); }, 20000));
            frameTo(frame);
            save([](CNameDlg &prompt) { prompt.findChild<QPushButton *>("1")->click(); });
            EXPECT_EQ(ReadBytes(editor->m_path), tool(frame, false));
        }
    }
}

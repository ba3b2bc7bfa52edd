#include "cli/ImageRender.h"
#include "editor/CropFrame.h"
#include "editor/JpegReduction.h"
#include "editor/HandheldRender.h"
#include "editor/NameDlg.h"
#include "editor/NameInput.h"
#include "editor/PictureEditorDlg.h"
#include "editor/PictureEditorOwner.h"
#include "editor/PictureFileName.h"
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
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

static void PrintTo(const CropRect &r, std::ostream *out) { *out << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')'; }

namespace {

constexpr CropRect kFrame{10, 10, 50, 50}; // before the editor sets anything; bounds (0, 0, 999, 999)
constexpr CropRect kWide{0, 0, 999, 999}, kBox{0, 0, 100, 100};

struct Drag { const char *why; CropRect bounds, frame; QPoint press; std::vector<std::pair<QPoint, CropRect>> steps; }; // steps: to, frame after

// Each step must also report the frame it started from.
void RunDrags(std::initializer_list<Drag> drags)
{
    for (const Drag &drag : drags) {
        CropGeometry geometry;
        geometry.SetBounds(drag.bounds.left, drag.bounds.top, drag.bounds.right, drag.bounds.bottom);
        geometry.SetFrame(drag.frame.left, drag.frame.top, drag.frame.right, drag.frame.bottom);
        ASSERT_TRUE(geometry.Press(drag.press)) << drag.why;
        for (const auto &[to, expected] : drag.steps) {
            const CropRect before = geometry.GetFrame();
            EXPECT_EQ(geometry.MouseMove(to), before) << drag.why;
            EXPECT_EQ(geometry.GetFrame(), expected) << drag.why;
        }
    }
}

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

TEST(CropGeometry, HandlesAndFrameDecidePressAndCursor)
{
    CropGeometry flat, narrow; // overlapping handles: press and cursor try them in other orders
    flat.SetFrame(10, 10, 50, 16);
    narrow.SetFrame(10, 10, 16, 50);
    // Where a press there and a move by (1, 2) leave the frame.
    const struct { const char *why; CropGeometry geometry; QPoint point; CropRect nudged; Qt::CursorShape cursor; } rows[] = {
        {"top-left handle 5 px past the corner", {}, {5, 5}, {11, 12, 50, 50}, Qt::SizeFDiagCursor}, {"top-left handle inside", {}, {14, 14}, {11, 12, 50, 50}, Qt::SizeFDiagCursor},
        {"top-right handle", {}, {54, 14}, {10, 12, 51, 50}, Qt::SizeBDiagCursor}, {"bottom-left handle", {}, {5, 54}, {11, 10, 50, 52}, Qt::SizeBDiagCursor},
        {"bottom-right handle", {}, {50, 50}, {10, 10, 51, 52}, Qt::SizeFDiagCursor}, {"left edge is inside", {}, {10, 30}, {11, 12, 51, 52}, Qt::SizeAllCursor},
        {"top edge is inside", {}, {30, 10}, {11, 12, 51, 52}, Qt::SizeAllCursor}, {"right edge is outside", {}, {50, 30}, kFrame, Qt::ArrowCursor},
        {"bottom edge is outside", {}, {30, 50}, kFrame, Qt::ArrowCursor},
        {"press top-right, cursor bottom-right", flat, {50, 12}, {10, 12, 51, 16}, Qt::SizeFDiagCursor},
        {"press bottom-left, cursor bottom-right", narrow, {12, 50}, {11, 10, 16, 52}, Qt::SizeFDiagCursor},
    };
    for (auto r : rows) {
        EXPECT_EQ(r.geometry.CursorAt(r.point), r.cursor) << r.why;
        if (r.geometry.Press(r.point))
            r.geometry.MouseMove(r.point + QPoint(1, 2));
        EXPECT_EQ(r.geometry.GetFrame(), r.nudged) << r.why;
    }
}

TEST(CropGeometry, MovingKeepsTheSizeAndIsPushedBackAtEachEdge)
{
    RunDrags({
        {"past the left edge, then by the pointer's motion", kBox, kFrame, {30, 30}, {{{10, 30}, {0, 10, 40, 50}}, {{15, 30}, {5, 10, 45, 50}}}},
        {"one short of the left edge", kBox, kFrame, {30, 30}, {{{21, 30}, {1, 10, 41, 50}}}}, {"past the top edge", kBox, kFrame, {30, 30}, {{{25, -100}, {5, 0, 45, 40}}}},
        {"one short of the top edge", kBox, kFrame, {30, 30}, {{{30, 21}, {10, 1, 50, 41}}}}, {"past the right edge", kBox, kFrame, {30, 30}, {{{100, 31}, {60, 11, 100, 51}}}},
        {"one short of the right edge", kBox, kFrame, {30, 30}, {{{79, 30}, {59, 10, 99, 50}}}}, {"past the bottom edge", kBox, kFrame, {30, 30}, {{{31, 100}, {11, 60, 51, 100}}}},
        {"one short of the bottom edge", kBox, kFrame, {30, 30}, {{{30, 79}, {10, 59, 50, 99}}}},
        {"wider than the bounds", kBox, {10, 10, 150, 50}, {30, 30}, {{{31, 30}, {-40, 10, 100, 50}}}}, {"taller than the bounds", kBox, {10, 10, 50, 150}, {30, 30}, {{{30, 31}, {10, -40, 50, 100}}}},
        {"bounds set after the frame: up to the minimum, back to the maximum", {20, 20, 40, 40}, kFrame, {30, 30}, {{{30, 30}, {0, 0, 40, 40}}}},
    });
}

TEST(CropGeometry, CornersFollowTheMouseWithTheirCorrections)
{
    RunDrags({
        {"step by step", kWide, kFrame, {10, 10}, {{{12, 13}, {12, 13, 50, 50}}, {{15, 20}, {15, 20, 50, 50}}}},
        {"top-left at the top limit", kWide, kFrame, {10, 10}, {{{5, -5}, {10, 0, 50, 50}}}}, {"top-left past the opposite corner", kWide, kFrame, {10, 10}, {{{70, 70}, {30, 50, 50, 50}}}},
        {"top-right past the opposite corner", kWide, kFrame, {50, 10}, {{{-10, 70}, {10, 50, 30, 50}}}}, {"bottom-right past the opposite corner", kWide, kFrame, {50, 50}, {{{-10, -10}, {10, 10, 30, 10}}}},
        {"bottom-left past the opposite corner takes the top along", kWide, kFrame, {10, 50}, {{{70, -10}, {50, -10, 50, -10}}, {{70, -20}, {50, -20, 50, -20}}}},
        {"top-left x limit, then y limit", kBox, kFrame, {10, 10}, {{{-20, -30}, {30, 0, 50, 50}}}}, {"top-right x limit", kBox, kFrame, {50, 10}, {{{120, 20}, {10, 20, 100, 50}}}},
        {"bottom-left x limit", kBox, kFrame, {10, 50}, {{{-5, 60}, {0, 10, 50, 60}}}}, {"bottom-right x limit", kBox, kFrame, {50, 50}, {{{150, 40}, {10, 10, 100, 40}}}},
        {"bottom-left y limit", kBox, kFrame, {10, 50}, {{{20, 120}, {40, 10, 50, 100}}}}, {"bottom-right y limit", kBox, kFrame, {50, 50}, {{{60, 130}, {10, 10, 30, 100}}}},
        {"y limit pushes left over right", kBox, kFrame, {10, 10}, {{{40, -50}, {50, 0, 50, 50}}}}, {"y limit pushes right over left", kBox, kFrame, {50, 10}, {{{20, -50}, {10, 0, 10, 50}}}},
    });
}

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
    const struct { const char *why; QString dataDir; QWidget *parent; QString named; } rows[] = {
        {"the data directory is a file", m_data.file("file"), nullptr, m_data.file("file/p0.bmp")},
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

TEST(NameInput, KeepsFifteenCharactersOfTheHandheldCharacterSet)
{
    const QString twenty(20, 'x');
    const struct { const char *why; QString before, after, kept; int cursor; } rows[] = {
        {"typing within the limit", "New Picture", "New Picture!", "New Picture!", 12}, {"a sixteenth character", "abcdefghijklmno", "abcdefghijklmnop", "abcdefghijklmno", 15},
        {"a paste cut to the room left where it went in", "Photo", "Pho1234567890123to", "Pho1234567890to", 13},
        {"replacing a selection frees its room first", "abcdefghijklmno", "abXYZfghijklmno", "abXYZfghijklmno", 5},
        {"a longer starting text cannot grow", twenty, twenty + "y", twenty, 20}, {"but can shrink", twenty, QString(19, 'x'), QString(19, 'x'), 19},
        {"Windows-1252 letters and the euro", "Caf", "Café €5", "Café €5", 7},
        {"no Chinese", "Tea", "Tea 中文", "Tea ", 4}, {"no emoji", "A", "A😀B", "AB", 2}, {"no control characters", "A", "A\tB", "AB", 2},
    };
    for (const auto &r : rows) {
        const NameEdit edit = ApplyNameEdit(r.before, r.after, 15);
        EXPECT_EQ(edit.text + "|" + QString::number(edit.cursor), r.kept + "|" + QString::number(r.cursor)) << r.why;
    }
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

TEST(PictureFileName, TheFirstNumberThatNamesNothingIsTakenAsTheFolderIsGiven)
{
    TempDir dir;
    const std::pair<QStringList, QString> rows[] = { // taken, then free
        {{}, "p0.bmp"}, {{"p0.bmp", "p2.bmp"}, "p1.bmp"}, {{"p1.bmp"}, "p3.bmp"}, {{"p3.bmp/"}, "p4.bmp"}, // a folder too
    };
    for (const auto &[taken, free] : rows) {
        for (const QString &name : taken)
            name.endsWith('/') ? void(QDir(dir.path()).mkdir(name.chopped(1))) : WriteBytes(dir.file(name), {});
        EXPECT_EQ(FindFreePictureFile(dir.path()), dir.file(free)) << taken.join(' ').toStdString();
    }
    EXPECT_EQ(FindFreePictureFile(dir.path() + '/'), dir.path() + "//p4.bmp");
    for (int i = 4; i < kPictureNumbers; ++i)
        WriteBytes(PictureFilePath(dir.path(), i), {});
    EXPECT_EQ(FindFreePictureFile(dir.path()), std::nullopt) << "all 10000 taken";
}

TEST(ViewGeometry, FramesTheWorkedExamplesOfThreePictureSizes)
{
    const struct { QSize source, control, scaled; QPoint offset; CropRect frame, sourceRect; QSize fitted; QPoint placed; } rows[] = {
        {{100, 80}, {236, 236}, {100, 80}, {68, 78}, {78, 78, 158, 158}, {10, 0, 90, 80}, {160, 160}, {0, 0}},
        {{640, 480}, {236, 236}, {226, 169}, {5, 33}, {33, 33, 202, 202}, {79, 0, 557, 478}, {160, 160}, {0, 0}},
        // The single-precision scale lies just below 190/203: 189 wide, not 190.
        {{203, 150}, {200, 220}, {189, 140}, {5, 40}, {30, 40, 170, 180}, {26, 0, 176, 149}, {160, 158}, {0, 1}},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(testing::Message() << r.source.width() << "x" << r.source.height());
        const ViewGeometry view = ComputeViewGeometry(r.source, r.control);
        EXPECT_EQ(view.scaledSize, r.scaled);
        EXPECT_EQ(QPoint(view.placement.offsetX, view.placement.offsetY), r.offset);
        EXPECT_EQ(view.bounds, CropRect::fromQRect(QRect(r.offset, r.scaled)));
        EXPECT_EQ(view.initialFrame, r.frame);
        EXPECT_EQ(MapFrameToSource(view.initialFrame, view.placement), r.sourceRect);
        EXPECT_EQ(FitIntoHandheld(r.sourceRect), r.fitted);
        EXPECT_EQ(CentreIn(r.fitted, QSize(160, 160)), r.placed);
    }
}

TEST(ViewGeometry, FitKeepsProportionsDividingFirstAndNeedsAnArea)
{
    const std::pair<CropRect, std::optional<QSize>> rows[] = {
        {{0, 0, 150, 300}, QSize(80, 160)}, {{5, 5, 82, 82}, QSize(159, 160)}, {{0, 0, 154, 77}, QSize(160, 79)}, // 160.0 / 77 * 77, 160.0 / 154 * 77 lie just below 160, 80
        {{10, 10, 10, 50}, std::nullopt}, {{10, 10, 50, 10}, std::nullopt}, {{0, 0, 5000, 20}, std::nullopt}, // a sliver: nothing
    };
    for (const auto &[sourceRect, fitted] : rows)
        EXPECT_EQ(FitIntoHandheld(sourceRect), fitted) << sourceRect.right;
    EXPECT_EQ(ClipToPicture({120, 0, 150, 10}, {100, 80}), CropRect{}) << "no overlap with the picture";
}

// Worked examples at 160 by 160 and scale 1, so nothing is resized; grays that land on palette entries leave nothing to dither.
TEST(HandheldRender, FlattensOntoWhiteStretchesChangesTheContrastMirrorsForCodeTwoAndCentresThePreview)
{
    const auto sides = [](QRgb left, QRgb right) { // the right half opaque, over the left
        QImage image(160, 160, QImage::Format_ARGB32);
        image.fill(left);
        QPainter(&image).fillRect(80, 0, 80, 160, QColor(right));
        return ImgBitmap::FromQImage(image);
    };
    const ImgBitmap narrow = sides(qRgb(100, 100, 100), qRgb(110, 110, 110));
    const struct { const char *why; ImgBitmap source; int grayLevel, contrast, left, right; } rows[] = {
        {"transparent black shows the white paper", sides(qRgba(0, 0, 0, 0), qRgb(0, 0, 0)), 2, 0, 255, 0}, {"100 and 110 stretched to 0 and 255", narrow, 2, 0, 0, 255},
        {"in 4 grays too", narrow, 1, 0, 0, 255}, // any level but 1 renders 16 grays, where 17 and 238 need no dithering:
        {"then contrast -133, k = 0.867: 128 - 128 k = 17.02, 128 + 127 k = 238.1", narrow, 3, -133, 17, 238},
    };
    for (const auto &r : rows) {
        const auto rendered = RenderHandheld(r.source, {0, 0, 160, 160}, {1.0f, 0, 0}, r.grayLevel, r.contrast);
        ASSERT_TRUE(rendered) << r.why;
        const QImage picture = rendered->picture.ToQImage();
        EXPECT_EQ(picture.colorCount(), r.grayLevel == 1 ? 4 : 16) << r.why;
        EXPECT_EQ(std::pair(testimg::graysIn(picture.copy(0, 0, 80, 160)), testimg::graysIn(picture.copy(80, 0, 80, 160))), std::pair(std::set{r.left}, std::set{r.right})) << r.why;
    }
    ImgBitmap halves = ImgBitmap::FromQImage(testimg::gray(300, 150, [](int, int y) { return y < 75 ? 255 : 0; })); // top half white
    halves.SetOrientation(2); // stored bottom-up: the top half of the frame is the black half
    const auto mirrored = RenderHandheld(halves, {0, 0, 300, 75}, {1.0f, 0, 0}, 2, 0);
    ASSERT_TRUE(mirrored);
    EXPECT_EQ(mirrored->trimmed, (CropRect{0, 75, 300, 150}));
    EXPECT_EQ(testimg::grayAt(mirrored->picture.ToQImage(), 80, 80), 0);
    for (const CropRect &none : {CropRect{20, 20, 20, 60}, CropRect{20, 20, 60, 20}, CropRect{350, 10, 400, 60}})
        EXPECT_FALSE(RenderHandheld(halves, none, {1.0f, 0, 0}, 2, 0)) << "no source pixels at " << none.left;
    // The preview shows the handheld picture centred in the control: (38, 38) to (198, 198).
    const ImgBitmap white = ImgBitmap::FromQImage(testimg::gray(160, 160, [](int, int) { return 255; }));
    const QImage preview = ComposePreview(white, {236, 236}).ToQImage();
    for (int at : {37, 38, 197, 198})
        EXPECT_EQ(QPoint(testimg::grayAt(preview, at, 100), testimg::grayAt(preview, 100, at)), at >= 38 && at < 198 ? QPoint(255, 255) : QPoint(0, 0)) << at;
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

#include "editor/CropFrame.h"
#include "editor/NameDlg.h"
#include "editor/PictureEditorDlg.h"
#include "editor/PictureEditorOwner.h"
#include "support/MessageBoxRecorder.h"
#include "support/NextModal.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"
#include "support/TextFit.h"
#include "CropRectPrinter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 255) / width, (y * 255) / height, 128));
    return image;
}

void answerPrompt(CNameDlg &prompt, const QString &name)
{
    auto *edit = prompt.findChild<QLineEdit *>("1013");
    edit->setText(name);
    prompt.findChild<QPushButton *>("1")->click();
}

// The album window that opens the editor: it owns the data directory.
struct Album : QWidget, PictureEditorOwner {
    const QString &dataDir() const override { return dir; }
    QString dir;
};

class PictureEditorTest : public testing::Test {
protected:
    void SetUp() override
    {
        QSettings store(QStringLiteral("Quillmere"), QStringLiteral("Vellumo"));
        store.clear();
        store.setValue("Parameters/Gray Level", m_storedGray);
        store.setValue("Parameters/Contrast", 0);
    }

    void open(CPictureEditorDlg &editor, QSize size = QSize(640, 480))
    {
        editor.m_source = ImgBitmap::FromQImage(photo(size.width(), size.height()));
        m_album.dir = m_data.path();
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }

    static qint64 previewKey(CPictureEditorDlg &editor)
    {
        return editor.findChild<QLabel *>("1014")->pixmap().cacheKey();
    }

    static int storedInt(const char *key)
    {
        return QSettings(QStringLiteral("Quillmere"), QStringLiteral("Vellumo")).value(key).toInt();
    }

    int m_storedGray = 2;
    TempDir m_data;
    Album m_album;
    MessageBoxRecorder m_messages;
};

class OddGrayLevelTest : public PictureEditorTest {
protected:
    OddGrayLevelTest() { m_storedGray = 3; }
};

} // namespace

TEST_F(PictureEditorTest, OpensWithTheCentredSquareAndAFirstRender)
{
    CPictureEditorDlg editor(&m_album);
    open(editor);
    auto *crop = editor.findChild<CCropFrame *>("1011");
    ASSERT_NE(crop, nullptr);
    EXPECT_EQ(crop->size(), QSize(236, 236));
    EXPECT_EQ(editor.findChild<QLabel *>("1014")->contentsRect().size(), QSize(236, 236));
    EXPECT_EQ(crop->GetFrame(), (CropRect{33, 33, 202, 202}));
    EXPECT_EQ(crop->m_offsetX, 5);
    EXPECT_EQ(crop->m_offsetY, 33);
    EXPECT_EQ(editor.m_result.GetWidth(), 160);
    EXPECT_EQ(editor.m_result.GetHeight(), 160);
    EXPECT_TRUE(editor.findChild<QRadioButton *>("1016")->isChecked());
    EXPECT_EQ(editor.findChild<QSlider *>("1015")->minimum(), -1000);
    EXPECT_EQ(editor.findChild<QSlider *>("1015")->maximum(), 1000);
    EXPECT_EQ(ClippedTexts(&editor), QStringList());
}

TEST_F(OddGrayLevelTest, StoredOddGrayLevelShowsFourLevelsButRendersSixteen)
{
    CPictureEditorDlg editor(&m_album);
    open(editor);
    EXPECT_TRUE(editor.findChild<QRadioButton *>("1017")->isChecked());
    EXPECT_EQ(editor.m_grayLevel, 3);
    EXPECT_EQ(editor.m_result.Palette()->grays.size(), 16u);
    // A click on either button brings choice and render into line.
    const qint64 before = previewKey(editor);
    QTest::mouseClick(editor.findChild<QRadioButton *>("1017"), Qt::LeftButton);
    EXPECT_EQ(editor.m_grayLevel, 1);
    EXPECT_EQ(editor.m_result.Palette()->grays.size(), 4u);
    EXPECT_NE(previewKey(editor), before);
}

TEST_F(PictureEditorTest, GrayClickAlwaysRendersSliderOnlyWhenLetGoElsewhere)
{
    CPictureEditorDlg editor(&m_album);
    open(editor);
    auto *slider = editor.findChild<QSlider *>("1015");
    qint64 key = previewKey(editor);

    QTest::mouseClick(editor.findChild<QRadioButton *>("1016"), Qt::LeftButton);
    EXPECT_NE(previewKey(editor), key) << "a click on the selected button renders";
    key = previewKey(editor);

    // A key press moves the slider; only its release ends the movement and renders.
    slider->setFocus();
    QTest::keyPress(slider, Qt::Key_Right);
    QApplication::processEvents();
    EXPECT_EQ(previewKey(editor), key);
    QTest::keyRelease(slider, Qt::Key_Right);
    QApplication::processEvents();
    EXPECT_EQ(editor.m_contrast, slider->value());
    EXPECT_NE(editor.m_contrast, 0);
    EXPECT_NE(previewKey(editor), key);
    key = previewKey(editor);

    // Let go where it already was: no render.
    QTest::keyRelease(slider, Qt::Key_Shift);
    QApplication::processEvents();
    EXPECT_EQ(previewKey(editor), key);
}

TEST_F(PictureEditorTest, CancelAsksAndOnlyYesEndsAndWritesTheSettings)
{
    CPictureEditorDlg editor(&m_album);
    open(editor);
    QTest::mouseClick(editor.findChild<QRadioButton *>("1017"), Qt::LeftButton);

    m_messages.answer(MessageAnswer::No);
    QTest::keyClick(&editor, Qt::Key_Escape);
    m_messages.answer(MessageAnswer::No);
    editor.close();
    m_messages.answer(MessageAnswer::No);
    editor.findChild<QPushButton *>("2")->click();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(storedInt("Parameters/Gray Level"), 2);
    ASSERT_EQ(m_messages.shown().size(), 3u);
    for (const MessageRequest &request : m_messages.shown()) {
        EXPECT_EQ(request.text, "Should I discard the new picture?");
        EXPECT_EQ(request.caption, "Cancel");
        EXPECT_EQ(request.buttons, MessageButtons::YesNo);
        EXPECT_EQ(request.icon, MessageIcon::None);
    }

    m_messages.answer(MessageAnswer::Yes);
    editor.findChild<QPushButton *>("2")->click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Rejected);
    EXPECT_EQ(storedInt("Parameters/Gray Level"), 1);
    EXPECT_TRUE(QDir(m_data.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(PictureEditorTest, SaveNamesWritesTheFirstFreePictureAndTheSettings)
{
    QFile taken(m_data.file("p0.bmp"));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.close();

    CPictureEditorDlg editor(&m_album);
    open(editor);
    QTest::mouseClick(editor.findChild<QRadioButton *>("1017"), Qt::LeftButton);
    QString prompted;
    OnNextModal<CNameDlg>([&prompted](CNameDlg &prompt) {
        prompted = prompt.windowTitle() + "|" + prompt.findChild<QLineEdit *>("1013")->text() + "|"
                   + prompt.findChild<QLabel *>("1012")->text();
        prompt.findChild<QPushButton *>("1")->click();
    });
    editor.findChild<QPushButton *>("1")->click();

    EXPECT_EQ(prompted, "Picture Name|New Picture|Enter a name for the new picture.  Maximum 15 characters.");
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(editor.m_name, "New Picture");
    EXPECT_EQ(editor.m_path, m_data.file("p1.bmp"));
    EXPECT_EQ(editor.m_grayLevel, 1);
    EXPECT_EQ(storedInt("Parameters/Gray Level"), 1);
    EXPECT_EQ(QFileInfo(editor.m_path).size(), 12918);
    const QImage written(editor.m_path);
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.size(), QSize(160, 160));
    for (int y = 0; y < 160; y += 3)
        for (int x = 0; x < 160; x += 3) {
            const int gray = qGray(written.pixel(x, y));
            EXPECT_TRUE(gray == 0 || gray == 100 || gray == 200 || gray == 255) << gray;
        }
}

TEST_F(PictureEditorTest, CancelledPromptLeavesTheEditorOpenAndWritesNothing)
{
    CPictureEditorDlg editor(&m_album);
    open(editor);
    OnNextModal<CNameDlg>([](CNameDlg &prompt) { prompt.findChild<QPushButton *>("2")->click(); });
    editor.findChild<QPushButton *>("1")->click();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(QDir(m_data.path()).entryList(QDir::Files).isEmpty());
    editor.done(QDialog::Rejected);
}

TEST_F(PictureEditorTest, SaveFailuresKeepTheEditorOpenWithAMessage)
{
    // The data directory turned into a regular file: the picture cannot be written.
    QFile blocker(m_data.file("not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString tooLong = m_data.path() + "/" + QString(250, 'd');

    for (const QString &dataDir : {blocker.fileName(), tooLong}) {
        CPictureEditorDlg editor(&m_album);
        open(editor);
        m_album.dir = dataDir;
        OnNextModal<CNameDlg>([](CNameDlg &prompt) { answerPrompt(prompt, "Beach"); });
        editor.findChild<QPushButton *>("1")->click();
        EXPECT_TRUE(editor.isVisible());
        EXPECT_TRUE(editor.m_path.isEmpty());
        ASSERT_FALSE(m_messages.shown().empty());
        EXPECT_EQ(m_messages.shown().back().caption, "Error");
        EXPECT_TRUE(m_messages.shown().back().text.contains(dataDir)) << m_messages.shown().back().text.toStdString();
        editor.done(QDialog::Rejected);
    }
    EXPECT_EQ(QDir(m_data.path()).entryList(QDir::Files), QStringList({"not-a-folder"}));
}

TEST_F(PictureEditorTest, ReleasedFrameDragRendersTheNewFrame)
{
    CPictureEditorDlg editor(&m_album);
    open(editor);
    auto *crop = editor.findChild<CCropFrame *>("1011");
    const qint64 before = previewKey(editor);
    QTest::mousePress(crop, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QMouseEvent move(QEvent::MouseMove, QPointF(90, 100), crop->mapToGlobal(QPointF(90, 100)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(crop, &move);
    QTest::mouseRelease(crop, Qt::LeftButton, Qt::NoModifier, QPoint(90, 100));
    EXPECT_EQ(crop->GetFrame(), (CropRect{23, 33, 192, 202}));
    EXPECT_NE(previewKey(editor), before);
}

// A large JPEG opens in the editor from a reduced decode; what it saves is a full decode's.
#include "cli/TestPictures.h"
#include "editor/CropFrame.h"
#include "editor/JpegReduction.h"
#include "editor/NameDlg.h"
#include "editor/PictureEditorDlg.h"
#include "imaging/TestImages.h"
#include "support/MessageBoxRecorder.h"
#include "support/NextModal.h"
#include "support/TempDir.h"

#include <QPushButton>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

TEST(ReducedFirstEditor, DecodesAtTheStrongestReductionThatKeepsTwiceTheDetail)
{
    struct Row { const char *why; imaging::JpegInfo info; int denominator; };
    const Row rows[] = {
        {"236x236 control: view 226x150, initial frame 3983x3982 for 160x159", {{6000, 4000}}, 8},
        {"initial frame 2567x2566: 1/8 needs 2560x2544", {{4000, 2567}}, 8},
        {"initial frame 2549x2548: short of 2560 at 1/8", {{4000, 2566}}, 4},
        {"the view, 226 across, needs 452: 3616 / 8 = 452", {{3616, 2600}}, 8},
        {"3615 / 8 = 451", {{3615, 2600}}, 4},
        {"turned: only 1/2 of 4002 is whole", {{4002, 6000}, 6}, 2},
        {"640x480: 1/2 leaves 320 for a 226-pixel view", {{640, 480}}, 1},
    };
    for (const Row &r : rows)
        EXPECT_EQ(ChooseEditorJpegReduction(r.info, QSize(236, 236)), r.denominator) << r.why;
}

TEST(ReducedFirstEditor, SavesAFullDecodesPictureForTheInitialFrameAndASmallFrameDraggedAtOnce)
{
    QSettings(QStringLiteral("Quillmere"), QStringLiteral("Vellumo")).setValue("Parameters/Gray Level", 2);
    MessageBoxRecorder messages;
    TempDir data;
    const QString path = data.file("photo.jpg");
    SaveImage(testimg::photoLike(2690, 2045, 21), path);
    const auto grays = [](const ImgBitmap &picture) { return HandheldGrays(picture.ToQImage()); };

    for (const bool waitForFullPicture : {false, true}) {
        SCOPED_TRACE(waitForFullPicture ? "saved after the full picture came" : "saved at once");
        CPictureEditorDlg full;
        ASSERT_TRUE(full.m_source.Load(path));
        full.show();
        CPictureEditorDlg editor;
        editor.m_dataDir = data.path();
        ASSERT_TRUE(editor.LoadSource(path));
        editor.show();
        ASSERT_FALSE(editor.m_source.IsAllocated()) << "opened from the reduced decode";
        // As the tool's reduced render: no block moves by a third of a 16-gray step.
        const BlockDifference initial = CompareBlocks(editor.m_result.ToQImage(), full.m_result.ToQImage());
        EXPECT_TRUE(initial.largest < 6.0 && initial.average < 2.0) << initial.largest << ", " << initial.average;
        // The corner dragged to a 40-pixel frame, about 476 source pixels: too few for a 1/4 decode.
        const CropRect start = editor.m_cropFrame->GetFrame();
        const QPoint to(start.left + 40, start.top + 40);
        QTest::mousePress(editor.m_cropFrame, Qt::LeftButton, {}, QPoint(start.right, start.bottom));
        QTest::mouseMove(editor.m_cropFrame, to);
        QTest::mouseRelease(editor.m_cropFrame, Qt::LeftButton, {}, to);
        ASSERT_EQ(editor.m_cropFrame->GetFrame(), (CropRect{start.left, start.top, to.x(), to.y()}));
        full.RenderPreview(editor.m_cropFrame->GetFrame());
        if (waitForFullPicture) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return editor.m_source.IsAllocated(); }, 20000));
            EXPECT_EQ(grays(editor.m_result), grays(full.m_result)) << "rendered again once it came";
        }
        OnNextModal<CNameDlg>([](CNameDlg &prompt) { prompt.findChild<QPushButton *>("1")->click(); });
        editor.findChild<QPushButton *>("1")->click();
        EXPECT_EQ(HandheldGrays(editor.m_path), grays(full.m_result));
    }
}

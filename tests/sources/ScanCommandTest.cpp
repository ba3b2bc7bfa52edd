#include "editor/PictureEditorDlg.h"
#include "sources/ScanDevice.h"
#include "support/AlbumWindowFixture.h"
#include "support/MessageBoxRecorder.h"
#include "support/NextModal.h"

#include <cstdlib>

namespace {

class ScanCommandTest : public AlbumWindowTest {
protected:
    void SetUp() override
    {
        AlbumWindowTest::SetUp();
        setenv("SANE_CONFIG_DIR", VELLUMO_SANE_CONFIG_DIR, 1);
    }

    // The test backend's first device at a low resolution, so the page is small.
    static void useTestDevice(CAlbumDlg &dlg, const char *readResult = nullptr)
    {
        dlg.m_scanOptions.resolutionDpi = 25;
        dlg.m_scanHooks.chooseDevice = [](const QList<ScanDeviceInfo> &) { return QStringLiteral("test:0"); };
        if (readResult) {
            // The test backend's reader thread must not be cut off mid-allocation when the
            // error ends the scan at once: a slower page keeps it waiting on the descriptor.
            dlg.m_scanOptions.resolutionDpi = 100;
            dlg.m_scanHooks.prepareDevice = [readResult](ScanDevice &device) {
                device.setOption("select-fd", true);
                device.setOption("read-delay", true);
                device.setOption("read-delay-duration", 100000);
                device.setOption("read-return-value", QString::fromLatin1(readResult));
            };
        }
    }

    MessageBoxRecorder m_messages;
};

} // namespace

TEST_F(ScanCommandTest, ScannedPageReachesTheEditor)
{
    CAlbumDlg dlg;
    open(dlg);
    useTestDevice(dlg);
    QSize scanned;
    OnNextModal<CPictureEditorDlg>([&scanned, this](CPictureEditorDlg &editor) {
        scanned = QSize(editor.m_source.GetWidth(), editor.m_source.GetHeight());
        m_messages.answer(MessageAnswer::Yes);
        editor.reject();
    });
    menuItem(dlg, AlbumId::MenuScan)->trigger();
    EXPECT_TRUE(m_messages.shown().size() == 1 && m_messages.shown()[0].caption == "Cancel");
    EXPECT_GT(scanned.width(), 0);
    EXPECT_GT(scanned.height(), 0);
    EXPECT_EQ(list(dlg)->count(), 0);
}

TEST_F(ScanCommandTest, DeviceErrorsAreReported)
{
    CAlbumDlg dlg;
    open(dlg);
    useTestDevice(dlg, "SANE_STATUS_JAMMED");
    menuItem(dlg, AlbumId::MenuScan)->trigger();
    ASSERT_EQ(m_messages.shown().size(), 1u);
    EXPECT_EQ(m_messages.shown()[0].text, "There was an error scanning the image.");
    EXPECT_EQ(m_messages.shown()[0].caption, "Scan Image");
    EXPECT_EQ(m_messages.shown()[0].icon, MessageIcon::Exclamation);

    dlg.m_scanHooks.chooseDevice = [](const QList<ScanDeviceInfo> &) { return QStringLiteral("test:99"); };
    dlg.m_scanHooks.prepareDevice = nullptr;
    menuItem(dlg, AlbumId::MenuScan)->trigger();
    ASSERT_EQ(m_messages.shown().size(), 2u);
    EXPECT_EQ(m_messages.shown()[1].text, "The scanning device is not currently available.");

    EXPECT_EQ(list(dlg)->count(), 0);
}

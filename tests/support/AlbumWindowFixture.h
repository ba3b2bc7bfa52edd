#pragma once

#include "album/AlbumBytes.h"
#include "windows/AlbumDlg.h"
#include "album/AlbumFile.h"
#include "album/Settings.h"
#include "windows/SplashDlg.h"
#include "imaging/Bitmap.h"
#include "support/MessageBoxRecorder.h"
#include "support/NextModal.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QAction>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

inline QStringList NamesInFile(const QString &dataDir)
{
    QStringList names;
    for (const PhotoRecord &record : ReadAlbumFile(AlbumFilePath(dataDir)).records)
        names << RecordName(record);
    return names;
}

// A data folder in the settings, message boxes answered and recorded, the splash ended at once.
class AlbumWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        QSettings().clear();
        Settings().setDataDir(m_data.path());
    }
    void writeAlbum(const std::vector<PhotoRecord> &records)
    {
        ASSERT_TRUE(WriteAlbumFile(AlbumFilePath(m_data.path()), records));
    }
    void open(CAlbumDlg &dlg)
    {
        OnNextModal<CSplashDlg>([](CSplashDlg &splash) { splash.done(0); });
        dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        QApplication::processEvents();
    }
    // Opens on `photos` numbered records whose picture files exist: flat grays 40, 60, ...
    void openWith(CAlbumDlg &dlg, int photos)
    {
        writeAlbum(NumberedRecords(photos, m_data.path()));
        for (int i = 0; i < photos; ++i) {
            QImage image(160, 160, QImage::Format_Grayscale8);
            image.fill(40 + 20 * i);
            ASSERT_TRUE(ImgBitmap::FromQImage(image).SaveBmp4(picture(i)));
        }
        open(dlg);
    }
    // Drops the files on the window as a file manager would; false when it refused the drag.
    // (Qt hands a drop only to the widget that accepted the drag's entry.)
    static bool drop(CAlbumDlg &dlg, const QStringList &files)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &file : files)
            urls << QUrl::fromLocalFile(file);
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dlg, &enter);
        QDropEvent dropped(QPointF(300, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        return enter.isAccepted() && QApplication::sendEvent(&dlg, &dropped);
    }
    // Clicks the button with the id, or else triggers the menu item.
    static void command(CAlbumDlg &dlg, int id)
    {
        if (QPushButton *pressed = button(dlg, id))
            pressed->click();
        else
            menuItem(dlg, id)->trigger();
    }
    static QStringList texts(CAlbumDlg &dlg)
    {
        QStringList texts;
        for (int row = 0; row < list(dlg)->count(); ++row)
            texts << list(dlg)->item(row)->text();
        return texts;
    }
    // The list, selection in brackets, enabled buttons (Add Remove reName Up Down) and menu
    // items (from File, Paste, Scan, Capture, remove, rename): "n0 [n1] | ARNUD | fpscrn".
    static QString state(CAlbumDlg &dlg)
    {
        QStringList items = texts(dlg);
        for (const QListWidgetItem *selected : list(dlg)->selectedItems())
            items[list(dlg)->row(selected)] = '[' + selected->text() + ']';
        QString controls;
        using namespace AlbumId;
        for (const auto &[id, letter] : std::initializer_list<std::pair<int, char>>{{0, '|'}, {AddPhoto, 'A'},
                 {RemovePhoto, 'R'}, {RenamePhoto, 'N'}, {MoveUp, 'U'}, {MoveDown, 'D'}, {0, '|'}, {MenuAddFromFile, 'f'},
                 {MenuPaste, 'p'}, {MenuScan, 's'}, {MenuCapture, 'c'}, {MenuRemove, 'r'}, {MenuRename, 'n'}})
            if (!id || (button(dlg, id) ? button(dlg, id)->isEnabled() : menuItem(dlg, id)->isEnabled()))
                controls += id ? QString(letter) : QStringLiteral(" | ");
        return items.join(' ') + controls;
    }
    static QListWidget *list(CAlbumDlg &dlg) { return dlg.findChild<QListWidget *>("1005"); }
    static QPushButton *button(CAlbumDlg &dlg, int id) { return dlg.findChild<QPushButton *>(QString::number(id)); }
    static QAction *menuItem(CAlbumDlg &dlg, int id) { return dlg.findChild<QAction *>(QString::number(id)); }
    QString picture(int i) const { return m_data.file(QStringLiteral("p%1.bmp").arg(i)); }
    // MessageText of the last message box shown after the first `before`, or nothing.
    QString shownSince(size_t before) const
    {
        return m_messages.shown().size() > before ? MessageText(m_messages.shown().back()) : QString();
    }

    TempDir m_data;
    MessageBoxRecorder m_messages;
};

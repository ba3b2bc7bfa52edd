#pragma once

#include "album/AlbumBytes.h"
#include "album/AlbumDlg.h"
#include "album/AlbumFile.h"
#include "support/MessageBoxRecorder.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

QStringList NamesInFile(const QString &dataDir);

// The album window's tests: a data folder in the settings, message boxes answered and
// recorded, and the window shown the way the program shows it, the splash ended at once.
class AlbumWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void writeAlbum(const std::vector<PhotoRecord> &records);
    void open(CAlbumDlg &dlg);
    // Opens on `photos` numbered records whose picture files exist: flat grays 40, 60, ...
    void openWith(CAlbumDlg &dlg, int photos);
    // Drops the files on the window as a file manager would; false when it refused the drag.
    static bool drop(CAlbumDlg &dlg, const QStringList &files);
    // Clicks the button with the id, or else triggers the menu item.
    static void command(CAlbumDlg &dlg, int id);
    static QStringList texts(CAlbumDlg &dlg);
    // The list with the selected item in brackets, the enabled buttons (Add, Remove, reName,
    // Up, Down) and the enabled menu items (from File, Paste, Scan, Capture, remove, rename):
    // "n0 [n1] | ARNUD | fpscrn".
    static QString state(CAlbumDlg &dlg);
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

#pragma once

#include "album/AlbumDlg.h"
#include "album/AlbumFile.h"
#include "album/PhotoRecord.h"
#include "support/TempDir.h"

#include <QAction>
#include <QByteArray>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

#include <gtest/gtest.h>

#include <vector>

PhotoRecord MakeRecord(const QString &name, const QString &path, int gray);
// "Photo 0", "Photo 1", ... pointing at p0.bmp, p1.bmp, ... of dir (which need not exist).
std::vector<PhotoRecord> NumberedRecords(const TempDir &dir, int count);
QByteArray FileBytes(const QString &path);
QStringList NamesInFile(const QString &dataDir);

// A data directory in the settings, and the album window shown the way the program shows
// it, with the splash ended at once.
class AlbumWindowTest : public testing::Test {
protected:
    void SetUp() override;
    void writeAlbum(const std::vector<PhotoRecord> &records);
    void open(CAlbumDlg &dlg);

    static QListWidget *list(CAlbumDlg &dlg) { return dlg.findChild<QListWidget *>("1005"); }
    static QPushButton *button(CAlbumDlg &dlg, int id)
    {
        return dlg.findChild<QPushButton *>(QString::number(id));
    }
    static QAction *menuItem(CAlbumDlg &dlg, int id)
    {
        return dlg.findChild<QAction *>(QString::number(id));
    }

    TempDir m_data;
};

#include "support/AlbumWindowFixture.h"

#include "album/AlbumFile.h"
#include "app/Settings.h"
#include "app/SplashDlg.h"
#include "imaging/Bitmap.h"
#include "support/NextModal.h"

#include <QMimeData>
#include <QSettings>
#include <QTest>

QStringList NamesInFile(const QString &dataDir)
{
    QStringList names;
    for (const PhotoRecord &record : ReadAlbumFile(AlbumFilePath(dataDir)).records)
        names << RecordName(record);
    return names;
}

void AlbumWindowTest::SetUp()
{
    QSettings().clear();
    Settings().setDataDir(m_data.path());
}

void AlbumWindowTest::writeAlbum(const std::vector<PhotoRecord> &records)
{
    ASSERT_TRUE(WriteAlbumFile(AlbumFilePath(m_data.path()), records));
}

void AlbumWindowTest::open(CAlbumDlg &dlg)
{
    OnNextModal<CSplashDlg>([](CSplashDlg &splash) { splash.done(0); });
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    QApplication::processEvents();
}

void AlbumWindowTest::openWith(CAlbumDlg &dlg, int photos)
{
    writeAlbum(NumberedRecords(photos, m_data.path()));
    for (int i = 0; i < photos; ++i) {
        QImage image(160, 160, QImage::Format_Grayscale8);
        image.fill(40 + 20 * i);
        ASSERT_TRUE(ImgBitmap::FromQImage(image).SaveBmp4(picture(i)));
    }
    open(dlg);
}

bool AlbumWindowTest::drop(CAlbumDlg &dlg, const QStringList &files)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &file : files)
        urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    // Qt hands a drop only to the widget that accepted the drag's entry.
    QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&dlg, &enter);
    QDropEvent dropped(QPointF(300, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    return enter.isAccepted() && QApplication::sendEvent(&dlg, &dropped);
}

void AlbumWindowTest::command(CAlbumDlg &dlg, int id)
{
    if (QPushButton *pressed = button(dlg, id))
        pressed->click();
    else
        menuItem(dlg, id)->trigger();
}

QStringList AlbumWindowTest::texts(CAlbumDlg &dlg)
{
    QStringList texts;
    for (int row = 0; row < list(dlg)->count(); ++row)
        texts << list(dlg)->item(row)->text();
    return texts;
}

QString AlbumWindowTest::state(CAlbumDlg &dlg)
{
    QStringList items;
    for (int row = 0; row < list(dlg)->count(); ++row)
        items << (list(dlg)->item(row)->isSelected() ? '[' + list(dlg)->item(row)->text() + ']'
                                                     : list(dlg)->item(row)->text());
    QString controls = " | ";
    const std::pair<int, char> buttons[] = {{AlbumId::AddPhoto, 'A'}, {AlbumId::RemovePhoto, 'R'},
        {AlbumId::RenamePhoto, 'N'}, {AlbumId::MoveUp, 'U'}, {AlbumId::MoveDown, 'D'}};
    for (const auto &[id, letter] : buttons)
        controls += button(dlg, id)->isEnabled() ? QString(letter) : QString();
    controls += " | ";
    const std::pair<int, char> menu[] = {{AlbumId::MenuAddFromFile, 'f'}, {AlbumId::MenuPaste, 'p'},
        {AlbumId::MenuScan, 's'}, {AlbumId::MenuCapture, 'c'}, {AlbumId::MenuRemove, 'r'}, {AlbumId::MenuRename, 'n'}};
    for (const auto &[id, letter] : menu)
        controls += menuItem(dlg, id)->isEnabled() ? QString(letter) : QString();
    return items.join(' ') + controls;
}

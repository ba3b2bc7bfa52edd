#pragma once

#include "album/AlbumLock.h"
#include "album/ControlStates.h"
#include "album/PendingPictures.h"
#include "album/RecordTable.h"
#include "windows/PictureEditorOwner.h"
#include "imaging/Bitmap.h"
#include "sources/ScanSession.h"

#include <QDialog>
#include <QIcon>
#include <QPointer>
#include <QString>

#include <optional>

class QAction;
class QItemSelection;
class QListWidget;
class QListWidgetItem;
class QMenuBar;
class QPushButton;
class CPictureEditorDlg;
class HelpWindow;
class PreviewPanel;
struct SourcePicture;

// Control and command ids of the album window.
namespace AlbumId {
constexpr int Exit = 1;
constexpr int AddPhoto = 1000;
constexpr int RemovePhoto = 1001;
constexpr int RenamePhoto = 1002;
constexpr int MoveUp = 1003;
constexpr int MoveDown = 1004;
constexpr int List = 1005;
constexpr int Panel = 1006;
constexpr int Help = 57670;
constexpr int MenuAbout = 32772;
constexpr int MenuScan = 32773;
constexpr int MenuCapture = 32774;
constexpr int MenuExit = 32776;
constexpr int MenuRemove = 32777;
constexpr int MenuRename = 32778;
constexpr int MenuPaste = 32779;
constexpr int MenuAddFromFile = 32780;
constexpr int MenuMoveUp = 32782;
constexpr int MenuMoveDown = 32783;
} // namespace AlbumId

// The album window: the list of photos in album order, the preview panel and the
// commands that change the album. Owns the record table for the whole run.
class CAlbumDlg : public QDialog, public PictureEditorOwner {
    Q_OBJECT
public:
    explicit CAlbumDlg(QWidget *parent = nullptr);
    ~CAlbumDlg() override;

    void setVisible(bool visible) override;
    int exec() override;
    // Every way the window ends: Exit, the close box, Escape.
    void done(int result) override;

    int AddPhoto(QString name, QString path, int grayLevel);
    void UpdateControls();
    void ShowSelectedPicture();
    void LoadAlbum();
    bool SaveAlbum();

    // The picture editor opens on this file as soon as the window has shown itself (the file
    // named on the command line); it is added as "Add Photo" adds a chosen file.
    void OpenFileWhenShown(const QString &file);

    const QString &dataDir() const override { return m_dataDir; }
    const RecordTable &records() const { return m_records; }

    // The scanner command's stand-ins for tests; the real dialogs when left empty.
    ScanOptions m_scanOptions;
    ScanHooks m_scanHooks;

public slots:
    void OnOK();
    void OnAddPhotoFromFile();
    void OnPasteFromClipboard();
    void OnScanPhoto();
    void OnCapturePhoto();
    void OnRemovePhoto();
    void OnRenamePhoto();
    void OnMoveUp();
    void OnMoveDown();
    void OnHelp();

protected:
    bool OnInitDialog();
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void OnItemChanged(const QItemSelection &selected);
    void OnAbout();
    void OnListKeyDown(int key);

private:
    void initialiseOnce();
    void buildControls();
    void buildMenu();
    QPushButton *addButton(int id, const QString &text, const QRect &place);
    QAction *addMenuItem(class QMenu *menu, int id, const QString &text);
    // Loads the file into a new editor and, when the user saves there, adds and saves.
    bool AddPhotoFromFile(const QString &file);
    // Runs an editor made with this window as its parent; true when a photo was added.
    bool RunEditor(CPictureEditorDlg &editor);
    // Edits the picture a source gave, or tells why it gave none under the command's caption.
    void EditSourcePicture(const SourcePicture &source, const QString &caption);
    int selection() const;
    // The selection, or -1 after telling the user to select a photo first.
    int selectionOrExplain(const QString &caption);
    void selectItem(int index);
    void moveSelection(int step);
    void connectCommand(int buttonId, int menuId, void (CAlbumDlg::*handler)());
    QAction *menuAction(int id) const;
    void reportRecordsNotLoaded(int notLoaded);
    void reportDataDirectoryNotFound(const QString &notFound);

    // Members in the order the album window has always declared them.
    QString m_dataDir;
    QListWidget *m_list = nullptr;
    QIcon m_hIcon;
    CommandFlags m_flags;
    bool m_firstPaintPending = false;
    ImgBitmap m_photo;
    ImgBitmap m_panelImage;
    RecordTable m_records;

    bool m_initialised = false;
    bool m_backupBeforeSave = false;   // the file held bytes that a save would not write back
    QString m_readError;               // why the album file could not be read; it is never saved over
    std::optional<AlbumLock> m_lock;   // held from the start to the end of the run
    bool m_otherWriter = false;        // the album is open elsewhere: this window ends at once
    PendingPictures m_pending;
    QMenuBar *m_menuBar = nullptr;
    QWidget *m_client = nullptr;
    PreviewPanel *m_panel = nullptr;
    QPointer<HelpWindow> m_help;
    QString m_fileToOpen;
};

#include "windows/AlbumDlg.h"

#include "album/AlbumFile.h"
#include "windows/PreviewPanel.h"
#include "windows/AboutDlg.h"
#include "album/DataDirectory.h"
#include "widgets/DialogUnits.h"
#include "widgets/MessageBox.h"
#include "album/Settings.h"
#include "windows/SplashDlg.h"
#include "windows/HelpWindow.h"
#include "windows/NameDlg.h"
#include "windows/PictureEditorDlg.h"
#include "album/PictureStore.h"
#include "render/HandheldRender.h"
#include "album/WriteFailure.h"
#include "imaging/ImagingLibrary.h"
#include "res/Resources.h"
#include "sources/CaptureSource.h"
#include "sources/ClipboardSource.h"
#include "sources/FileSource.h"
#include "sources/ScanSource.h"
#include "widgets/WaitCursor.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <cerrno>
#include <utility>

namespace {

// Asked right after the failed write, while errno still tells why.
QString saveErrorText(const QString &dataDir)
{
    return QStringLiteral("Error saving photo album.  ") + WriteFailureReason(errno, dataDir);
}
const QString kProgramCaption = QStringLiteral("Vellumo Album Creator");

} // namespace

CAlbumDlg::CAlbumDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
    , m_hIcon(ApplicationIcon())
{
    setObjectName(QString::number(ResourceId::AlbumDialog));
    setFont(DialogFont());
    setWindowTitle(QStringLiteral("Vellumo Album Creator"));
    setSizeGripEnabled(true);
    setAcceptDrops(true);
    buildControls();
    buildMenu();

    // Every command of the window and the handler it reaches.
    connectCommand(AlbumId::AddPhoto, AlbumId::MenuAddFromFile, &CAlbumDlg::OnAddPhotoFromFile);
    connect(menuAction(AlbumId::MenuPaste), &QAction::triggered, this, &CAlbumDlg::OnPasteFromClipboard);
    connect(menuAction(AlbumId::MenuScan), &QAction::triggered, this, &CAlbumDlg::OnScanPhoto);
    connect(menuAction(AlbumId::MenuCapture), &QAction::triggered, this, &CAlbumDlg::OnCapturePhoto);
    connectCommand(AlbumId::RemovePhoto, AlbumId::MenuRemove, &CAlbumDlg::OnRemovePhoto);
    connectCommand(AlbumId::RenamePhoto, AlbumId::MenuRename, &CAlbumDlg::OnRenamePhoto);
    connectCommand(AlbumId::MoveUp, AlbumId::MenuMoveUp, &CAlbumDlg::OnMoveUp);
    connectCommand(AlbumId::MoveDown, AlbumId::MenuMoveDown, &CAlbumDlg::OnMoveDown);
    connectCommand(AlbumId::Exit, AlbumId::MenuExit, &CAlbumDlg::OnOK);
    connectCommand(AlbumId::Help, AlbumId::Help, &CAlbumDlg::OnHelp);
    connect(menuAction(AlbumId::MenuAbout), &QAction::triggered, this, &CAlbumDlg::OnAbout);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CAlbumDlg::OnItemChanged);
    m_list->installEventFilter(this);   // the Delete key reaches OnListKeyDown

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(m_menuBar);
    // No layout of its own: the controls keep their places when the window is resized.
    layout->addWidget(m_client, 0, Qt::AlignLeft | Qt::AlignTop);
}

// The help window belongs to this window and goes with it.
CAlbumDlg::~CAlbumDlg() = default;

void CAlbumDlg::connectCommand(int buttonId, int menuId, void (CAlbumDlg::*handler)())
{
    connect(m_client->findChild<QPushButton *>(QString::number(buttonId)), &QPushButton::clicked,
            this, handler);
    connect(menuAction(menuId), &QAction::triggered, this, handler);
}

QAction *CAlbumDlg::menuAction(int id) const
{
    return m_menuBar->findChild<QAction *>(QString::number(id));
}

void CAlbumDlg::buildControls()
{
    m_client = new QWidget(this);
    m_client->setFixedSize(DialogRect(0, 0, 399, 228).size());

    auto *logo = new QLabel(m_client);
    logo->setGeometry(DialogRect(5, 8, 67, 20));
    logo->setPixmap(QPixmap(QString::fromLatin1(kLogoBitmapPath)));
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Template order, which is also the tab order.
    addButton(AlbumId::AddPhoto, QStringLiteral("&Add Photo"), DialogRect(7, 41, 50, 14));
    addButton(AlbumId::RemovePhoto, QStringLiteral("Remove Photo"), DialogRect(7, 63, 61, 14))
        ->setEnabled(false);
    addButton(AlbumId::RenamePhoto, QStringLiteral("Re&name Photo"), DialogRect(7, 81, 62, 14))
        ->setEnabled(false);
    addButton(AlbumId::MoveUp, QStringLiteral("Move Photo &Up List"), DialogRect(7, 105, 87, 14))
        ->setEnabled(false);
    addButton(AlbumId::MoveDown, QStringLiteral("Move Photo &Down List"),
              DialogRect(7, 123, 87, 14))
        ->setEnabled(false);
    addButton(AlbumId::Help, QStringLiteral("&Help"), DialogRect(7, 148, 50, 14));
    // Enter gives the focused button its command, and everywhere else Exit's.
    addButton(AlbumId::Exit, QStringLiteral("Exit"), DialogRect(7, 166, 50, 14))->setDefault(true);

    m_list = new QListWidget(m_client);
    m_list->setObjectName(QString::number(AlbumId::List));
    m_list->setGeometry(DialogRect(108, 7, 118, 214));
    m_list->setViewMode(QListView::ListMode);
    m_list->setFlow(QListView::TopToBottom);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSortingEnabled(false);

    m_panel = new PreviewPanel(m_client);
    m_panel->setObjectName(QString::number(AlbumId::Panel));
    m_panel->setGeometry(DialogRect(233, 7, 159, 161));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_panel->setLineWidth(2);
    m_panel->setAlignment(Qt::AlignCenter);

    auto *hint = new QLabel(
        QStringLiteral("Click Add Photo to add new pictures to your Vellumo album."), m_client);
    hint->setGeometry(DialogRect(233, 181, 159, 20));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The logo is placed first but must not take the tab order's first place.
    logo->lower();
}

QPushButton *CAlbumDlg::addButton(int id, const QString &text, const QRect &place)
{
    auto *button = new QPushButton(text, m_client);
    button->setObjectName(QString::number(id));
    button->setGeometry(place);
    return button;
}

QAction *CAlbumDlg::addMenuItem(QMenu *menu, int id, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QString::number(id));
    return action;
}

void CAlbumDlg::buildMenu()
{
    m_menuBar = new QMenuBar(this);
    m_menuBar->setObjectName(QString::number(ResourceId::AlbumMenu));

    QMenu *file = m_menuBar->addMenu(QStringLiteral("File"));
    // The desktop's own keys for the commands that have one; the menus show them.
    addMenuItem(file, AlbumId::MenuAddFromFile, QStringLiteral("&Add Photo from File ..."))
        ->setShortcut(QKeySequence::Open);
    addMenuItem(file, AlbumId::MenuPaste, QStringLiteral("&Paste from Clipboard"))->setShortcut(QKeySequence::Paste);
    addMenuItem(file, AlbumId::MenuScan, QStringLiteral("&Scan Photo ..."));
    addMenuItem(file, AlbumId::MenuCapture, QStringLiteral("&Capture Photo from the Screen ..."));
    file->addSeparator();
    addMenuItem(file, AlbumId::MenuExit, QStringLiteral("Exit"));

    QMenu *album = m_menuBar->addMenu(QStringLiteral("Album"));
    addMenuItem(album, AlbumId::MenuRemove, QStringLiteral("&Remove Photo"));
    addMenuItem(album, AlbumId::MenuRename, QStringLiteral("Re&name Photo"));
    album->addSeparator();
    addMenuItem(album, AlbumId::MenuMoveUp, QStringLiteral("Move Photo &Up the List"));
    addMenuItem(album, AlbumId::MenuMoveDown, QStringLiteral("Move Photo &Down the List"));

    QMenu *help = m_menuBar->addMenu(QStringLiteral("Help"));
    addMenuItem(help, AlbumId::Help, QStringLiteral("Help"))->setShortcut(QKeySequence::HelpContents);
    help->addSeparator();
    addMenuItem(help, AlbumId::MenuAbout, QStringLiteral("About Vellumo ..."));
}

void CAlbumDlg::initialiseOnce()
{
    // Before the window first shows, as a dialog initialises on its creation.
    if (!m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
}

void CAlbumDlg::setVisible(bool visible)
{
    if (visible)
        initialiseOnce();
    // A window that may not have the album never shows.
    if (visible && m_otherWriter)
        return;
    QDialog::setVisible(visible);
    if (visible && !m_fileToOpen.isEmpty())
        QTimer::singleShot(0, this, [this, file = std::exchange(m_fileToOpen, QString())] {
            if (!m_records.isFull())
                AddPhotoFromFile(file);
        });
}

int CAlbumDlg::exec()
{
    initialiseOnce();
    // Its run ends before it starts: the program ends once the user has read why.
    if (m_otherWriter)
        return QDialog::Rejected;
    return QDialog::exec();
}

bool CAlbumDlg::OnInitDialog()
{
    setWindowIcon(m_hIcon);
    Settings settings;
    QString notFound;
    m_dataDir = ResolveDataDirectory(settings, &notFound);
    if (!notFound.isEmpty())
        reportDataDirectoryNotFound(notFound);
    // One writer per album: of two windows, or a window and the tool, each would save its own
    // copy of the album over the other's photos.
    if (m_lock.emplace(m_dataDir).heldElsewhere()) {
        m_otherWriter = true;
        ShowMessageBox(this,
                       QStringLiteral("The photo album in %1 is already open in another Vellumo Album "
                                      "Creator window, or vellumo-album is changing it. Only one of "
                                      "them may change it at a time: close the other one first.")
                           .arg(m_dataDir),
                       kProgramCaption);
        return false;
    }
    LoadAlbum();
    m_firstPaintPending = true;
    StartImaging();
    CSplashDlg splash;
    splash.exec();
    setWindowTitle(QStringLiteral("Vellumo 1.1 Album Creator"));
    return true;
}

void CAlbumDlg::reportDataDirectoryNotFound(const QString &notFound)
{
    ShowMessageBox(this, DataDirectoryNotFoundText(notFound, m_dataDir), kProgramCaption);
}

void CAlbumDlg::LoadAlbum()
{
    const AlbumReadResult album = ReadAlbumFile(AlbumFilePath(m_dataDir));
    m_readError = album.error;
    if (!m_readError.isEmpty()) {
        ShowMessageBox(this,
                       QStringLiteral("The album file %1 cannot be read: %2. The album is shown "
                                      "empty, and the file will not be saved over.")
                           .arg(AlbumFilePath(m_dataDir), m_readError),
                       kProgramCaption);
    }
    m_backupBeforeSave = album.keepBeforeSave;
    m_records.load(album.records);
    for (int slot = 0; slot < m_records.count(); ++slot) {
        auto *item = new QListWidgetItem(RecordName(m_records.at(slot)));
        item->setData(Qt::UserRole, slot);
        m_list->addItem(item);
    }
    if (m_records.count() > 0) {
        selectItem(0);
        UpdateControls();
    }
    if (album.notLoaded > 0) {
        reportRecordsNotLoaded(album.notLoaded);
    } else if (album.keepBeforeSave) {
        ShowMessageBox(this,
                       QStringLiteral("The album file %1 does not end with a whole photo (it may have "
                                      "been cut short). The file as found will be kept as "
                                      "\"Photos.dat.bak\" when the album is next saved.")
                           .arg(AlbumFilePath(m_dataDir)),
                       kProgramCaption);
    }
}

void CAlbumDlg::reportRecordsNotLoaded(int notLoaded)
{
    ShowMessageBox(this,
                   QStringLiteral("The album file holds more photos than an album can take (%1). "
                                  "%2 of them were not loaded. The file as found will be kept "
                                  "as \"Photos.dat.bak\" when the album is next saved.")
                       .arg(kMaxRecords)
                       .arg(notLoaded),
                   kProgramCaption);
}

bool CAlbumDlg::SaveAlbum()
{
    if (m_otherWriter) // its album was never loaded: saving would replace the other's
        return false;
    const QString path = AlbumFilePath(m_dataDir);
    if (!m_readError.isEmpty()) {
        ShowMessageBox(this,
                       QStringLiteral("The album was not saved: the album file %1 could not be read "
                                      "(%2), and saving would replace it.")
                           .arg(path, m_readError),
                       QStringLiteral("Error"));
        return false;
    }
    if (m_backupBeforeSave) {
        if (!BackupAlbumFile(path)) {
            ShowMessageBox(this, saveErrorText(m_dataDir), QStringLiteral("Error"));
            return false;
        }
        m_backupBeforeSave = false;
    }
    std::vector<PhotoRecord> ordered;
    ordered.reserve(m_list->count());
    for (int row = 0; row < m_list->count(); ++row)
        ordered.push_back(m_records.at(m_list->item(row)->data(Qt::UserRole).toInt()));
    if (!WriteAlbumFile(path, ordered)) {
        ShowMessageBox(this, saveErrorText(m_dataDir), QStringLiteral("Error"));
        return false;
    }
    m_pending.albumSaved(ordered, m_dataDir);
    return true;
}

int CAlbumDlg::AddPhoto(QString name, QString path, int grayLevel)
{
    const int slot = m_records.append(name, path, grayLevel);
    // The callers keep within the table and the record's fields; refuse rather than overrun.
    if (slot < 0)
        return 0;
    const int n = m_list->count();
    auto *item = new QListWidgetItem(name);
    item->setData(Qt::UserRole, slot);
    m_list->insertItem(n, item);
    selectItem(n);
    m_list->setFocus();
    UpdateControls();
    return 1;
}

bool CAlbumDlg::RunEditor(CPictureEditorDlg &editor)
{
    if (editor.exec() != QDialog::Accepted)
        return false;
    m_pending.added(editor.m_path);
    return AddPhoto(editor.m_name, editor.m_path, editor.m_grayLevel) != 0;
}

void CAlbumDlg::OnAddPhotoFromFile()
{
    if (m_records.isFull())
        return;
    if (const std::optional<QString> file = ChooseImageFile(this))
        AddPhotoFromFile(*file);
}

void CAlbumDlg::OpenFileWhenShown(const QString &file)
{
    m_fileToOpen = file;
}

bool CAlbumDlg::AddPhotoFromFile(const QString &file)
{
    CPictureEditorDlg editor(this);
    bool loaded = false;
    {
        WaitCursor wait;
        loaded = editor.LoadSource(file);
    }
    if (!loaded) {
        ShowMessageBox(this, QStringLiteral("There was an reading the picture file."),
                       QStringLiteral("Add Photo"), MessageButtons::Ok, MessageIcon::Exclamation);
        return false;
    }
    if (!RunEditor(editor))
        return false;
    SaveAlbum();
    return true;
}

void CAlbumDlg::dragEnterEvent(QDragEnterEvent *event)
{
    if (!m_records.isFull() && event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CAlbumDlg::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    // One after the other, each through the editor, as "Add Photo" would.
    for (const QUrl &url : urls) {
        if (m_records.isFull())
            break;
        if (url.isLocalFile())
            AddPhotoFromFile(url.toLocalFile());
    }
}

void CAlbumDlg::OnPasteFromClipboard()
{
    if (!m_records.isFull())
        EditSourcePicture(PictureFromClipboard(), QStringLiteral("Copy from Clipboard"));
}

void CAlbumDlg::OnScanPhoto()
{
    if (!m_records.isFull())
        EditSourcePicture(PictureFromScanner(this, m_scanOptions, m_scanHooks),
                          QStringLiteral("Scan Image"));
}

void CAlbumDlg::OnCapturePhoto()
{
    if (m_records.isFull())
        return;
    // The instruction stays on the panel until the next picture is shown there.
    m_panel->drawCaptureInstruction();
    const SourcePicture source = PictureFromScreen();
    EditSourcePicture(source, QStringLiteral("Capture"));
    // A capture that failed takes its instruction away again; a cancelled one leaves it.
    if (!source.picture.IsAllocated() && !source.failure.isEmpty())
        ShowSelectedPicture();
}

void CAlbumDlg::EditSourcePicture(const SourcePicture &source, const QString &caption)
{
    if (!source.picture.IsAllocated()) {
        if (!source.failure.isEmpty())
            ShowMessageBox(this, source.failure, caption, MessageButtons::Ok,
                           MessageIcon::Exclamation);
        return;
    }
    CPictureEditorDlg editor(this);
    editor.m_source = source.picture;
    RunEditor(editor);
}

int CAlbumDlg::selection() const
{
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->isSelected())
            return row;
    }
    return -1;
}

void CAlbumDlg::selectItem(int index)
{
    m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
}

void CAlbumDlg::UpdateControls()
{
    const ControlStates states =
        ComputeControlStates(m_list->count(), selection(), m_records.count(), m_flags);
    auto button = [this](int id) {
        return m_client->findChild<QPushButton *>(QString::number(id));
    };
    button(AlbumId::RemovePhoto)->setEnabled(states.removeRenameButtons);
    button(AlbumId::RenamePhoto)->setEnabled(states.removeRenameButtons);
    button(AlbumId::MoveUp)->setEnabled(states.moveUpButton);
    button(AlbumId::MoveDown)->setEnabled(states.moveDownButton);
    if (states.addButton.has_value())
        button(AlbumId::AddPhoto)->setEnabled(*states.addButton);
    m_flags = states.flags;
    if (!states.updateMenu)
        return;
    // Every way of adding a photo is greyed together once the table is full.
    for (int id : {AlbumId::MenuAddFromFile, AlbumId::MenuPaste, AlbumId::MenuScan, AlbumId::MenuCapture})
        menuAction(id)->setEnabled(m_flags.canAdd);
    menuAction(AlbumId::MenuRemove)->setEnabled(m_flags.canRemove);
    menuAction(AlbumId::MenuRename)->setEnabled(m_flags.canRename);
}

void CAlbumDlg::ShowSelectedPicture()
{
    const int s = selection();
    if (s < 0) {
        m_panel->drawNotice();
        return;
    }
    const int slot = m_list->item(s)->data(Qt::UserRole).toInt();
    m_photo.Load(RecordPathString(m_records.at(slot)));
    const QSize size = m_panel->contentsRect().size();
    if (!m_photo.IsAllocated()) {
        // Rather than the last photo shown, which would pass for this one.
        m_panel->showMissingPicture();
        return;
    }
    m_panelImage = ComposePreview(m_photo, size);
    m_panel->showPicture(QPixmap::fromImage(m_panelImage.ToQImage()));
}

void CAlbumDlg::OnItemChanged(const QItemSelection &selected)
{
    // A change that leaves nothing selected changes neither the panel nor the controls.
    if (selected.isEmpty())
        return;
    ShowSelectedPicture();
    UpdateControls();
}

void CAlbumDlg::paintEvent(QPaintEvent *event)
{
    if (m_firstPaintPending) {
        ShowSelectedPicture();
        UpdateControls();
        if (m_list->count() > 0)
            m_list->setFocus();
        m_firstPaintPending = false;
    }
    QDialog::paintEvent(event);
}

void CAlbumDlg::OnOK()
{
    SaveAlbum();
    QDialog::accept();
}

void CAlbumDlg::closeEvent(QCloseEvent *event)
{
    SaveAlbum();
    QDialog::closeEvent(event);
}

void CAlbumDlg::done(int result)
{
    m_pending.runEnded(m_dataDir);
    QDialog::done(result);
}

bool CAlbumDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Delete) {
            OnListKeyDown(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CAlbumDlg::OnListKeyDown(int key)
{
    if (key == Qt::Key_Delete)
        OnRemovePhoto();
}

int CAlbumDlg::selectionOrExplain(const QString &caption)
{
    const int s = selection();
    if (s < 0)
        ShowMessageBox(this, QStringLiteral("You must first select a photo from the list."), caption);
    return s;
}

void CAlbumDlg::OnRemovePhoto()
{
    const int s = selectionOrExplain(QStringLiteral("Remove Photo"));
    if (s < 0)
        return;
    const QString name = m_list->item(s)->text();
    const MessageAnswer answer =
        ShowMessageBox(this, QStringLiteral("Really remove ") + name + QStringLiteral(" from the album?"),
                       QStringLiteral("Remove Photo"), MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) {
        const int slot = m_list->item(s)->data(Qt::UserRole).toInt();
        delete m_list->takeItem(s);
        // Deleted once the album file no longer lists it, so that Escape leaves both as they were.
        m_pending.removed(RecordPathString(m_records.at(slot)));
    }
    if (m_list->count() > 0) {
        selectItem(std::max(s - 1, 0));
        m_list->setFocus();
    } else {
        m_panel->clear();
        ShowSelectedPicture();
    }
    UpdateControls();
}

void CAlbumDlg::OnRenamePhoto()
{
    const int s = selectionOrExplain(QStringLiteral("Rename Photo"));
    if (s < 0)
        return;
    const QString old = m_list->item(s)->text();
    CNameDlg prompt(this);
    prompt.m_title = QStringLiteral("Rename Photo");
    prompt.m_name = old;
    prompt.m_prompt = QStringLiteral("Enter the new name for the photo called '") + old
                      + QStringLiteral("'.");
    if (prompt.exec() == QDialog::Accepted) {
        const int slot = m_list->item(s)->data(Qt::UserRole).toInt();
        // The prompt only lets through names that fit the record.
        if (m_records.rename(slot, prompt.m_name))
            m_list->item(s)->setText(prompt.m_name);
    }
    m_list->setFocus();
}

void CAlbumDlg::OnMoveUp()
{
    moveSelection(-1);
}

void CAlbumDlg::OnMoveDown()
{
    moveSelection(1);
}

void CAlbumDlg::moveSelection(int step)
{
    const int s = selection();
    if (s < 0)
        return;
    const int t = s + step;
    if (t >= 0 && t < m_list->count()) {
        QListWidgetItem *item = m_list->takeItem(s);
        m_list->insertItem(t, item);
        selectItem(t);
    }
    m_list->setFocus();
    UpdateControls();
}

void CAlbumDlg::OnHelp()
{
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void CAlbumDlg::OnAbout()
{
    CAboutDlg about;
    about.exec();
}

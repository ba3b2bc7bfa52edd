#include "sources/FileSource.h"

#include "album/Settings.h"
#include "sources/ImageFileFilter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

std::optional<QString> ChooseImageFile(QWidget *parent)
{
    Settings settings;
    QFileDialog chooser(parent);
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setOption(QFileDialog::HideNameFilterDetails);
    chooser.setNameFilters(ChooserNameFilters());
    const QString lastFolder = settings.lastImportDir();
    if (!lastFolder.isEmpty() && QDir(lastFolder).exists())
        chooser.setDirectory(lastFolder);
    if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty())
        return std::nullopt;
    const QString file = chooser.selectedFiles().constFirst();
    settings.setLastImportDir(QFileInfo(file).absolutePath());
    settings.sync();
    return file;
}

#include "cli/Commands.h"

#include "app/DataDirectory.h"
#include "app/Settings.h"
#include "cli/Arguments.h"
#include "cli/ImageRender.h"
#include "cli/OpenAlbum.h"
#include "cli/PhotoName.h"
#include "cli/ToolFailure.h"
#include "editor/PictureStore.h"

#include <QFile>
#include <QTextStream>

namespace {

// Renders the image into a new picture file and saves the album with it appended; on a
// failure the new picture file is removed again.
void addOne(AlbumSession &album, const QString &image, const QString &name,
            const RenderRequest &request)
{
    if (album.isFull())
        Fail(QStringLiteral("the album is full (%1 photos): %2 was not added")
                 .arg(kMaxRecords)
                 .arg(image));
    const HandheldPicture picture = RenderImageFile(image, request);
    const PictureSaveResult saved = SaveNewPicture(picture.picture, album.dataDir());
    if (saved.error != PictureSaveError::None)
        Fail(PictureSaveErrorText(saved, album.dataDir()));
    try {
        if (!album.append(name, saved.path, request.grayLevel))
            Fail(QStringLiteral("the album cannot hold the picture path %1").arg(saved.path));
        album.save();
    } catch (const ToolFailure &) {
        QFile::remove(saved.path);
        throw;
    }
}

} // namespace

void AddPhotos(const ParsedArguments &arguments, Console &console)
{
    const QStringList images = arguments.positionals.mid(1);
    const RenderRequest request = ParseRenderRequest(arguments, Settings());
    const bool named = arguments.has("name");
    if (named)
        RequirePhotoName(arguments.value("name"));

    AlbumSession album = OpenAlbum(arguments, console.err);
    if (!DataDirectoryFitsRecords(album.dataDir()))
        Fail(QStringLiteral("the data directory %1 is too long a path for the album's picture paths")
                 .arg(album.dataDir()));
    for (qsizetype i = 0; i < images.size(); ++i) {
        const QString &image = images[i];
        addOne(album, image, named ? arguments.value("name") : PhotoNameFromFile(image), request);
        if (images.size() > 1) {
            console.err << QStringLiteral("vellumo-album: %1/%2 %3 added as %4")
                               .arg(i + 1)
                               .arg(images.size())
                               .arg(image, RecordPathString(album.at(album.count() - 1)))
                        << Qt::endl;
        }
    }
}

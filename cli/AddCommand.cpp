#include "cli/Commands.h"

#include "album/DataDirectory.h"
#include "album/Settings.h"
#include "cli/Arguments.h"
#include "cli/OpenAlbum.h"
#include "cli/ParallelRenders.h"
#include "cli/PhotoName.h"
#include "cli/ToolFailure.h"
#include "album/PictureStore.h"

#include <QFile>
#include <QTextStream>
#include <QThread>

#include <algorithm>

namespace {

QString fullAlbum()
{
    return QStringLiteral("the album is full (%1 photos)").arg(kMaxRecords);
}

// Saves the picture as a new picture file and the album with it appended; on a failure the
// new picture file is removed again.
void addOne(AlbumSession &album, const HandheldPicture &picture, const QString &name,
            const RenderRequest &request)
{
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
    if (images.size() == 1 && album.isFull())
        Fail(QStringLiteral("%1: %2 was not added").arg(fullAlbum(), images.first()));

    // The images are rendered on every core the tool may use; they are saved and appended in
    // the order given, so the album is the one a single core makes.
    ParallelRenders renders(images, request, std::max(1, QThread::idealThreadCount()));
    const auto report = [&](qsizetype i, const QString &outcome) {
        console.err << QStringLiteral("vellumo-album: %1/%2 %3 %4").arg(i + 1).arg(images.size()).arg(images[i], outcome)
                    << Qt::endl;
    };
    int notAdded = 0;
    for (qsizetype i = 0; i < images.size(); ++i) {
        if (album.isFull()) {
            // Each image that no longer fits is reported, as one that cannot be read is.
            report(i, QStringLiteral("was not added: %1").arg(fullAlbum()));
            ++notAdded;
            continue;
        }
        HandheldPicture picture;
        try {
            picture = renders.take(i);
        } catch (const ToolFailure &failure) {
            if (images.size() == 1)
                throw;
            // An image that cannot be read is reported; the others are still added.
            report(i, QStringLiteral("was not added: %1").arg(failure.message));
            ++notAdded;
            continue;
        }
        addOne(album, picture, named ? arguments.value("name") : PhotoNameFromFile(images[i]), request);
        if (images.size() > 1)
            report(i, QStringLiteral("added as %1").arg(RecordPathString(album.at(album.count() - 1))));
    }
    if (notAdded > 0)
        Fail(QStringLiteral("%1 of %2 images were not added").arg(notAdded).arg(images.size()));
}

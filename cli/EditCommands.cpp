#include "cli/Commands.h"

#include "album/PathExists.h"
#include "cli/Arguments.h"
#include "cli/OpenAlbum.h"
#include "cli/OptionValues.h"
#include "cli/PhotoName.h"
#include "cli/ToolFailure.h"
#include "album/PictureStore.h"

#include <QTextStream>

namespace {

// The 0-based index of a 1-based position that the album holds.
int indexIn(const AlbumSession &album, int position)
{
    if (position > album.count())
        Fail(QStringLiteral("there is no photo at position %1: the album holds %2")
                 .arg(position)
                 .arg(album.count()));
    return position - 1;
}

} // namespace

void RemovePhoto(const ParsedArguments &arguments, Console &console)
{
    const int position = ParsePosition(arguments.positionals.at(1));
    AlbumSession album = OpenAlbum(arguments, console.err);
    const int index = indexIn(album, position);
    const QString picture = RecordPathString(album.at(index));
    album.remove(index);
    // Saved first: a failed save leaves the album and its picture as they were.
    album.save();
    if (!RemovePictureFile(picture, album.dataDir()) && PathExists(picture)) {
        console.err << QStringLiteral("vellumo-album: the picture file %1 was left in place: it is "
                                      "not a picture file of the data directory, or it could not "
                                      "be deleted")
                           .arg(picture)
                    << Qt::endl;
    }
}

void RenamePhoto(const ParsedArguments &arguments, Console &console)
{
    const int position = ParsePosition(arguments.positionals.at(1));
    const QString &name = arguments.positionals.at(2);
    RequirePhotoName(name);
    AlbumSession album = OpenAlbum(arguments, console.err);
    if (!album.rename(indexIn(album, position), name))
        Fail(QStringLiteral("the name \"%1\" does not fit the album").arg(name));
    album.save();
}

void MovePhoto(const ParsedArguments &arguments, Console &console)
{
    const int position = ParsePosition(arguments.positionals.at(1));
    const QString &direction = arguments.positionals.at(2);
    if (direction != QLatin1String("up") && direction != QLatin1String("down"))
        FailUsage(QStringLiteral("move needs up or down, not \"%1\"").arg(direction));
    AlbumSession album = OpenAlbum(arguments, console.err);
    const int index = indexIn(album, position);
    const bool up = direction == QLatin1String("up");
    if (up ? index == 0 : index == album.count() - 1)
        Fail(QStringLiteral("the photo at position %1 is already the %2")
                 .arg(position)
                 .arg(up ? QStringLiteral("first") : QStringLiteral("last")));
    album.swap(index, up ? index - 1 : index + 1);
    album.save();
}

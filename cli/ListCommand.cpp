#include "cli/Commands.h"

#include "album/PathExists.h"
#include "cli/OpenAlbum.h"

#include <QStringList>
#include <QTextStream>

namespace {

QString grayDepthText(std::int32_t grayLevel)
{
    switch (grayLevel) {
    case Gray4:
        return QStringLiteral("4");
    case Gray16:
        return QStringLiteral("16");
    default:
        return QString::number(grayLevel);
    }
}

} // namespace

void ListPhotos(const ParsedArguments &arguments, Console &console)
{
    // Reads only, so it may run while the album window has the album open.
    const AlbumSession album = OpenAlbum(arguments, console.err, AlbumSession::Access::Read);
    for (int index = 0; index < album.count(); ++index) {
        const PhotoRecord &record = album.at(index);
        const QString picture = RecordPathString(record);
        QStringList fields = {QString::number(index + 1), RecordName(record),
                              grayDepthText(record.grayLevel), picture};
        if (!PathExists(picture))
            fields << QStringLiteral("missing");
        console.out << fields.join(QLatin1Char('\t')) << '\n';
    }
}

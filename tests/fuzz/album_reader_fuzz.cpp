// Any bytes as the album file, parsed in memory by the code that reads the file: it must load
// exactly the whole records that fit the table and count the rest, and what it loads must
// survive encoding and a second parse unchanged.
#include "album/AlbumFile.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const AlbumReadResult album = ParseAlbum(QByteArrayView(data, qsizetype(size)), qint64(size));
    const size_t whole = size < size_t(kHeaderSize) ? 0 : (size - kHeaderSize) / kRecordSize;
    if (!album.opened || album.records.size() != std::min(whole, size_t(kMaxRecords))
        || size_t(album.notLoaded) != whole - album.records.size())
        std::abort();

    const QByteArray saved = EncodeAlbum(album.records);
    if (size_t(saved.size()) != kHeaderSize + kRecordSize * album.records.size())
        std::abort();
    const AlbumReadResult again = ParseAlbum(saved, saved.size());
    if (again.records.size() != album.records.size() || again.notLoaded != 0)
        std::abort();
    for (size_t i = 0; i < album.records.size(); ++i)
        if (std::memcmp(&again.records[i], &album.records[i], sizeof(PhotoRecord)) != 0)
            std::abort();
    return 0;
}

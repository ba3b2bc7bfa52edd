// Any bytes as the album file: reading must not crash, and what it loads must survive a save
// and a second read unchanged.
#include "FuzzSupport.h"

#include "album/AlbumFile.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = fuzz::WorkDir() + "/Photos.dat";
    if (!fuzz::WriteInput(path, data, size))
        std::abort();
    const AlbumReadResult album = ReadAlbumFile(path);
    if (!album.opened || album.records.size() > size_t(kMaxRecords) || album.notLoaded < 0)
        std::abort();

    const QString copy = fuzz::WorkDir() + "/Copy.dat";
    if (!WriteAlbumFile(copy, album.records))
        std::abort();
    const AlbumReadResult again = ReadAlbumFile(copy);
    if (again.records.size() != album.records.size() || again.notLoaded != 0)
        std::abort();
    for (size_t i = 0; i < album.records.size(); ++i)
        if (std::memcmp(&again.records[i], &album.records[i], sizeof(PhotoRecord)) != 0)
            std::abort();
    return 0;
}

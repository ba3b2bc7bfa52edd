#pragma once

#include <QFile>
#include <QString>

#include <cstddef>

namespace imaging {

// A file's bytes mapped into memory for the decoders that read from a buffer: pages are read
// only as a decoder touches them, so a large file that is no picture costs nothing. Empty
// (data() null, size() 0) when the file cannot be opened or mapped.
class MappedFile {
public:
    explicit MappedFile(const QString &path);
    MappedFile(const MappedFile &) = delete;
    MappedFile &operator=(const MappedFile &) = delete;

    const uchar *data() const { return m_data; }
    size_t size() const { return m_data ? size_t(m_file.size()) : 0; }

private:
    QFile m_file;
    const uchar *m_data = nullptr;
};

} // namespace imaging

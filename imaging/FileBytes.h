#pragma once

#include <QFile>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace imaging {

// The whole contents of a file for decoding: mapped where the system allows it, which reads
// nothing until a decoder looks, else read into memory when it is at most kMaxFileBytes and
// memory allows. Empty when the file cannot be opened, is empty, or neither works.
class FileBytes {
public:
    explicit FileBytes(const QString &path);
    FileBytes(const FileBytes &) = delete;
    FileBytes &operator=(const FileBytes &) = delete;

    std::span<const uint8_t> bytes() const { return m_bytes; }

private:
    QFile m_file;
    std::vector<uint8_t> m_read;
    std::span<const uint8_t> m_bytes;
};

} // namespace imaging

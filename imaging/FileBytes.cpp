#include "imaging/FileBytes.h"

#include "imaging/Limits.h"

#include <new>

namespace imaging {

FileBytes::FileBytes(const QString &path)
    : m_file(path)
{
    if (!m_file.open(QIODevice::ReadOnly) || m_file.size() <= 0)
        return;
    const qint64 size = m_file.size();
    if (const uchar *mapped = m_file.map(0, size)) {
        m_bytes = {mapped, size_t(size)};
        return;
    }
    // Mapping fails under an address-space limit, among others; reading must not outgrow it.
    if (size > kMaxFileBytes)
        return;
    try {
        m_read.resize(size_t(size));
    } catch (const std::bad_alloc &) {
        return;
    }
    if (m_file.read(reinterpret_cast<char *>(m_read.data()), size) == size)
        m_bytes = m_read;
}

} // namespace imaging

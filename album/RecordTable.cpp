#include "album/RecordTable.h"

#include <QtGlobal>

#include <algorithm>

int RecordTable::append(const QString &name, const QString &path, std::int32_t grayLevel)
{
    if (isFull())
        return -1;
    PhotoRecord record{};
    if (!SetRecordName(record, name) || !SetRecordPath(record, path))
        return -1;
    record.grayLevel = grayLevel;
    m_records[static_cast<std::size_t>(m_recordCount)] = record;
    return m_recordCount++;
}

const PhotoRecord &RecordTable::at(int slot) const
{
    Q_ASSERT(slot >= 0 && slot < m_recordCount);
    return m_records[static_cast<std::size_t>(slot)];
}

bool RecordTable::rename(int slot, const QString &name)
{
    if (slot < 0 || slot >= m_recordCount)
        return false;
    return SetRecordName(m_records[static_cast<std::size_t>(slot)], name);
}

void RecordTable::reset()
{
    m_recordCount = 0;
}

void RecordTable::load(const std::vector<PhotoRecord> &records)
{
    const std::size_t kept = std::min(records.size(), m_records.size());
    std::copy_n(records.begin(), kept, m_records.begin());
    m_recordCount = static_cast<int>(kept);
}

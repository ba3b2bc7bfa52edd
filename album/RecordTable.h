#pragma once

#include "album/PhotoRecord.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

// The album's fixed table of kMaxRecords slots. A new record always takes the next
// unused slot; slots are not freed during a run, so a slot number stays valid for
// the window's list until reset() or load().
class RecordTable {
public:
    int count() const { return m_recordCount; }
    bool isFull() const { return m_recordCount >= kMaxRecords; }

    // The slot taken, or -1 (table unchanged) when full or the name or path does not fit.
    int append(const QString &name, const QString &path, std::int32_t grayLevel);
    // slot must be below count().
    const PhotoRecord &at(int slot) const;
    // False (record unchanged) for a slot not in use or a name that does not fit.
    bool rename(int slot, const QString &name);

    void reset();
    // Keeps the first kMaxRecords records, in order.
    void load(const std::vector<PhotoRecord> &records);

private:
    std::array<PhotoRecord, kMaxRecords> m_records{};
    int m_recordCount = 0;
};

#pragma once

#include <QString>

// A fresh folder under the system temporary folder, removed with its contents on destruction.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const QString &path() const { return m_path; }
    QString file(const QString &name) const;

private:
    QString m_path;
};

#pragma once

#include <QDir>
#include <QString>

#include <cstdlib>
#include <stdexcept>

// A fresh folder under the temporary folder, removed with its contents on destruction.
class TempDir {
public:
    TempDir()
    {
        QByteArray pattern = QFile::encodeName(QDir::tempPath()) + "/vellumo-test-XXXXXX";
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = QFile::decodeName(pattern);
    }
    ~TempDir() { QDir(m_path).removeRecursively(); }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    const QString &path() const { return m_path; }
    QString file(const QString &name) const { return m_path + '/' + name; }

private:
    QString m_path;
};

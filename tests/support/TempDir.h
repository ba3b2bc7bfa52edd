#pragma once

#include <QTemporaryDir>

#include <stdexcept>

// A fresh folder under the temporary folder, removed with its contents on destruction.
class TempDir : public QTemporaryDir {
public:
    TempDir()
    {
        if (!isValid())
            throw std::runtime_error("cannot make a temporary folder");
    }
    QString file(const QString &name) const { return filePath(name); }
};

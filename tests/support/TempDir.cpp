#include "support/TempDir.h"

#include <QDir>

#include <cstdlib>
#include <stdexcept>
#include <string>

TempDir::TempDir()
{
    std::string pattern = QDir::tempPath().toStdString() + "/vellumo-test-XXXXXX";
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    m_path = QString::fromStdString(pattern);
}

TempDir::~TempDir()
{
    QDir(m_path).removeRecursively();
}

QString TempDir::file(const QString &name) const
{
    return m_path + '/' + name;
}

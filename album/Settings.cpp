#include "album/Settings.h"

namespace {
const QString kDataDir = QStringLiteral("Directories/DataDir");
const QString kGrayLevel = QStringLiteral("Parameters/Gray Level");
const QString kContrast = QStringLiteral("Parameters/Contrast");
const QString kLastImport = QStringLiteral("Directories/Last Import");
const QString kScanner = QStringLiteral("Parameters/Scanner");
} // namespace

Settings::Settings()
    : m_store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quillmere"),
              QStringLiteral("Vellumo"))
{
}

QString Settings::dataDir() const
{
    return m_store.value(kDataDir).toString();
}

void Settings::setDataDir(const QString &dir)
{
    m_store.setValue(kDataDir, dir);
}

int Settings::grayLevel() const
{
    return readInt(kGrayLevel, 1);
}

void Settings::setGrayLevel(int level)
{
    m_store.setValue(kGrayLevel, level);
}

int Settings::contrast() const
{
    return readInt(kContrast, 0);
}

void Settings::setContrast(int contrast)
{
    m_store.setValue(kContrast, contrast);
}

QString Settings::lastImportDir() const
{
    return m_store.value(kLastImport).toString();
}

void Settings::setLastImportDir(const QString &dir)
{
    m_store.setValue(kLastImport, dir);
}

QString Settings::scanner() const
{
    return m_store.value(kScanner).toString();
}

void Settings::setScanner(const QString &deviceName)
{
    m_store.setValue(kScanner, deviceName);
}

bool Settings::sync()
{
    m_store.sync();
    return m_store.status() == QSettings::NoError;
}

int Settings::readInt(const QString &key, int fallback) const
{
    bool ok = false;
    const int value = m_store.value(key).toInt(&ok);
    return ok ? value : fallback;
}

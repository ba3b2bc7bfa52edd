#pragma once

#include <QSettings>
#include <QString>

// The per-user settings: "Directories/DataDir", "Directories/Last Import",
// "Parameters/Gray Level", "Parameters/Contrast", "Parameters/Scanner".
class Settings {
public:
    Settings();

    QString dataDir() const;                 // empty when absent
    void setDataDir(const QString &dir);
    int grayLevel() const;                   // 1 when absent or not a number
    void setGrayLevel(int level);
    int contrast() const;                    // 0 when absent or not a number
    void setContrast(int contrast);
    QString lastImportDir() const;           // the folder of the last image file added
    void setLastImportDir(const QString &dir);
    QString scanner() const;                 // the SANE device name last chosen; empty when none
    void setScanner(const QString &deviceName);

    // False when the settings file could not be written.
    bool sync();

private:
    int readInt(const QString &key, int fallback) const;

    QSettings m_store;
};

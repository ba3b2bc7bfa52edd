#pragma once

#include "support/TempDir.h"

#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>

struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

// Runs the built vellumo-album with its own settings and data folders, so that neither the
// real user's nor the test process's are touched.
class AlbumToolHome {
public:
    AlbumToolHome();

    ToolRun run(const QStringList &arguments) const;
    // The settings file the tool reads, for the test to fill in or inspect.
    std::unique_ptr<QSettings> settings() const;
    QString settingsFile() const;
    // Where the tool puts the data directory when the settings name none.
    QString defaultDataDir() const;

private:
    TempDir m_home;
};

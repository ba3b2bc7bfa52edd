#include "AlbumToolRun.h"

#include <QProcess>
#include <QProcessEnvironment>

AlbumToolHome::AlbumToolHome() = default;

ToolRun AlbumToolHome::run(const QStringList &arguments) const
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_CONFIG_HOME", m_home.file("config"));
    environment.insert("XDG_DATA_HOME", m_home.file("data"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELLUMO_ALBUM_BIN), arguments);
    ToolRun result;
    if (!process.waitForFinished(180000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

std::unique_ptr<QSettings> AlbumToolHome::settings() const
{
    return std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat);
}

QString AlbumToolHome::settingsFile() const
{
    return m_home.file("config/Quillmere/Vellumo.conf");
}

QString AlbumToolHome::defaultDataDir() const
{
    return m_home.file("data/Quillmere/Vellumo");
}

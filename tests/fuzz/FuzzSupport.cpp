#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace fuzz {

void StartQt()
{
    if (QCoreApplication::instance())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "vellumo-fuzz";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

const QString &WorkDir()
{
    static const QString dir = [] {
        std::string pattern = QDir::tempPath().toStdString() + "/vellumo-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        // libFuzzer ends a timed run with exit(), so the folder goes with it. A plain array,
        // because this QString is destroyed before the handler runs.
        static char toRemove[4096];
        if (pattern.size() < sizeof toRemove) {
            std::memcpy(toRemove, pattern.c_str(), pattern.size() + 1);
            std::atexit([] {
                std::error_code ignored;
                std::filesystem::remove_all(toRemove, ignored);
            });
        }
        return QString::fromStdString(pattern);
    }();
    return dir;
}

bool WriteInput(const QString &path, const uint8_t *data, size_t size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(reinterpret_cast<const char *>(data), qint64(size)) == qint64(size);
}

} // namespace fuzz

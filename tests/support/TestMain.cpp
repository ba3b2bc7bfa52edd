// main() of every test executable. The environment is prepared before the first
// QSettings or QStandardPaths use, so tests never touch the real user's files.
#include <gtest/gtest.h>

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace {

std::string makeFolder(const char *pattern)
{
    std::string path = (std::filesystem::temp_directory_path() / pattern).string();
    if (!mkdtemp(path.data()))
        std::abort();
    chmod(path.c_str(), 0700);
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    // gtest_discover_tests runs the binary at build time, where no display may exist.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const std::string home = makeFolder("vellumo-home-XXXXXX");
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    setenv("XDG_DATA_HOME", (home + "/data").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", makeFolder("vellumo-run-XXXXXX").c_str(), 1);

    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Quillmere");
    QApplication::setApplicationName("Vellumo");
    const int result = RUN_ALL_TESTS();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return result;
}

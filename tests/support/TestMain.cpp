// main() of every test executable: settings, data, Qt's runtime folder and temporary files go
// to one private folder, removed when the run ends, even by exit() in a test.
#include <gtest/gtest.h>

#include <QApplication>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

static std::string g_root;
static pid_t g_owner = 0;

int main(int argc, char **argv)
{
    // gtest_discover_tests runs the binary at build time, where no display may exist.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Only SANE's test backend: the system's configuration probes the network for seconds.
    setenv("SANE_CONFIG_DIR", VELLUMO_SANE_CONFIG_DIR, 1);
    g_root = (std::filesystem::temp_directory_path() / "vellumo-run-XXXXXX").string();
    if (!mkdtemp(g_root.data()))
        std::abort();
    g_owner = getpid();
    std::atexit([] {
        std::error_code ignored;
        if (getpid() == g_owner)   // a forked child leaves the folder to its parent
            std::filesystem::remove_all(g_root, ignored);
    });
    for (const auto &[variable, folder] : {std::pair{"XDG_CONFIG_HOME", "/config"}, {"XDG_DATA_HOME", "/data"},
                                           {"XDG_RUNTIME_DIR", "/run"}, {"TMPDIR", "/tmp"}}) {
        mkdir((g_root + folder).c_str(), 0700);
        setenv(variable, (g_root + folder).c_str(), 1);
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Quillmere");
    QApplication::setApplicationName("Vellumo");
    return RUN_ALL_TESTS();
}

// The time from an image file to the picture editor shown with its picture and preview, as
// "Add Photo" opens it once the file is chosen, paired with djpeg decoding the same file in
// full: both in interleaved rounds, so that a change in the machine's load falls on both.
//
// Usage: vellumo_editor_open IMAGE [ROUNDS [WARMUP]]; prints one JSON object: the medians of
// both times and of each round's ratio, this process's peak memory, and its peak once a small
// frame has needed the full-size picture.
#include "windows/CropFrame.h"
#include "windows/PictureEditorDlg.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

struct Sample {
    double wallMs;
    double cpuMs;
};

double nowMs()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double cpuMs(const timeval &user, const timeval &system)
{
    return (user.tv_sec + system.tv_sec) * 1e3 + (user.tv_usec + system.tv_usec) / 1e3;
}

// From the file to the preview control showing its first render.
Sample openEditor(const QString &image)
{
    const double wall = nowMs();
    const double cpu = processCpuMs();
    CPictureEditorDlg editor;
    if (!editor.LoadSource(image)) {
        std::fprintf(stderr, "vellumo_editor_open: cannot read %s\n", qPrintable(image));
        std::exit(1);
    }
    editor.show();
    QApplication::processEvents();
    const Sample sample{nowMs() - wall, processCpuMs() - cpu};
    if (editor.findChild<QLabel *>(QString::number(EditorId::Preview))->pixmap().isNull()) {
        std::fprintf(stderr, "vellumo_editor_open: no preview\n");
        std::exit(1);
    }
    return sample;
}

Sample runDjpeg(const QString &image)
{
    const QByteArray path = QFile::encodeName(image);
    const char *argv[] = {"djpeg", "-outfile", "/dev/null", path.constData(), nullptr};
    const double wall = nowMs();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "djpeg", nullptr, nullptr, const_cast<char **>(argv), environ) != 0) {
        std::fprintf(stderr, "vellumo_editor_open: cannot run djpeg\n");
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double elapsed = nowMs() - wall;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "vellumo_editor_open: djpeg failed\n");
        std::exit(1);
    }
    return {elapsed, cpuMs(usage.ru_utime, usage.ru_stime)};
}

// The editor's peak memory once a small frame has needed the full-size picture, in MB.
double peakWithFullPicture(const QString &image)
{
    CPictureEditorDlg editor;
    editor.LoadSource(image);
    editor.show();
    const CropRect frame = editor.m_cropFrame->GetFrame();
    editor.RenderPreview({frame.left, frame.top, frame.left + 20, frame.top + 20});
    QDeadlineTimer deadline(60000);
    while (!editor.m_source.IsAllocated() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    return self.ru_maxrss / 1024.0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The editor reads its settings; keep them away from the user's.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmere"));
    QApplication::setApplicationName(QStringLiteral("Vellumo"));
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: vellumo_editor_open IMAGE [ROUNDS [WARMUP]]\n");
        return 2;
    }
    const QString image = arguments[1];
    const int rounds = arguments.size() > 2 ? arguments[2].toInt() : 15;
    const int warmup = arguments.size() > 3 ? arguments[3].toInt() : 2;

    std::vector<double> editorWall, editorCpu, djpegWall, djpegCpu, wallRatio, cpuRatio;
    for (int round = 0; round < warmup + rounds; ++round) {
        const Sample editor = openEditor(image);
        const Sample djpeg = runDjpeg(image);
        if (round < warmup)
            continue;
        editorWall.push_back(editor.wallMs);
        editorCpu.push_back(editor.cpuMs);
        djpegWall.push_back(djpeg.wallMs);
        djpegCpu.push_back(djpeg.cpuMs);
        wallRatio.push_back(editor.wallMs / djpeg.wallMs);
        cpuRatio.push_back(editor.cpuMs / djpeg.cpuMs);
    }
    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    const double peakOpen = self.ru_maxrss / 1024.0;
    std::printf("{\"editor_wall_ms\": %.2f, \"editor_cpu_ms\": %.2f, \"djpeg_wall_ms\": %.2f, "
                "\"djpeg_cpu_ms\": %.2f, \"wall_ratio\": %.3f, \"cpu_ratio\": %.3f, \"peak_mb\": %.1f, "
                "\"peak_with_full_picture_mb\": %.1f}\n",
                median(editorWall), median(editorCpu), median(djpegWall), median(djpegCpu), median(wallRatio),
                median(cpuRatio), peakOpen, peakWithFullPicture(image));
    return 0;
}

#include "imaging/CraftedFiles.h"
#include "imaging/TestImages.h"
#include "faults/ChildProcess.h"
#include "support/AlbumWindowFixture.h"

#include "album/AlbumLock.h"
#include "cli/ImageRender.h"
#include "render/JpegReduction.h"
#include "windows/PictureEditorDlg.h"
#include "imaging/FileBytes.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sched.h>

namespace imaging { extern const char *const kMagickLibraryName; }

namespace {

struct ToolRun { int status = -1; QString out, err; };

// The built vellumo-album run as a script runs it, with settings and data folders of its own
// (home), a data directory (data) and a folder of image files (files).
class AlbumTool : public testing::Test {
protected:
    ToolRun run(const QStringList &arguments, const QStringList &wrapper = {}) const // wrapper: runs the tool after its own arguments
    {
        QProcess tool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", m_home.file("config"));
        environment.insert("XDG_DATA_HOME", m_home.file("data"));
        tool.setProcessEnvironment(environment);
        const QStringList command = wrapper + QStringList{VELLUMO_ALBUM_BIN} + arguments;
        tool.start(command.first(), command.mid(1));
        if (!tool.waitForFinished(180000) || tool.exitStatus() != QProcess::NormalExit)
            return {};
        return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardOutput()), QString::fromUtf8(tool.readAllStandardError())};
    }
    // A command on the data directory that must succeed.
    ToolRun onData(const QStringList &arguments) const
    {
        const ToolRun done = run(QStringList{arguments.first(), "--data-dir", m_data.path()} + arguments.mid(1));
        EXPECT_EQ(done.status, 0) << arguments.join(' ').toStdString() << ": " << done.err.toStdString();
        return done;
    }
    QSettings settings() const { return {m_home.file("config/Quillmere/Vellumo.conf"), QSettings::IniFormat}; }
    QString image(const QString &name, QSize size, uint32_t seed = 1) const // a PNG in files
    {
        WriteBytes(m_files.file(name), testimg::encoded(testimg::photoLike(size.width(), size.height(), seed), "png"));
        return m_files.file(name);
    }
    void writeAlbum(const std::vector<PhotoRecord> &records) const { ASSERT_TRUE(WriteAlbumFile(AlbumFilePath(m_data.path()), records)); }

    TempDir m_home, m_data, m_files;
};

// A refusal says so in one line of its own, naming what it could not take.
void ExpectOneLine(const ToolRun &run, int status, const QString &named, const QStringList &arguments)
{
    EXPECT_TRUE(run.status == status && run.out.isEmpty() && run.err.count('\n') == 1 && run.err.startsWith("vellumo-album: ")
                && run.err.contains(named)) << arguments.join(' ').toStdString() << ": " << run.status << " " << run.err.toStdString();
}

} // namespace

TEST_F(AlbumTool, OptionsAreTakenToBothEndsOfTheirRangesAndWrongUsageTouchesNothing)
{
    const auto render = [&](QStringList options) { return QStringList{"render"} << options << "a.png" << m_files.file("o.bmp"); };
    // Accepted values get as far as the missing image (1); anything else is wrong usage (2).
    const struct { QStringList arguments; int status; QString named; } rows[] = {
        {render({"--contrast", "-1000"}), 1, "a.png"}, {render({"--contrast", "1000"}), 1, "a.png"},
        {render({"--contrast", "-1001"}), 2, "--contrast"}, {render({"--contrast", "1001"}), 2, "--contrast"},
        {render({"--contrast", "high"}), 2, "--contrast"}, {render({"--gray", "4"}), 1, "a.png"}, {render({"--gray", "16"}), 1, "a.png"},
        {render({"--gray", "8"}), 2, "--gray"}, {render({"--view", "11x11"}), 1, "a.png"}, {render({"--view", "10x300"}), 2, "--view"},
        {render({"--view", "300x10"}), 2, "--view"}, {render({"--view=236"}), 2, "--view"}, {render({"--frame", "5,5,6,6"}), 1, "a.png"},
        {render({"--frame", "5,5,5,9"}), 2, "--frame"}, {render({"--frame", "5,5,9,5"}), 2, "--frame"},
        {render({"--frame", "1,2,3"}), 2, "--frame"}, {render({"--crop", "0,0,1,1"}), 1, "a.png"},
        {render({"--crop", "-1,0,5,5"}), 2, "--crop"}, {render({"--crop", "0,-1,5,5"}), 2, "--crop"},
        {render({"--crop", "0,0,0,5"}), 2, "--crop"}, {render({"--crop", "0,0,5,0"}), 2, "--crop"},
        {render({"--crop", "1,0,2147483647,1"}), 2, "--crop"}, {render({"--frame", "1,1,9,9", "--crop", "0,0,5,5"}), 2, "--frame"},
        {render({"--view", "300x300", "--crop", "0,0,5,5"}), 2, "--view"}, {render({"--data-dir", m_data.path()}), 2, "--data-dir"},
        {render({"--full-decode=yes"}), 2, "--full-decode"}, {{"remove", "--data-dir", m_data.path(), "1"}, 1, "position 1"},
        {{"remove", "0"}, 2, "0"}, {{"remove", "first"}, 2, "first"}, {{"move", "1", "sideways"}, 2, "sideways"},
        {{}, 2, "no command"}, {{"frobnicate"}, 2, "frobnicate"}, {{"list", "--bogus"}, 2, "--bogus"}, {{"list", "-x"}, 2, "-x"},
        {{"list", "extra"}, 2, "vellumo-album list"}, {{"render", "a.png"}, 2, "IMAGE OUT.bmp"}, {{"remove"}, 2, "remove POS"},
        {{"rename", "1"}, 2, "rename POS NAME"}, {{"add", "a.png", "--name"}, 2, "--name"},
        {{"add", "--gray", "4", "--gray", "16", "a.png"}, 2, "--gray"}, {{"list", "--data-dir="}, 2, "--data-dir"},
        {render({"--crop", "0,1,5,2147483647"}), 2, "--crop"}, {{"render", "--", "-a.png", "--gray"}, 1, "-a.png"}, // options end at --
    };
    for (const auto &r : rows)
        ExpectOneLine(run(r.arguments), r.status, r.named, r.arguments);
    EXPECT_EQ(EntryNames(m_home.path()) + EntryNames(m_data.path()) + EntryNames(m_files.path()), QStringList());
    EXPECT_TRUE(run({"render", "-h"}).out.contains("\n  rename ") && run({"--help"}).out.contains(" --full-decode "));
    EXPECT_TRUE(run({"--version"}).out.startsWith("vellumo-album 1."));
}

// One writer: while another process holds the album (held) changes are refused, list reads; a killed holder holds nothing.
TEST_F(AlbumTool, FailuresAndChangesToAHeldAlbumExitWithOneNamingTheCauseAndChangeNothing)
{
    writeAlbum(NumberedRecords(2));
    const QString photo = image("photo.png", {300, 200}), garbage = m_files.file("garbage.jpg"), cutOff = m_files.file("cut.jpg"),
                  plain = m_files.file("plain.txt"), out = m_files.file("out.bmp"), blocked = m_home.file("blocked"), data = m_data.path();
    WriteBytes(cutOff, testimg::encoded(testimg::photoLike(1600, 1200, 14), "jpg").left(200000));
    WriteBytes(garbage, "\xFF\xD8\xFF\xE0 not really a JPEG");
    // Damaged JPEGs: cut in the header; a second scan naming a component there is none of; APP1 past the end; 65535 by 65535.
    const QString header = m_files.file("header.jpg"), scan = m_files.file("scan.jpg"), app1 = m_files.file("app1.jpg"), huge = m_files.file("huge.jpg");
    const QByteArray small = testimg::encoded(testimg::photoLike(64, 48, 15), "jpg");
    ASSERT_EQ(QProcess::execute("convert", {photo, "-interlace", "JPEG", scan}), 0);
    QByteArray progressive = ReadBytes(scan);
    WriteBytes(scan, progressive.replace(progressive.indexOf("\xFF\xDA", progressive.indexOf("\xFF\xDA") + 2) + 5, 1, "\x77"));
    WriteBytes(header, small.left(100));
    WriteBytes(app1, small.left(2) + "\xFF\xE1\xFF\xF0" "Exif" + small.mid(2));
    WriteBytes(huge, QByteArray(small).replace(small.indexOf("\xFF\xC0") + 5, 4, "\xFF\xFF\xFF\xFF"));
    ASSERT_TRUE(QDir().mkpath(blocked + "/Photos.dat"));
    // Data folders: a path too long for the records; every picture name taken.
    const QString longDir = m_home.file(QString(240, 'd')), full = m_home.file("full");
    ASSERT_TRUE(QDir().mkpath(longDir) && QDir().mkpath(full));
    for (int i = 0; i < 10000; ++i)
        WriteBytes(full + QString("/p%1.bmp").arg(i), {});
    const QString held = AlbumFilePath(data) + " is open in Vellumo Album Creator";
    const struct { QStringList arguments; QString named; bool held = false; } rows[] = {
        {{"add", "--data-dir", data, photo}, held, true}, {{"remove", "--data-dir", data, "1"}, held, true},
        {{"rename", "--data-dir", data, "1", "x"}, held, true}, {{"move", "--data-dir", data, "1", "down"}, held, true},
        {{"render", garbage, out}, garbage}, {{"render", cutOff, out}, cutOff}, {{"render", photo, plain + "/o.bmp"}, plain + "/o.bmp"},
        {{"render", m_files.file("missing.png"), out}, m_files.file("missing.png")}, {{"render", header, out}, header},
        {{"render", scan, out}, scan}, {{"render", app1, out}, app1}, {{"render", huge, out}, huge},
        {{"render", "--frame", "4,40,200,190", photo, out}, "--frame"}, {{"render", "--crop", "100,0,201,200", photo, out}, "--crop"},
        {{"render", "--view", "100x100", "--frame", "5,20,96,80", photo, out}, "--frame"},
        {{"add", "--data-dir", data, cutOff}, cutOff}, {{"add", "--data-dir", data, "--name", "Sixteen chars!!!", photo}, "Sixteen chars!!!"},
        {{"add", "--data-dir", data, "--name", "日本", photo}, "日本"}, {{"add", "--data-dir", plain, photo}, plain},
        {{"add", "--data-dir", m_files.file("nowhere"), photo}, m_files.file("nowhere")}, {{"list", "--data-dir", plain + "/sub"}, plain + "/sub"},
        {{"add", "--data-dir", blocked, photo}, blocked + "/Photos.dat"}, {{"list", "--data-dir", blocked}, "Photos.dat cannot be read: Is a directory"},
        {{"remove", "--data-dir", data, "3"}, "3"}, // the new picture is removed again
        {{"rename", "--data-dir", data, "3", "x"}, "3"}, {{"rename", "--data-dir", data, "1", "Tab\there"}, "Tab\there"},
        {{"move", "--data-dir", data, "1", "up"}, "1"}, {{"move", "--data-dir", data, "2", "down"}, "2"},
        {{"list", "--data-dir", photo}, photo + " is not a folder"}, {{"add", "--data-dir", longDir, photo}, longDir + " is too long a path"},
        {{"add", "--data-dir", full, photo}, "p9999.bmp are taken in " + full},
    };
    const QByteArray album = ReadBytes(AlbumFilePath(data));
    const QStringList files = EntryNames(m_files.path()) + EntryNames(blocked);
    for (const auto &r : rows) {
        const std::optional<AlbumLock> window = r.held ? std::optional<AlbumLock>(std::in_place, data) : std::nullopt;
        ExpectOneLine(run(r.arguments), 1, r.named, r.arguments);
        EXPECT_EQ(ReadBytes(AlbumFilePath(data)), album);
        EXPECT_EQ(EntryNames(data) + EntryNames(m_files.path()) + EntryNames(blocked), QStringList{"Photos.dat"} + files);
    }
    std::optional<AlbumLock> window(std::in_place, data);
    EXPECT_EQ(onData({"list"}).out.count('\n'), 2);
    window.reset();
    EXPECT_EQ(RunInChild([&] { AlbumLock holder(data); return holder.heldElsewhere() ? 1 : raise(SIGKILL); }), -1);
    onData({"remove", "1"});
    EXPECT_EQ(NamesInFile(data), QStringList({"n1"}));
}

// Older formats are read by ImageMagick's library: missing (/dev/null in its place) or without its functions (zlib), the read error.
TEST_F(AlbumTool, AnOlderFormatGivesTheReadErrorWithoutImageMagicksLibrary)
{
    if (QProcess::execute("unshare", {"-m", "true"}) != 0)
        GTEST_SKIP() << "no mount namespace to hide the library in";
    const auto located = [](const char *library, const char *function) { Dl_info where{}; dladdr(dlsym(dlopen(library, RTLD_NOW), function), &where); return QString(where.dli_fname); };
    const QString pcx = m_files.file("old.pcx"), out = m_files.file("out.bmp"), magick = located(imaging::kMagickLibraryName, "MagickCoreGenesis");
    ASSERT_EQ(QProcess::execute("convert", {image("new.png", {40, 30}), pcx}), 0);
    ASSERT_EQ(run({"render", pcx, out}).status, 0) << "read while the library is there";
    for (const QString &standIn : {QString("/dev/null"), located("libz.so.1", "zlibVersion")}) {
        const QStringList hidden = {"unshare", "-m", "sh", "-c", R"(mount --bind "$1" "$2" && shift 2 && exec "$@")", "sh", standIn, magick};
        ExpectOneLine(run({"render", pcx, out}, hidden), 1, pcx, {standIn});
    }
}

TEST_F(AlbumTool, ListPrintsEveryPhotoOfTheDataDirectoryOrOfTheAlbumCreatorsFolder)
{
    EXPECT_EQ(onData({"list"}).out, "") << "no album file";
    const QString present = image("p0.png", {10, 10});
    writeAlbum({MakeRecord("Café", present, Gray4), MakeRecord("€ 5 Straße", "/nowhere/p1.bmp", Gray16), MakeRecord("Zoë Ÿ", present, 7)});
    EXPECT_EQ(onData({"list"}).out, QString("1\tCafé\t4\t%1\n2\t€ 5 Straße\t16\t/nowhere/p1.bmp\tmissing\n3\tZoë Ÿ\t7\t%1\n").arg(present));
    settings().setValue("Directories/DataDir", m_data.path()); // the album window's setting, without --data-dir
    EXPECT_EQ(run({"list"}).out.count('\n'), 3);
    settings().setValue("Directories/DataDir", m_files.file("unplugged")); // a drive not connected: the default album, and why
    const ToolRun fallback = run({"list"});
    EXPECT_TRUE(fallback.err.startsWith("vellumo-album: warning: The data folder " + m_files.file("unplugged") + " was not found")) << fallback.err.toStdString();

    writeAlbum(NumberedRecords(kMaxRecords + 3)); // the first hundred; the file kept as found before the next save
    const QByteArray asFound = ReadBytes(AlbumFilePath(m_data.path()));
    const ToolRun overfull = onData({"list"});
    EXPECT_TRUE(overfull.out.count('\n') == 100 && overfull.err.contains("3 more photos")) << overfull.err.toStdString();
    onData({"move", "1", "down"});
    EXPECT_EQ(ReadBytes(AlbumFilePath(m_data.path()) + ".bak"), asFound);
    EXPECT_EQ(NamesInFile(m_data.path()).mid(0, 2) << QString::number(NamesInFile(m_data.path()).size()), QStringList({"n1", "n0", "100"}));
}

TEST_F(AlbumTool, AddAppendsTheEditorsPictureNamedAfterTheFileUntilTheAlbumIsFull)
{
    writeAlbum(NumberedRecords(kMaxRecords - 3));
    const QString summer = image("Sommer Straße am Meer.png", {300, 200}), night = image("日本\tnight.jpeg.png", {120, 260}, 2);
    settings().setValue("Parameters/Gray Level", 7); // kept as stored, rendered in 16 grays as by the editor
    settings().setValue("Parameters/Contrast", 400);
    EXPECT_EQ(onData({"add", "--name", "Hütte", "--gray", "4", "--contrast", "-300", "--frame", "40,50,190,180", summer}).err, "");
    const ToolRun three = run({"add", "--data-dir", m_data.path(), summer, night, summer}); // the album is full after two
    EXPECT_TRUE(three.status == 1 && three.err.contains("1/3 " + summer + " added") && three.err.contains("2/3 " + night + " added") && three.err
                .endsWith("3/3 " + summer + " was not added: the album is full (100 photos)\nvellumo-album: 1 of 3 images were not added\n")) << three.err.toStdString();
    EXPECT_EQ(onData({"list"}).out.section('\n', -4), QString("98\tHütte\t4\t%1\n99\tSommer Straße a\t7\t%2\n100\tnight.jpeg\t7\t%3\n")
                                                        .arg(m_data.file("p0.bmp"), m_data.file("p1.bmp"), m_data.file("p2.bmp")));
    const std::pair<const char *, QStringList> pictures[] = {{"p1.bmp", {"--contrast", "400", "--gray", "16"}},
                                                             {"p0.bmp", {"--contrast", "-300", "--gray", "4", "--frame", "40,50,190,180"}}};
    for (const auto &[picture, options] : pictures) {
        ASSERT_EQ(run(QStringList{"render"} << options << summer << m_files.file("r.bmp")).status, 0);
        EXPECT_EQ(ReadBytes(m_data.file(picture)), ReadBytes(m_files.file("r.bmp"))) << picture;
    }
    ExpectOneLine(run({"add", "--data-dir", m_data.path(), summer}), 1, "full", {"add to a full album"});
    EXPECT_EQ(EntryNames(m_data.path()), QStringList({"Photos.dat", "p0.bmp", "p1.bmp", "p2.bmp"}));
}

TEST_F(AlbumTool, RemoveRenameAndMoveChangeTheAlbumAsTheWindowDoes)
{
    for (const char *name : {"p0.bmp", "p1.bmp", "p7.bmp", "p07.bmp"})
        WriteBytes(m_data.file(name), name);
    // Not the album's own pictures: in another folder, a link to it, a folder, a name the album does not give.
    const QStringList foreign = {image("p3.bmp", {1, 1}), m_data.file("p5.bmp"), m_data.file("p4.bmp"), m_data.file("p07.bmp")};
    ASSERT_TRUE(QFile::link(foreign[0], foreign[1]) && QDir().mkdir(foreign[2]));
    std::vector<PhotoRecord> records = {MakeRecord("zero", m_data.file("p0.bmp"), 1), MakeRecord("seven", m_data.file("p7.bmp"), 2), MakeRecord("gone", m_data.file("p9.bmp"), 1)};
    for (const QString &path : foreign)
        records.insert(records.end() - 2, MakeRecord("foreign", path, 1));
    writeAlbum(records);
    for (const QString &path : foreign)
        EXPECT_TRUE(onData({"remove", "2"}).err.contains(path) && QFileInfo(path).isReadable()) << "not the album's: left, and said so: " << qPrintable(path);
    EXPECT_EQ(onData({"remove", "2"}).err + onData({"remove", "2"}).err, "") << "a missing picture is no reason to keep the photo";
    EXPECT_EQ(EntryNames(m_data.path()), QStringList({"Photos.dat", "p0.bmp", "p07.bmp", "p1.bmp", "p4.bmp", "p5.bmp"}));
    EXPECT_EQ(NamesInFile(m_data.path()), QStringList{"zero"});
    WriteBytes(AlbumFilePath(m_data.path()), EncodeAlbum(NumberedRecords(3, m_data.path())) + "cut"); // a partial record, kept as found
    const std::pair<QStringList, QStringList> edits[] = {
        {{"rename", "2", "Größe €15 ÿ"}, {"n0", "Größe €15 ÿ", "n2"}}, {{"rename", "3", "Fifteen chars.."}, {"n0", "Größe €15 ÿ", "Fifteen chars.."}},
        {{"move", "1", "down"}, {"Größe €15 ÿ", "n0", "Fifteen chars.."}}, {{"move", "3", "up"}, {"Größe €15 ÿ", "Fifteen chars..", "n0"}},
    };
    for (const auto &[arguments, expected] : edits) {
        onData(arguments);
        EXPECT_EQ(NamesInFile(m_data.path()), expected) << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(RecordPath(ReadAlbumFile(AlbumFilePath(m_data.path())).records[0]), QFile::encodeName(m_data.file("p1.bmp")))
        << "a record moves with its picture";
    EXPECT_EQ(ReadBytes(AlbumFilePath(m_data.path()) + ".bak"), EncodeAlbum(NumberedRecords(3, m_data.path())) + "cut");
}

TEST_F(AlbumTool, AddOfSeveralImagesOnEveryCoreGivesTheAlbumOfOneCore)
{
    // The first takes longest, so on more than one core the next ones are rendered before it.
    const QStringList files = {image("large.png", {2400, 1800}, 31), image("small1.png", {40, 30}, 32),
                               m_files.file("damaged.jpg"), image("small2.png", {30, 40}, 33)};
    WriteBytes(files[2], "\xFF\xD8\xFF\xE0 not really a JPEG");
    cpu_set_t every;
    ASSERT_EQ(sched_getaffinity(0, sizeof every, &every), 0);
    QMap<QString, QByteArray> albums[2];
    for (const bool oneCore : {true, false}) {
        SCOPED_TRACE(oneCore ? "one core" : "every core");
        ASSERT_TRUE(QDir(m_data.path()).removeRecursively() && QDir().mkpath(m_data.path()));
        cpu_set_t cores = every; // the tool inherits this process's cores
        for (int core = CPU_SETSIZE - 1; oneCore && CPU_COUNT(&cores) > 1; --core)
            CPU_CLR(core, &cores);
        ASSERT_EQ(sched_setaffinity(0, sizeof cores, &cores), 0);
        const ToolRun done = run(QStringList{"add", "--data-dir", m_data.path(), "--gray", "16"} + files);
        ASSERT_EQ(sched_setaffinity(0, sizeof every, &every), 0);
        EXPECT_TRUE(done.status == 1 && done.err.contains("vellumo-album: 3/4 " + files[2] + " was not added: ")
                    && done.err.endsWith("\nvellumo-album: 1 of 4 images were not added\n")) << done.err.toStdString();
        EXPECT_EQ(NamesInFile(m_data.path()), QStringList({"large", "small1", "small2"}));
        for (const QString &name : EntryNames(m_data.path()))
            albums[oneCore][name] = ReadBytes(m_data.file(name));
    }
    EXPECT_EQ(albums[0].keys(), QStringList({"Photos.dat", "p0.bmp", "p1.bmp", "p2.bmp"}));
    EXPECT_EQ(albums[0], albums[1]);
}

TEST(ReducedJpeg, AFrameKeepingTwiceTheDetailAtTheEditorsReductionIsRenderedFromItElseFromTheFullDecode)
{
    // Opened in the editor at 1/8 or 1/2 (1000 by 700; 4002 by 6000 turned: only 1/2 of 4002 is whole); 6: turned, 2: mirrored.
    const imaging::JpegInfo wide{{6000, 4000}}, turned{{4000, 6000}, 6}, half{{1000, 700}};
    const struct { const char *why; imaging::JpegInfo info; CropRect s; int denominator; CropRect reduced; int slack; } rows[] = {
        // The editor's view, 226 across at most, needs 452 at the reduction, its initial frame 2560 across at 1/8:
        {"frame 2567x2566 at 1/8", {{4000, 2567}}, {0, 0, 2567, 2567}, 8, {0, 0, 320, 320}, 0}, {"2549x2548 opens at 1/4", {{4000, 2566}}, {0, 0, 2566, 2566}, 4, {0, 0, 641, 641}, 0},
        {"3616 / 8 = 452", {{3616, 2600}}, {0, 0, 2600, 2600}, 8, {0, 0, 325, 325}, 0}, {"3615 / 8 = 451: 1/4", {{3615, 2600}}, {0, 0, 2600, 2600}, 4, {0, 0, 650, 650}, 0},
        // The editor's initial frame of 6000 by 4000 spans 3983 by 3982; its edges may move by two.
        {"an eighth", wide, {1008, 0, 4991, 3982}, 8, {126, 0, 624, 498}, 2}, {"2560 pixels leave 320 at 1/8", wide, {0, 0, 2560, 2560}, 8, {0, 0, 320, 320}, 0},
        {"2559: the full decode, never a weaker reduction", wide, {0, 0, 2559, 2559}, 0, {}, 0},
        {"640 pixels leave 320 at half size", half, {100, 0, 740, 640}, 2, {50, 0, 370, 320}, 0}, {"639 pixels: none", half, {100, 0, 739, 639}, 0, {}, 0},
        {"the last partial squares are left out", {{6028, 3391}}, {1318, 0, 4709, 3391}, 8, {165, 0, 588, 423}, 0},
        {"turned: in its stored orientation", turned, {0, 0, 6000, 4000}, 8, {0, 0, 750, 500}, 0}, {"turned: only by whole fractions", {{4002, 6000}, 6}, {0, 0, 6000, 4002}, 2, {0, 0, 3000, 2001}, 0},
        {"mirrored, not whole: none", {{4001, 6000}, 2}, {0, 0, 4001, 6000}, 0, {}, 0}, {"opened whole: none", {{640, 480}}, {0, 0, 640, 480}, 0, {}, 0},
    };
    for (const auto &r : rows) {
        const JpegReduction reduction = ChooseJpegReduction(r.info, r.s, {236, 236}).value_or(JpegReduction{0, {}});
        const CropRect &got = reduction.sourceRect, &want = r.reduced;
        EXPECT_EQ(reduction.denominator, r.denominator) << r.why;
        EXPECT_LE(std::abs(got.left - want.left) + std::abs(got.top - want.top) + std::abs(got.right - want.right)
                      + std::abs(got.bottom - want.bottom), r.slack) << r.why;
        EXPECT_TRUE(!r.denominator || FitIntoHandheld(got) == FitIntoHandheld(r.s)) << r.why << ": the full decode's fitted size";
    }
}

// Where the stored picture's top-left corner shows by the EXIF definition (ImageMagick's
// -auto-orient puts it there too); codes 5 to 8 turn the picture.
TEST(ReducedJpeg, EachExifOrientationShowsTheMarkedCornerWhereItsDefinitionPutsIt)
{
    TempDir dir;
    const QString path = dir.file("marked.jpg");
    const QByteArray marked = testimg::encoded(testimg::gray(1024, 768, [](int x, int y) { return x < 256 && y < 192 ? 255 : 0; }), "jpg");
    const char *const corner[] = {"", "top left", "top right", "bottom right", "bottom left", "top left", "top right", "bottom right", "bottom left"};
    const auto markIn = [](const QImage &image, QRect area) { // the bright ones of four points an eighth in from the corners
        std::string bright;
        for (const auto &[name, x, y] : {std::tuple{"top left", 1, 1}, {"top right", 7, 1}, {"bottom right", 7, 7}, {"bottom left", 1, 7}})
            bright += testimg::grayAt(image, area.x() + area.width() * x / 8, area.y() + area.height() * y / 8) > 128 ? name : "";
        return bright;
    };
    for (int code = 1; code <= 8; ++code) { // the TIFF block big-endian for even codes
        SCOPED_TRACE(testing::Message() << "code " << code);
        WriteBytes(path, crafted::withExifOrientation(marked, code, code % 2 == 0));
        const bool turns = code >= 5; // a quarter turned
        QImage pictures[2]; // the whole picture keeps twice the detail at 1/2, where the editor opens it
        for (const bool full : {false, true}) {
            const HandheldPicture picture = RenderImageFile(path, {{{236, 236}, std::nullopt, CropRect{0, 0, turns ? 768 : 1024, turns ? 1024 : 768}}, 2, 0, full});
            EXPECT_EQ(QRect(picture.placed, picture.fitted), turns ? QRect(20, 0, 120, 160) : QRect(0, 20, 160, 120));
            EXPECT_EQ(markIn(pictures[full] = picture.picture.ToQImage(), QRect(picture.placed, picture.fitted)), corner[code]) << full;
        }
        const auto [largest, average] = testimg::blockDifference(pictures[0], pictures[1]); // by rounding only
        EXPECT_TRUE(largest < 6.0 && average < 2.0) << largest << ", " << average;
        CPictureEditorDlg editor;
        ASSERT_TRUE(editor.LoadSource(path));
        editor.show();
        const QImage view = editor.m_view.ToQImage();
        EXPECT_TRUE(!editor.m_source.IsAllocated() && view.size() == (turns ? QSize(169, 226) : QSize(226, 169))) << "opened from the reduced decode";
        EXPECT_EQ(markIn(view, view.rect()), corner[code]) << "the editor's view";
    }
}

#include "cli/AlbumTool.h"

#include "cli/Arguments.h"
#include "cli/Commands.h"
#include "cli/ToolFailure.h"
#include "cli/Usage.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <iterator>

namespace {

constexpr int kUnlimited = -1;

struct Command {
    QString name;
    QString synopsis;
    QStringList options;
    int minArguments;
    int maxArguments;
    void (*run)(const ParsedArguments &, Console &);
};

const QStringList kRenderOptions = {"gray", "contrast", "view", "frame", "crop", "full-decode"};

const Command kCommands[] = {
    {"list", "list", {"data-dir"}, 0, 0, ListPhotos},
    {"add", "add [OPTIONS] IMAGE...", QStringList{"data-dir", "name"} + kRenderOptions, 1,
     kUnlimited, AddPhotos},
    {"render", "render [OPTIONS] IMAGE OUT.bmp", kRenderOptions, 2, 2, RenderPicture},
    {"remove", "remove POS", {"data-dir"}, 1, 1, RemovePhoto},
    {"rename", "rename POS NAME", {"data-dir"}, 2, 2, RenamePhoto},
    {"move", "move POS up|down", {"data-dir"}, 2, 2, MovePhoto},
};

const Command &commandFor(const ParsedArguments &arguments)
{
    if (arguments.positionals.isEmpty())
        FailUsage(QStringLiteral("no command given"));
    const QString &name = arguments.positionals.first();
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [&name](const Command &c) { return c.name == name; });
    if (found == std::end(kCommands))
        FailUsage(QStringLiteral("unknown command \"%1\"").arg(name));

    for (auto option = arguments.options.keyBegin(); option != arguments.options.keyEnd(); ++option) {
        if (!found->options.contains(*option))
            FailUsage(QStringLiteral("option --%1 does not apply to %2").arg(*option, name));
    }
    const int count = int(arguments.positionals.size()) - 1;
    if (count < found->minArguments || (found->maxArguments != kUnlimited && count > found->maxArguments))
        FailUsage(QStringLiteral("wrong number of arguments; usage: vellumo-album %1").arg(found->synopsis));
    return *found;
}

} // namespace

int RunAlbumTool(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    try {
        const ParsedArguments parsed = ParseArguments(arguments);
        if (parsed.has("help")) {
            out << UsageText();
            return int(ExitStatus::Success);
        }
        if (parsed.has("version")) {
            out << "vellumo-album " << QCoreApplication::applicationVersion() << '\n';
            return int(ExitStatus::Success);
        }
        Console console{out, err};
        commandFor(parsed).run(parsed, console);
        return int(ExitStatus::Success);
    } catch (const ToolFailure &failure) {
        err << "vellumo-album: " << failure.message;
        if (failure.status == ExitStatus::WrongUsage)
            err << " (see vellumo-album --help)";
        err << Qt::endl;
        return int(failure.status);
    }
}

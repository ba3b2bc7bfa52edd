#include "app/CommandLine.h"

#include "sources/ImageFileFilter.h"

#include <QCommandLineParser>

#include <cstdio>

namespace {

// Options QGuiApplication takes for itself ("-platform offscreen", ...).
bool isQtOption(const QString &name)
{
    static const QStringList qtOptions = {"platform", "platformpluginpath", "platformtheme", "plugin",
        "qwindowgeometry", "geometry", "qwindowicon", "icon", "qwindowtitle", "title", "reverse", "session",
        "display", "name", "style", "stylesheet", "widgetcount", "nograb", "dograb", "qmljsdebugger"};
    return qtOptions.contains(name);
}

void describe(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Vellumo Album Creator prepares a photo album for 160 by 160 gray-scale handhelds.\n"
                       "With FILE, the picture editor opens on that image once the album window shows.\n"
                       "Image files read: %1.")
            .arg(kImageFormatNames));
    parser.addOption({{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")});
    parser.addOption({{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and exit.")});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("An image file to add to the album."),
                                 QStringLiteral("[FILE]"));
}

} // namespace

CommandLine ReadCommandLine(const QStringList &arguments, bool qtOptionsTaken)
{
    QCommandLineParser parser;
    describe(parser);
    CommandLine result;
    const bool parsed = parser.parse(arguments);
    QStringList unknown = parser.unknownOptionNames();
    if (!qtOptionsTaken) {
        unknown.removeIf(isQtOption);
        if (!parsed && unknown.isEmpty())
            return result;   // asked again once Qt has taken its own
    }
    if (!parsed) {
        result.outcome = CommandLine::Outcome::WrongUsage;
        const QString error = unknown.isEmpty() ? parser.errorText()
                                                : QStringLiteral("unknown option %1").arg(unknown.join(QStringLiteral(", ")));
        result.text = QStringLiteral("vellumo: %1 (see vellumo --help)\n").arg(error);
    } else if (parser.isSet(QStringLiteral("help"))) {
        result.outcome = CommandLine::Outcome::Help;
        result.text = parser.helpText();
    } else if (parser.isSet(QStringLiteral("version"))) {
        result.outcome = CommandLine::Outcome::Version;
        result.text = QStringLiteral("vellumo %1\n").arg(QStringLiteral(VELLUMO_VERSION));
    } else if (parser.positionalArguments().size() > 1) {
        result.outcome = CommandLine::Outcome::WrongUsage;
        result.text = QStringLiteral("vellumo: one image file at most (see vellumo --help)\n");
    } else if (!parser.positionalArguments().isEmpty()) {
        result.fileToOpen = parser.positionalArguments().constFirst();
    }
    return result;
}

int AnswerCommandLine(const CommandLine &commandLine)
{
    const bool wrong = commandLine.outcome == CommandLine::Outcome::WrongUsage;
    std::fputs(commandLine.text.toLocal8Bit().constData(), wrong ? stderr : stdout);
    return wrong ? 2 : 0;
}

#include "cli/Arguments.h"

#include "cli/ToolFailure.h"

namespace {

const QStringList kValueOptions = {"data-dir", "name", "gray", "contrast", "view", "frame", "crop"};
const QStringList kFlagOptions = {"help", "version", "full-decode"};

void addOption(ParsedArguments &parsed, const QString &name, const QString &value)
{
    if (parsed.options.contains(name))
        FailUsage(QStringLiteral("option --%1 is given more than once").arg(name));
    parsed.options.insert(name, value);
}

} // namespace

ParsedArguments ParseArguments(const QStringList &arguments)
{
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1String("-")) || argument == QLatin1String("-")) {
            parsed.positionals << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (argument == QLatin1String("-h")) {
            addOption(parsed, QStringLiteral("help"), QString());
            continue;
        }
        if (!argument.startsWith(QLatin1String("--")))
            FailUsage(QStringLiteral("unknown option %1").arg(argument));

        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        if (kFlagOptions.contains(name)) {
            if (equals >= 0)
                FailUsage(QStringLiteral("option --%1 takes no value").arg(name));
            addOption(parsed, name, QString());
        } else if (kValueOptions.contains(name)) {
            if (equals >= 0)
                addOption(parsed, name, argument.mid(equals + 1));
            else if (i + 1 < arguments.size())
                addOption(parsed, name, arguments[++i]);
            else
                FailUsage(QStringLiteral("option --%1 needs a value").arg(name));
        } else {
            FailUsage(QStringLiteral("unknown option --%1").arg(name));
        }
    }
    return parsed;
}

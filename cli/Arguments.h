#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// The command line split into options and positional arguments (the command first).
// Options may come anywhere, as "--name value" or "--name=value"; "--" ends them.
struct ParsedArguments {
    QStringList positionals;
    QMap<QString, QString> options; // name without the dashes -> value, empty for a flag

    bool has(const QString &name) const { return options.contains(name); }
    QString value(const QString &name) const { return options.value(name); }
};

// Knows every option of every command; which of them a command accepts is checked by
// the command table. Unknown, repeated or value-less options fail as wrong usage.
ParsedArguments ParseArguments(const QStringList &arguments);

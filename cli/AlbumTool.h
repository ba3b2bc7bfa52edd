#pragma once

#include <QStringList>

class QTextStream;

// vellumo-album with these arguments (the program name left out); returns the exit status.
int RunAlbumTool(const QStringList &arguments, QTextStream &out, QTextStream &err);

#pragma once

#include <QString>

// True when something exists at the path: any failure of stat, not only a missing path,
// counts as nothing there. One trailing separator is ignored.
bool PathExists(const QString &path);

#include "cli/PhotoName.h"

#include "cli/ToolFailure.h"
#include "album/NameInput.h"

#include <QFileInfo>

namespace {

// What typing or pasting the text into the empty name prompt keeps.
QString typed(const QString &text)
{
    return ApplyNameEdit(QString(), text, kMaxNameChars).text;
}

} // namespace

void RequirePhotoName(const QString &name)
{
    if (typed(name) != name)
        Fail(QStringLiteral("the name \"%1\" does not fit: a name has at most %2 characters, "
                            "each one Windows-1252 can hold (no control characters)")
                 .arg(name)
                 .arg(kMaxNameChars));
}

QString PhotoNameFromFile(const QString &path)
{
    return typed(QFileInfo(path).completeBaseName());
}

#include "album/NameInput.h"

#include "album/Windows1252.h"

#include <algorithm>

NameEdit ApplyNameEdit(const QString &before, const QString &after, int maxChars)
{
    // The edit replaced one stretch of `before` with one stretch of `after`.
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix
           && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;

    QString inserted;
    for (const QChar c : after.mid(prefix, after.size() - prefix - suffix)) {
        if (Windows1252CanHold(c))
            inserted += c;
    }
    const qsizetype kept = before.size() - (before.size() - prefix - suffix);
    const qsizetype room = std::max<qsizetype>(0, maxChars - kept);
    inserted.truncate(room);

    NameEdit edit;
    edit.text = before.left(prefix) + inserted + before.right(suffix);
    edit.cursor = static_cast<int>(prefix + inserted.size());
    return edit;
}

#pragma once

#include <QString>

// The longest name a photo takes, from the name prompt and from the tool alike.
inline constexpr int kMaxNameChars = 15;

// The name prompt's typing rules: at most maxChars characters can be typed or pasted
// (a longer starting text stays, and can only shrink), and only characters the
// handheld's character set holds are taken. Whatever does not fit is dropped.
struct NameEdit {
    QString text;
    int cursor = 0;
};

// before: the text before the user's edit; after: the text the edit would give.
NameEdit ApplyNameEdit(const QString &before, const QString &after, int maxChars);

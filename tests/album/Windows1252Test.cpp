#include "album/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, BytesMapToTheCodePageAndEveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = FromWindows1252(all.constData(), all.size());
    bool ok = false;
    EXPECT_EQ(ToWindows1252(text, &ok), all);
    EXPECT_TRUE(ok);
    ASSERT_EQ(text.size(), 256);
    // Some of the code page's own characters, Latin-1's, and the five undefined bytes.
    const std::pair<int, char16_t> known[] = {
        {0x41, u'A'},   {0x80, u'€'},   {0x81, 0x0081}, {0x89, u'‰'}, {0x8C, u'Œ'},
        {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x99, u'™'}, {0x9D, 0x009D},
        {0x9E, u'ž'},   {0x9F, u'Ÿ'},   {0xA0, 0x00A0}, {0xE9, u'é'}};
    for (const auto &[byte, character] : known)
        EXPECT_EQ(text[byte], QChar(character)) << byte;
    // U+0080 has no byte: 0x80 means the euro sign.
    for (const QString &refused : {QStringLiteral("abc中"), QStringLiteral("😀"), QString(QChar(0x80))}) {
        EXPECT_TRUE(ToWindows1252(refused, &ok).isEmpty()) << refused.toStdString();
        EXPECT_FALSE(ok) << refused.toStdString();
    }
}

TEST(Windows1252, TypedInputTakesPrintableCodePageCharactersOnly)
{
    const std::pair<char16_t, bool> rows[] = {
        {u' ', true}, {u'a', true}, {u'~', true}, {0x00A0, true}, {u'€', true}, {u'Œ', true},
        {u'é', true}, {u'ÿ', true}, {0x0000, false}, {u'\t', false}, {0x001F, false},
        {0x007F, false}, {0x0080, false}, {0x0081, false}, {0x009F, false}, {u'中', false},
        {QStringLiteral("😀").at(0).unicode(), false}};
    for (const auto &[c, typed] : rows)
        EXPECT_EQ(Windows1252CanHold(QChar(c)), typed) << int(c);
}

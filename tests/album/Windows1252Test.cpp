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
        EXPECT_TRUE(ToWindows1252(refused, &ok).isEmpty());
        EXPECT_FALSE(ok);
    }
}

TEST(Windows1252, TypedInputTakesPrintableCodePageCharactersOnly)
{
    for (const char16_t c : {u' ', u'a', u'~', char16_t(0x00A0), u'€', u'Œ', u'é', u'ÿ'})
        EXPECT_TRUE(Windows1252CanHold(QChar(c))) << int(c);
    for (const char16_t c : {char16_t(0x0000), u'\t', char16_t(0x001F), char16_t(0x007F),
                             char16_t(0x0080), char16_t(0x0081), char16_t(0x009F), u'中',
                             QStringLiteral("😀").at(0).unicode()})
        EXPECT_FALSE(Windows1252CanHold(QChar(c))) << int(c);
}

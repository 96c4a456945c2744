// Windows-1252 in files.

#include "storage/Cp1252.h"

#include <gtest/gtest.h>

using namespace tavo::storage;

TEST(Windows1252, GermanLettersAndTheEuroSign) {
    EXPECT_EQ(toWindows1252(QStringLiteral("äöüÄÖÜß€")),
              QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF\x80"));
    EXPECT_EQ(fromWindows1252("\xE4\xF6\xFC\xC4\xD6\xDC\xDF\x80"), QStringLiteral("äöüÄÖÜß€"));
    EXPECT_EQ(toWindows1252(QStringLiteral("„Prüfung“ – Nr. 2…")),
              QByteArray("\x84Pr\xFC"
                         "fung\x93 \x96 Nr. 2\x85"));
    EXPECT_EQ(toWindows1252(QStringLiteral("Œœ Šš Žž Ÿ ƒ ™")),
              QByteArray("\x8C\x9C \x8A\x9A \x8E\x9E \x9F \x83 \x99"));
}

TEST(Windows1252, CharactersItCannotHoldBecomeQuestionMarks) {
    EXPECT_EQ(toWindows1252(QStringLiteral("Ω ł 中")), QByteArray("? ? ?"));
    // One mark per character, also outside the basic plane.
    EXPECT_EQ(toWindows1252(QString::fromUtf8("a\xF0\x9F\x8E\xA7z")), QByteArray("a?z"));
    // A lone surrogate is no character either.
    EXPECT_EQ(toWindows1252(QString(QChar(0xD800))), QByteArray("?"));
}

TEST(Windows1252, EveryByteSurvivesDecodeAndEncode) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte) {
        all.append(static_cast<char>(byte));
    }
    const QString text = fromWindows1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(toWindows1252(text), all);
    // The undefined bytes decode to the control characters of their number.
    EXPECT_EQ(text.at(0x81), QChar(0x81));
    EXPECT_EQ(text.at(0x9D), QChar(0x9D));
}

// The settings-file reader: files too big to be settings, names given twice
// (in any case, as the store looks them up) and line ends.

#include "platform/regfile/RegFile.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <vector>

using namespace tavo::platform;

namespace {

const QByteArray kHeader =
    "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Ardel Kanvo\\Vorlandt Klarovent]\n";

// A valid file of exactly `size` bytes: one value, then a comment of
// `filler` (whole characters) padded with blanks.
QByteArray fileOfSize(qsizetype size, const QByteArray& filler) {
    QByteArray file = kHeader + "\"A\"=dword:00000001\n;";
    while (file.size() + filler.size() + 1 <= size) {
        file += filler;
    }
    while (file.size() + 1 < size) {
        file += ' ';
    }
    file += '\n';
    return file;
}

QString describe(const regfile::Values& values) {
    QString out;
    for (const auto& value : values) {
        out += QStringLiteral("%1=%2/%3/%4 ")
                   .arg(value.name)
                   .arg(static_cast<int>(value.type))
                   .arg(value.dword)
                   .arg(value.text);
    }
    return out;
}

} // namespace

TEST(RegFileSize, RefusesFilesOverTheLimitCountingBytes) {
    for (const QByteArray& filler : {QByteArray("x"), QByteArray("ü"), QByteArray("€")}) {
        const QByteArray atLimit = fileOfSize(regfile::kMaxFileSize, filler);
        ASSERT_EQ(atLimit.size(), regfile::kMaxFileSize);
        const auto parsed = regfile::parse(atLimit);
        ASSERT_TRUE(parsed) << filler.constData();
        ASSERT_EQ(parsed->size(), 1u);
        EXPECT_EQ(parsed->front().dword, 1u);

        // One byte more, though only a blank in a comment, and though a
        // comment that is not ASCII has fewer characters than bytes.
        const QByteArray overLimit = fileOfSize(regfile::kMaxFileSize + 1, filler);
        ASSERT_EQ(overLimit.size(), regfile::kMaxFileSize + 1);
        EXPECT_FALSE(regfile::parse(overLimit)) << filler.constData();
    }
}

TEST(RegFileDuplicates, TheLaterLineWinsAndTakesItsPlace) {
    const QByteArray file = kHeader + "\"Alpha\"=dword:00000001\n"
                                      "\"Beta\"=\"b\"\n"
                                      "\"ALPHA\"=\"now a text\"\n"
                                      "\"Gamma\"=hex:00\n"
                                      "\"beta\"=dword:00000002\n"
                                      "; a comment between\n"
                                      "\"alpha\"=dword:00000003\n";
    const auto parsed = regfile::parse(file);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), 3u) << describe(*parsed).toStdString();
    EXPECT_EQ((*parsed)[0].name, QStringLiteral("Gamma"));
    EXPECT_EQ((*parsed)[0].type, regfile::ValueType::Other);
    EXPECT_EQ((*parsed)[0].text, QStringLiteral("hex:00"));
    EXPECT_EQ((*parsed)[1].name, QStringLiteral("beta")); // spelt as on the later line
    EXPECT_EQ((*parsed)[1].type, regfile::ValueType::Dword);
    EXPECT_EQ((*parsed)[1].dword, 2u);
    EXPECT_EQ((*parsed)[2].name, QStringLiteral("alpha"));
    EXPECT_EQ((*parsed)[2].type, regfile::ValueType::Dword);
    EXPECT_EQ((*parsed)[2].dword, 3u);
    EXPECT_TRUE((*parsed)[2].text.isEmpty()); // nothing left of the text it replaced

    // Each name appears once, however often it was given.
    QByteArray many = kHeader;
    for (int i = 0; i < 3000; ++i) {
        many += (i % 2 == 0 ? "\"Ton\"" : "\"TON\"") + QByteArray("=dword:") +
                QByteArray::number(i, 16) + "\n\"Nr " + QByteArray::number(i % 7) + "\"=\"" +
                QByteArray::number(i) + "\"\n";
    }
    const auto repeated = regfile::parse(many);
    ASSERT_TRUE(repeated);
    ASSERT_EQ(repeated->size(), 8u);
    // The file ends with Nr 4, 5, 6, 0, 1, 2 (i = 2993..2998), TON and Nr 3
    // (i = 2999).
    EXPECT_EQ(repeated->back().name, QStringLiteral("Nr 3"));
    EXPECT_EQ(repeated->back().text, QStringLiteral("2999"));
    EXPECT_EQ((*repeated)[6].name, QStringLiteral("TON"));
    EXPECT_EQ((*repeated)[6].dword, 2999u);
    EXPECT_EQ((*repeated)[0].name, QStringLiteral("Nr 4"));
    EXPECT_EQ((*repeated)[0].text, QStringLiteral("2993"));
}

TEST(RegFileDuplicates, NamesMatchIgnoringCaseAsTheStoreLooksThemUp) {
    const auto parsed = regfile::parse(kHeader + "\"Kopfhörer\"=dword:00000001\n"
                                                 "\"KOPFHÖRER\"=dword:00000002\n"
                                                 "\"σύνολο\"=dword:00000003\n"
                                                 "\"ΣΎΝΟΛΟ\"=dword:00000004\n"
                                                 "\"\u212Aanal\"=dword:00000005\n"
                                                 "\"kanal\"=dword:00000006\n");
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), 3u) << describe(*parsed).toStdString();
    EXPECT_EQ((*parsed)[0].dword, 2u);
    EXPECT_EQ((*parsed)[1].dword, 4u);
    EXPECT_EQ((*parsed)[2].dword, 6u);

    // Random files over letters whose cases are easy to get wrong (final
    // and long s, Kelvin sign, dotted and dotless i, sharp s, Cherokee,
    // Deseret beyond the BMP): two names are one exactly when the store's
    // lookup would take one for the other, and the last line of each wins.
    const std::vector<char32_t> letters = {U'a',    U'A',    U'k',   U'K',   0x212A, U's',   U'S',
                                           0x017F,  0x03C3,  0x03C2, 0x03A3, 0x00DF, 0x1E9E, U'i',
                                           U'I',    0x0130,  0x0131, 0x00F6, 0x00D6, 0x13A0, 0xAB70,
                                           0x10400, 0x10428, U'-',   0x1F3A7};
    QRandomGenerator random(20240611);
    for (int round = 0; round < 300; ++round) {
        QByteArray file = kHeader;
        std::vector<QString> names;
        const int lines = random.bounded(1, 60);
        for (int line = 0; line < lines; ++line) {
            std::u32string name;
            for (int length = random.bounded(1, 4); length > 0; --length) {
                name += letters[random.bounded(static_cast<int>(letters.size()))];
            }
            names.push_back(QString::fromUcs4(name.data(), static_cast<qsizetype>(name.size())));
            file += '"' + names.back().toUtf8() + "\"=dword:" + QByteArray::number(line, 16) + '\n';
        }
        std::vector<int> expected;
        for (int line = 0; line < lines; ++line) {
            bool givenAgain = false;
            for (int later = line + 1; later < lines && !givenAgain; ++later) {
                givenAgain = names[static_cast<std::size_t>(line)].compare(
                                 names[static_cast<std::size_t>(later)], Qt::CaseInsensitive) == 0;
            }
            if (!givenAgain) {
                expected.push_back(line);
            }
        }
        const auto values = regfile::parse(file);
        ASSERT_TRUE(values) << file.constData();
        std::vector<int> lineOf;
        for (const auto& value : *values) {
            lineOf.push_back(static_cast<int>(value.dword));
            ASSERT_LT(value.dword, names.size());
            EXPECT_EQ(value.name, names[value.dword]);
        }
        ASSERT_EQ(lineOf, expected) << file.constData();
    }
}

TEST(RegFileLineEnds, ALoneCarriageReturnEndsALine) {
    // Old Mac line ends, and CR CR LF (a CR LF file converted once more).
    for (const QByteArray& file :
         {QByteArray("REGEDIT4\r\r[HKEY_LOCAL_MACHINE\\Software\\Ardel Kanvo\\Vorlandt "
                     "Klarovent]\r\"A\"=hex:01\r\"B\"=\"x\"\r"),
          QByteArray("REGEDIT4\r\r\n\r\r\n[HKEY_LOCAL_MACHINE\\Software\\Ardel Kanvo\\Vorlandt "
                     "Klarovent]\r\r\n\"A\"=hex:01\r\r\n\"B\"=\"x\"\r\r\n")}) {
        const auto parsed = regfile::parse(file);
        ASSERT_TRUE(parsed) << file.constData();
        ASSERT_EQ(parsed->size(), 2u);
        EXPECT_EQ((*parsed)[0].text, QStringLiteral("hex:01")); // no CR kept in the value
        EXPECT_EQ((*parsed)[1].text, QStringLiteral("x"));
    }
    // A CR is no part of a name or text, which would lose it on the next
    // save: the line breaks there, and the broken line does not parse.
    EXPECT_FALSE(regfile::parse(kHeader + "\"Cal\rFile\"=dword:00000000\n"));
    EXPECT_FALSE(regfile::parse(kHeader + "\"Cal File\"=\"a\rb\"\n"));
}

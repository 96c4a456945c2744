// The settings-file reader: files too big to be settings, names given twice
// (in any case, as the store looks them up), line ends, the encodings
// Windows writes (Windows-1252, UTF-16LE) and hex data wrapped over lines.

#include "platform/regfile/RegFile.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

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

const QString kKeyLine =
    QStringLiteral("[HKEY_LOCAL_MACHINE\\Software\\Ardel Kanvo\\Vorlandt Klarovent]");

// `text` as today's regedit exports it: the byte-order mark, then UTF-16LE.
QByteArray utf16File(const QString& text) {
    QStringEncoder encoder(QStringEncoder::Utf16LE);
    return QByteArray("\xFF\xFE") + QByteArray(encoder.encode(text));
}

// `lines` joined with CR LF, a final one after the last.
QString crlf(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
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
    // The last filler is "ö" in Windows-1252: one byte, two in UTF-8.
    for (const QByteArray& filler :
         {QByteArray("x"), QByteArray("ü"), QByteArray("€"), QByteArray("\xF6")}) {
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

    // UTF-16 has half as many characters as bytes; the limit is still bytes.
    const QString start = crlf({QStringLiteral("Windows Registry Editor Version 5.00"), QString(),
                                kKeyLine, QStringLiteral("\"A\"=dword:00000001")}) +
                          QLatin1Char(';');
    for (const qsizetype size : {regfile::kMaxFileSize, regfile::kMaxFileSize + 2}) {
        const QByteArray file =
            utf16File(start + QString((size - 2) / 2 - start.size(), QLatin1Char('x')));
        ASSERT_EQ(file.size(), size);
        EXPECT_EQ(regfile::parse(file).has_value(), size <= regfile::kMaxFileSize) << size;
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

TEST(RegFileEncodings, BytesThatAreNotUtf8AreWindows1252) {
    const QByteArray windows = "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Ardel "
                               "Kanvo\\Vorlandt Klarovent]\r\n"
                               "\"Cal Filename\"=\"C:\\\\Kalibrierung\\\\K\xF6ln.vkk\"\r\n"
                               "\"Kopfh\xF6rer\"=dword:00000002\r\n"
                               "\"Notiz\"=\"Gr\xFC\xDF"
                               "e, 5 \x80 \x84"
                               "ab\x93\"\r\n";
    const auto parsed = regfile::parse(windows);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), 3u) << describe(*parsed).toStdString();
    EXPECT_EQ((*parsed)[0].text, QStringLiteral("C:\\Kalibrierung\\Köln.vkk"));
    EXPECT_EQ((*parsed)[1].name, QStringLiteral("Kopfhörer"));
    EXPECT_EQ((*parsed)[1].dword, 2u);
    EXPECT_EQ((*parsed)[2].text, QStringLiteral("Grüße, 5 € „ab“"));

    // The UTF-8 bytes of "ö" would be "Ã¶" in Windows-1252: valid UTF-8
    // stays UTF-8.
    const QByteArray utf8 =
        kHeader + "\"Cal Filename\"=\"C:\\\\Kalibrierung\\\\K\xC3\xB6ln.vkk\"\n";
    const auto fromUtf8 = regfile::parse(utf8);
    ASSERT_TRUE(fromUtf8);
    ASSERT_EQ(fromUtf8->size(), 1u);
    EXPECT_EQ(fromUtf8->front().text, QStringLiteral("C:\\Kalibrierung\\Köln.vkk"));

    // One byte that is not UTF-8 decides for the whole file, not just its
    // own line.
    const auto mixed = regfile::parse(utf8 + "\"Ort\"=\"K\xF6ln\"\n");
    ASSERT_TRUE(mixed);
    ASSERT_EQ(mixed->size(), 2u);
    EXPECT_EQ((*mixed)[0].text, QStringLiteral("C:\\Kalibrierung\\KÃ¶ln.vkk"));
    EXPECT_EQ((*mixed)[1].text, QStringLiteral("Köln"));
}

TEST(RegFileEncodings, EveryWindows1252ByteAndTheUndefinedOnes) {
    QByteArray high;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        high += static_cast<char>(byte);
    }
    const auto parsed = regfile::parse(kHeader + "\"Alle\"=\"" + high + "\"\n");
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), 1u);
    const QString text = parsed->front().text;
    // Checked against the system's own code page table where Qt has one.
    if (QStringDecoder icu("windows-1252"); icu.isValid()) {
        EXPECT_EQ(text, QString(icu.decode(high)));
    }
    // The five bytes Windows-1252 leaves undefined are the control
    // characters of the same number, and a save keeps them.
    for (const char16_t undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        EXPECT_EQ(text[undefined - 0x80], QChar(undefined)) << int(undefined);
    }
    const auto saved = regfile::parse(regfile::serialize(*parsed));
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->size(), 1u);
    EXPECT_EQ(saved->front().text, text);
}

TEST(RegFileEncodings, Utf16WithByteOrderMarkReadsAsTheUtf8File) {
    const QStringList body = {
        kKeyLine,
        QStringLiteral("\"Joystick\"=dword:0000000a"),
        QStringLiteral("\"Cal Filename\"=\"C:\\\\Kal \\\"Süd\\\"\\\\kopfhörer.vkk\""),
        QStringLiteral("\"Blob\"=hex:01,ff"),
        QStringLiteral("\"Hörer\"=\"\U0001F3A7 €\""),
    };
    const QByteArray utf8 =
        (QStringLiteral("REGEDIT4\n\n") + body.join(QLatin1Char('\n')) + QLatin1Char('\n'))
            .toUtf8();
    const auto expected = regfile::parse(utf8);
    ASSERT_TRUE(expected);
    ASSERT_EQ(expected->size(), 4u) << describe(*expected).toStdString();
    EXPECT_EQ((*expected)[1].text, QStringLiteral("C:\\Kal \"Süd\"\\kopfhörer.vkk"));

    const QString windowsHeader = QStringLiteral("Windows Registry Editor Version 5.00");
    // As regedit exports it, with the blank line it adds at the end; and the
    // headers do not depend on the encoding.
    const std::vector<QByteArray> files = {
        utf16File(crlf(QStringList{windowsHeader, QString()} + body + QStringList{QString()})),
        utf16File(crlf(QStringList{QStringLiteral("REGEDIT4"), QString()} + body)),
        (crlf(QStringList{windowsHeader, QString()} + body)).toUtf8(),
    };
    for (const QByteArray& file : files) {
        const auto parsed = regfile::parse(file);
        ASSERT_TRUE(parsed) << file.toHex().constData();
        EXPECT_EQ(describe(*parsed), describe(*expected));
    }
}

TEST(RegFileEncodings, RefusesWhatIsNeitherEncoding) {
    const QString text = crlf({QStringLiteral("Windows Registry Editor Version 5.00"), QString(),
                               kKeyLine, QStringLiteral("\"A\"=\"x\""), QStringLiteral("; Ende")});
    const QByteArray good = utf16File(text);
    ASSERT_TRUE(regfile::parse(good));
    QStringEncoder bigEndian(QStringEncoder::Utf16BE);

    std::vector<QByteArray> refused = {
        good.mid(2),                                     // no byte-order mark
        "\xFE\xFF" + QByteArray(bigEndian.encode(text)), // big-endian
        good.chopped(4) + "!",                           // cut inside the last character
        utf16File(QString(text).replace(QLatin1Char('x'), QChar(0xD83C))), // a lone surrogate
        "\xEF\xBB\xBF" + kHeader + "\"A\"=\"K\xF6ln\"\n", // marked as UTF-8 but is not
        kHeader + "\"A\"=dword:00000001\n\xC3",           // cut inside a UTF-8 character
    };
    QRandomGenerator random(20240612);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(random.bounded(1, 2048), Qt::Uninitialized);
        for (char& byte : bytes) {
            byte = static_cast<char>(random.bounded(256));
        }
        refused.push_back(bytes);
    }
    for (const QByteArray& file : refused) {
        EXPECT_FALSE(regfile::parse(file)) << file.left(64).toHex().constData();
    }
}

TEST(RegFileHexData, DataWrappedOverLinesIsOneValue) {
    const QStringList lines = {
        kKeyLine,
        QStringLiteral("\"Joystick\"=dword:0000000a"),
        QStringLiteral("\"Bin\"=hex:01,02,03,04,\\"),
        QStringLiteral("  05,06,07,08,\\"),
        QStringLiteral("  09,0A"),
        QStringLiteral("\"Liste\"=hex(7):4b,00,f6,00,\\"),
        QStringLiteral("  00,00,00,00"),
        QStringLiteral("\"Pfad\"=hex(2):43,00,3a,00,00,00"),
        // A text ending in a backslash goes on on no other line.
        QStringLiteral("\"Ordner\"=\"C:\\\\Kal\\\\\""),
        QStringLiteral("\"Cal Filename\"=\"Köln.vkk\""),
    };
    const QString header = QStringLiteral("Windows Registry Editor Version 5.00");
    for (const QByteArray& file :
         {(QStringLiteral("REGEDIT4\n\n") + lines.join(QLatin1Char('\n')) + QLatin1Char('\n'))
              .toUtf8(),
          utf16File(crlf(QStringList{header, QString()} + lines))}) {
        const auto parsed = regfile::parse(file);
        ASSERT_TRUE(parsed) << file.toHex().constData();
        ASSERT_EQ(parsed->size(), 6u) << describe(*parsed).toStdString();
        EXPECT_EQ((*parsed)[0].dword, 10u);
        EXPECT_EQ((*parsed)[1].type, regfile::ValueType::Other);
        EXPECT_EQ((*parsed)[1].text, QStringLiteral("hex:01,02,03,04,05,06,07,08,09,0A"));
        EXPECT_EQ((*parsed)[2].type, regfile::ValueType::Other);
        EXPECT_EQ((*parsed)[2].text, QStringLiteral("hex(7):4b,00,f6,00,00,00,00,00"));
        EXPECT_EQ((*parsed)[3].text, QStringLiteral("hex(2):43,00,3a,00,00,00"));
        EXPECT_EQ((*parsed)[4].type, regfile::ValueType::String);
        EXPECT_EQ((*parsed)[4].text, QStringLiteral("C:\\Kal\\"));
        EXPECT_EQ((*parsed)[5].type, regfile::ValueType::String);
        EXPECT_EQ((*parsed)[5].text, QStringLiteral("Köln.vkk"));

        // Saved on one line each and read back the same.
        const auto saved = regfile::parse(regfile::serialize(*parsed));
        ASSERT_TRUE(saved);
        EXPECT_EQ(describe(*saved), describe(*parsed));
    }
}

TEST(RegFileHexData, ABackslashWithNoDataAfterItRefusesTheFile) {
    const QByteArray start = kHeader + "\"Bin\"=hex:01,02,\\";
    for (const QByteArray& file : {
             start,                                 // the file ends there
             start + "\n",                          // or after the line end
             start + "\n\n  03\n",                  // a blank line
             start + "\n\"Next\"=dword:00000001\n", // the next value, not data
             start + "\n; Kommentar\n",             // a comment
             start + "\n  03,zz\n",                 // not hex
             start + "\n" + kHeader.mid(10),        // the key line
         }) {
        EXPECT_FALSE(regfile::parse(file)) << file.constData();
    }
}

TEST(RegFileKey, TheKeyPathMatchesInAnyCase) {
    const QByteArray otherCase = "REGEDIT4\n\n[hkey_local_machine\\SOFTWARE\\ardel kanvo\\VORLANDT "
                                 "Klarovent]\n\"A\"=dword:00000001\n";
    const auto parsed = regfile::parse(otherCase);
    ASSERT_TRUE(parsed);
    ASSERT_EQ(parsed->size(), 1u);
    EXPECT_EQ(parsed->front().dword, 1u);
    // The same key once more in another case is still the key twice.
    EXPECT_FALSE(regfile::parse(otherCase + kHeader.mid(10)));
}

#include "platform/regfile/RegFile.h"

#include <QByteArrayView>
#include <QHash>
#include <QStringDecoder>
#include <QStringList>

#include <array>

namespace tavo::platform::regfile {

namespace {

const QString kRoot = QStringLiteral("HKEY_LOCAL_MACHINE");

// Bytes 0x80..0x9F of Windows-1252; every other byte is the code point of the
// same number. The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) are the control characters of the same number, as
// Windows itself decodes them: a registry text holding one comes back as
// that character rather than costing the user every setting.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ =
            QChar(value >= 0x80 && value < 0xA0 ? kWindows1252High[value - 0x80] : char16_t{value});
    }
    return text;
}

// The text of a settings file. We write UTF-8; regedit writes REGEDIT4 files
// in the ANSI code page (Windows-1252 on the machines the settings come from)
// and version 5.00 files in UTF-16LE after a byte-order mark. Windows-1252
// text with umlauts is practically never valid UTF-8, so whatever is valid
// UTF-8 is taken as UTF-8 and anything else as Windows-1252, decided for the
// whole file. Nothing for UTF-16 that is cut off or holds a lone surrogate,
// which could not be written back.
std::optional<QString> decoded(QByteArrayView file) {
    // Initial byte-order marks are cut here, exactly one, so the decoders
    // must keep any further one as a character.
    const auto flags = QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
    if (file.startsWith("\xFF\xFE")) {
        const QByteArrayView units = file.sliced(2);
        if (units.size() % 2 != 0) {
            return std::nullopt;
        }
        QStringDecoder utf16(QStringDecoder::Utf16LE, flags);
        QString text = utf16.decode(units);
        if (utf16.hasError() || !QStringView(text).isValidUtf16()) {
            return std::nullopt;
        }
        return text;
    }
    const bool utf8Mark = file.startsWith("\xEF\xBB\xBF");
    QStringDecoder utf8(QStringDecoder::Utf8, flags);
    QString text = utf8.decode(utf8Mark ? file.sliced(3) : file);
    if (!utf8.hasError()) {
        return text;
    }
    if (utf8Mark) {
        return std::nullopt; // marked as UTF-8 and is not: damaged
    }
    return fromWindows1252(file);
}

bool isFileHeader(const QString& line) {
    return line == QLatin1String("REGEDIT4") ||
           line == QLatin1String("Windows Registry Editor Version 5.00");
}

// A line that carries on wrapped hex data: bytes and commas after the
// indentation, perhaps a backslash for one more line.
std::optional<QStringView> hexContinuation(QStringView line) {
    qsizetype start = 0;
    while (start < line.size() &&
           (line[start] == QLatin1Char(' ') || line[start] == QLatin1Char('\t'))) {
        ++start;
    }
    const QStringView rest = line.sliced(start);
    const QStringView data = rest.endsWith(QLatin1Char('\\')) ? rest.chopped(1) : rest;
    if (data.isEmpty()) {
        return std::nullopt;
    }
    for (const QChar c : data) {
        const char16_t u = c.unicode();
        const bool hexDigit =
            (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
        if (!hexDigit && u != u',') {
            return std::nullopt;
        }
    }
    return rest;
}

QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    for (QChar c : text) {
        // The file has one value per line; a line break inside a text (only
        // possible in an odd file name) is stored as a blank.
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            c = QLatin1Char(' ');
        }
        if (c == QLatin1Char('\\') || c == QLatin1Char('"')) {
            out += QLatin1Char('\\');
        }
        out += c;
    }
    return out;
}

// Reads a quoted string starting at `pos` (on the opening quote). Returns
// the text and moves `pos` past the closing quote.
std::optional<QString> quoted(const QString& line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != QLatin1Char('"')) {
        return std::nullopt;
    }
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return text;
        }
        if (c == QLatin1Char('\\')) {
            if (++pos >= line.size()) {
                return std::nullopt;
            }
        }
        text += line[pos];
    }
    return std::nullopt;
}

std::optional<Value> valueLine(const QString& line) {
    qsizetype pos = 0;
    Value value;
    const auto name = quoted(line, pos);
    if (!name || pos >= line.size() || line[pos] != QLatin1Char('=')) {
        return std::nullopt;
    }
    value.name = *name;
    ++pos;
    const QString rest = line.mid(pos);
    if (rest.startsWith(QLatin1Char('"'))) {
        qsizetype at = 0;
        const auto text = quoted(rest, at);
        if (!text || at != rest.size()) {
            return std::nullopt;
        }
        value.type = ValueType::String;
        value.text = *text;
        return value;
    }
    if (rest.startsWith(QStringLiteral("dword:"), Qt::CaseInsensitive)) {
        const QString digits = rest.mid(6);
        bool ok = false;
        const auto number = digits.toUInt(&ok, 16);
        if (!ok || digits.isEmpty() || digits.size() > 8) {
            return std::nullopt;
        }
        value.type = ValueType::Dword;
        value.dword = number;
        return value;
    }
    if (rest.startsWith(QStringLiteral("hex"), Qt::CaseInsensitive)) {
        value.type = ValueType::Other;
        value.text = rest;
        return value;
    }
    return std::nullopt;
}

} // namespace

QString keyPath() {
    return QStringLiteral("Software\\Ardel Kanvo\\Vorlandt Klarovent");
}

std::optional<Values> parse(const QByteArray& file) {
    if (file.size() > kMaxFileSize) {
        return std::nullopt;
    }
    auto decodedText = decoded(file);
    if (!decodedText) {
        return std::nullopt;
    }
    QString& text = *decodedText;
    // CR LF, LF and a lone CR all end a line. A value never holds a line
    // break (the writer turns them into blanks), so a CR kept as part of a
    // value would come back as a blank after the next save.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.isEmpty() || !isFileHeader(lines.first())) {
        return std::nullopt;
    }
    const QString header =
        QLatin1Char('[') + kRoot + QLatin1Char('\\') + keyPath() + QLatin1Char(']');
    bool inKey = false;
    Values values;
    values.reserve(static_cast<std::size_t>(lines.size()));
    // A name given twice: the later line wins and takes its place, as on
    // import. Case folding gives exactly the names that compare equal ignoring
    // case, so one lookup per line finds the earlier one.
    QHash<QString, std::size_t> latest;
    latest.reserve(lines.size());
    std::vector<bool> superseded;
    superseded.reserve(static_cast<std::size_t>(lines.size()));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QString& line = lines[i];
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char(';'))) {
            continue;
        }
        if (line.compare(header, Qt::CaseInsensitive) == 0) {
            if (inKey) {
                return std::nullopt; // the key twice
            }
            inKey = true;
            continue;
        }
        if (!inKey) {
            return std::nullopt;
        }
        auto value = valueLine(line);
        if (!value) {
            return std::nullopt;
        }
        // regedit wraps long hex data after a comma with a backslash and goes
        // on indented on the next line. We keep the bytes on one line; a
        // file that stops or goes on with anything else after the backslash
        // is damaged, and taking the next value into the data would lose it.
        while (value->type == ValueType::Other && value->text.endsWith(QLatin1Char('\\'))) {
            value->text.chop(1);
            const auto more = ++i < lines.size() ? hexContinuation(lines[i]) : std::nullopt;
            if (!more) {
                return std::nullopt;
            }
            value->text += *more;
        }
        const QString folded = value->name.toCaseFolded();
        if (const auto earlier = latest.find(folded); earlier != latest.end()) {
            superseded[*earlier] = true;
            *earlier = values.size();
        } else {
            latest.insert(folded, values.size());
        }
        values.push_back(std::move(*value));
        superseded.push_back(false);
    }
    if (!inKey) {
        return std::nullopt;
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!superseded[i]) {
            if (kept != i) {
                values[kept] = std::move(values[i]);
            }
            ++kept;
        }
    }
    values.resize(kept);
    return values;
}

QByteArray serialize(const Values& values) {
    QString text = QStringLiteral("REGEDIT4\n\n[") + kRoot + QLatin1Char('\\') + keyPath() +
                   QStringLiteral("]\n");
    for (const auto& value : values) {
        text += QLatin1Char('"') + escaped(value.name) + QStringLiteral("\"=");
        switch (value.type) {
        case ValueType::Dword:
            text += QStringLiteral("dword:%1").arg(value.dword, 8, 16, QLatin1Char('0'));
            break;
        case ValueType::String:
            text += QLatin1Char('"') + escaped(value.text) + QLatin1Char('"');
            break;
        case ValueType::Other:
            text += value.text;
            break;
        }
        text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

} // namespace tavo::platform::regfile

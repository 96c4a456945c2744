#include "platform/regfile/RegFile.h"

#include <QHash>
#include <QStringList>

namespace tavo::platform::regfile {

namespace {

const QString kRoot = QStringLiteral("HKEY_LOCAL_MACHINE");

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
    QString text = QString::fromUtf8(file);
    if (text.startsWith(QChar(0xFEFF))) {
        text.remove(0, 1);
    }
    // CR LF, LF and a lone CR all end a line. A value never holds a line
    // break (the writer turns them into blanks), so a CR kept as part of a
    // value would come back as a blank after the next save.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.isEmpty() || lines.first() != QLatin1String("REGEDIT4")) {
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

#include "cli/Args.h"
#include "cli/Command.h"
#include "storage/CalibrationFile.h"
#include "storage/FileJson.h"
#include "storage/FileOutput.h"
#include "storage/TestFile.h"
#include "storage/TextExport.h"

#include <QFileInfo>

namespace tavo::cli {

namespace {

// JSON texts are small, but never read a huge file whole.
constexpr qsizetype kMaxJsonSize = 16 * 1024 * 1024;

enum class Kind { TestFile, CalibrationFile, Json, TextExport, Unknown };

Kind kindOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("vkt")) {
        return Kind::TestFile;
    }
    if (suffix == QLatin1String("vkk")) {
        return Kind::CalibrationFile;
    }
    if (suffix == QLatin1String("json")) {
        return Kind::Json;
    }
    if (suffix == QLatin1String("txt")) {
        return Kind::TextExport;
    }
    return Kind::Unknown;
}

// A refused input: message on stderr, exit code 2, nothing written.
struct Refused {
    QString message;
};

QByteArray readInput(const QString& fileName, qsizetype maxBytes) {
    auto bytes = storage::readFileHead(fileName, maxBytes);
    if (!bytes) {
        throw Refused{bytes.error};
    }
    return *bytes.value;
}

template <typename T> T accepted(storage::Decoded<T> decoded, const QString& fileName) {
    if (!decoded) {
        throw Refused{QStringLiteral("%1: %2").arg(fileName, decoded.error)};
    }
    return std::move(*decoded.value);
}

QByteArray convert(const QString& in, Kind from, Kind to) {
    if (from == Kind::TestFile && (to == Kind::Json || to == Kind::TextExport)) {
        const auto contents =
            accepted(storage::decodeTestFile(readInput(in, storage::kMaxTestFileSize)), in);
        return to == Kind::Json ? storage::jsonText(storage::testFileToJson(contents))
                                : storage::encodeTextExport(contents.run1, contents.run2);
    }
    if (from == Kind::CalibrationFile && to == Kind::Json) {
        const auto contents = accepted(
            storage::decodeCalibrationFile(readInput(in, storage::kMaxCalibrationFileSize)), in);
        return storage::jsonText(accepted(storage::calibrationFileToJson(contents), in));
    }
    if (from == Kind::Json && (to == Kind::TestFile || to == Kind::CalibrationFile)) {
        const auto json = accepted(storage::parseJsonObject(readInput(in, kMaxJsonSize)), in);
        if (to == Kind::TestFile) {
            return storage::encodeTestFile(accepted(storage::testFileFromJson(json), in));
        }
        return storage::encodeCalibrationFile(accepted(storage::calibrationFileFromJson(json), in));
    }
    throw UsageError("Diese Umwandlung gibt es nicht. Möglich sind: .vkt -> .json, .vkt -> .txt, "
                     ".json -> .vkt, .vkk -> .json, .json -> .vkk");
}

int runConvert(const QStringList& words) {
    const Args args(words, {}, {});
    if (args.positional().size() != 2) {
        throw UsageError("Erwartet werden genau zwei Dateinamen: EINGABE AUSGABE.");
    }
    const QString in = args.positional().at(0);
    const QString out = args.positional().at(1);
    QByteArray bytes;
    try {
        bytes = convert(in, kindOf(in), kindOf(out));
    } catch (const Refused& refused) {
        err(QStringLiteral("tavo convert: %1").arg(refused.message));
        return 2;
    }
    if (const QString failure = storage::saveBytes(out, bytes); !failure.isEmpty()) {
        err(QStringLiteral("tavo convert: %1").arg(failure));
        return 1;
    }
    return 0;
}

} // namespace

Command convertCommand() {
    return {QStringLiteral("convert"),
            QStringLiteral("Test- und Kalibrierungsdateien umwandeln (JSON, Textexport)"),
            QStringLiteral(
                "tavo convert EINGABE AUSGABE\n"
                "\n"
                "Wandelt nach den Dateiendungen (Groß-/Kleinschreibung egal) um:\n"
                "  .vkt -> .json   Testdatei als JSON\n"
                "  .vkt -> .txt    Textexport (1108 Zeilen, wie \"Speichern\" als ASCII-Text)\n"
                "  .json -> .vkt   JSON als Testdatei\n"
                "  .vkk -> .json   Kalibrierungsdatei als JSON\n"
                "  .json -> .vkk   JSON als Kalibrierungsdatei\n"
                "Die JSON-Formen beschreibt docs/file-formats-json.md. Texte werden wie im\n"
                "Programm auf 255 Zeichen gekürzt; Zeichen, die Windows-1252 nicht kennt,\n"
                "werden zu \"?\".\n"
                "Eine abgelehnte Eingabe meldet den Grund und endet mit Code 2; die\n"
                "Ausgabedatei wird dann weder angelegt noch verändert. Die Ausgabe wird\n"
                "über eine temporäre Datei im selben Ordner geschrieben."),
            runConvert};
}

} // namespace tavo::cli

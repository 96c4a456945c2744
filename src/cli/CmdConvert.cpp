#include "cli/Args.h"
#include "cli/Command.h"
#include "cli/InputFiles.h"
#include "storage/CalibrationFile.h"
#include "storage/FileJson.h"
#include "storage/FileOutput.h"
#include "storage/TestFile.h"
#include "storage/TextExport.h"

#include <QCoreApplication>

#include <QFileInfo>

namespace tavo::cli {

namespace {

// JSON texts are small, but never read a huge file whole.
constexpr qsizetype kMaxJsonSize = 16 * 1024 * 1024;

enum class Kind { TestFile, CalibrationFile, Json, TextExport, Unknown };

Kind kindOf(const QString& fileName) {
    switch (kindByName(fileName)) {
    case FileKind::Test:
        return Kind::TestFile;
    case FileKind::Calibration:
        return Kind::CalibrationFile;
    case FileKind::Unknown:
        break;
    }
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("json")) {
        return Kind::Json;
    }
    if (suffix == QLatin1String("txt")) {
        return Kind::TextExport;
    }
    return Kind::Unknown;
}

bool possible(Kind from, Kind to) {
    switch (from) {
    case Kind::TestFile:
        return to == Kind::Json || to == Kind::TextExport;
    case Kind::CalibrationFile:
        return to == Kind::Json;
    case Kind::Json:
        return to == Kind::TestFile || to == Kind::CalibrationFile;
    case Kind::TextExport:
    case Kind::Unknown:
        break;
    }
    return false;
}

template <typename T> T accepted(storage::Decoded<T> decoded, const QString& fileName) {
    if (!decoded) {
        throw Failure{QStringLiteral("%1: %2").arg(fileName, decoded.error)};
    }
    return std::move(*decoded.value);
}

QByteArray convert(const QString& in, Kind from, Kind to) {
    if (from == Kind::TestFile) {
        const auto contents = readTestFile(in);
        return to == Kind::Json ? storage::jsonText(storage::testFileToJson(contents))
                                : storage::encodeTextExport(contents.run1, contents.run2);
    }
    if (from == Kind::CalibrationFile) {
        return storage::jsonText(
            accepted(storage::calibrationFileToJson(readCalibrationFile(in)), in));
    }
    const auto json = accepted(storage::parseJsonObject(readInput(in, kMaxJsonSize)), in);
    if (to == Kind::TestFile) {
        return storage::encodeTestFile(accepted(storage::testFileFromJson(json), in));
    }
    return storage::encodeCalibrationFile(accepted(storage::calibrationFileFromJson(json), in));
}

int runConvert(const QStringList& words) {
    const Args args(words, {}, {});
    if (args.positional().size() != 2) {
        throw UsageError(QCoreApplication::translate(
            "CmdConvert", "Erwartet werden genau zwei Dateinamen: EINGABE AUSGABE."));
    }
    const QString in = args.positional().at(0);
    const QString out = args.positional().at(1);
    // The names decide the conversion, before any file is touched.
    if (!possible(kindOf(in), kindOf(out))) {
        throw UsageError(QCoreApplication::translate(
            "CmdConvert", "Diese Umwandlung gibt es nicht. Möglich sind: .vkt/.aud -> .json, "
                          ".vkt/.aud -> .txt, .json -> .vkt/.aud, .vkk -> .json, .json -> .vkk"));
    }
    const QByteArray bytes = convert(in, kindOf(in), kindOf(out));
    if (const QString failure = storage::saveBytes(out, bytes); !failure.isEmpty()) {
        throw Failure{failure};
    }
    return 0;
}

} // namespace

Command convertCommand() {
    return {QStringLiteral("convert"),
            QCoreApplication::translate(
                "CmdConvert", "Test- und Kalibrierungsdateien umwandeln (JSON, Textexport)"),
            QCoreApplication::translate(
                "CmdConvert",
                "tavo convert EINGABE AUSGABE\n"
                "\n"
                "Wandelt nach den Dateiendungen (Groß-/Kleinschreibung egal) um:\n"
                "  .vkt -> .json   Testdatei als JSON\n"
                "  .vkt -> .txt    Textexport (1108 Zeilen, wie \"Speichern\" als ASCII-Text)\n"
                "  .json -> .vkt   JSON als Testdatei\n"
                "  .vkk -> .json   Kalibrierungsdatei als JSON\n"
                "  .json -> .vkk   JSON als Kalibrierungsdatei\n"
                "Testdateien dürfen statt .vkt auch .aud heißen.\n"
                "Die JSON-Formen beschreibt docs/file-formats-json.md. Texte werden wie im\n"
                "Programm auf 255 Zeichen gekürzt; Zeichen, die Windows-1252 nicht kennt,\n"
                "werden zu \"?\".\n"
                "Eine fehlende, unlesbare oder beschädigte Eingabe und eine Ausgabe, die\n"
                "nicht geschrieben werden kann, melden den Grund und enden mit Code 1;\n"
                "die Ausgabedatei wird dann weder angelegt noch verändert. Eine Umwandlung,\n"
                "die es nicht gibt, und falsche Argumente enden mit Code 2. Die Ausgabe\n"
                "wird über eine temporäre Datei im selben Ordner geschrieben."),
            runConvert};
}

} // namespace tavo::cli

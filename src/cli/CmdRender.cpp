#include "cli/Args.h"
#include "cli/Command.h"
#include "cli/InputFiles.h"
#include "engine/AppState.h"
#include "engine/Evaluation.h"
#include "platform/AtomicFile.h"
#include "platform/FileNames.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimMessages.h"
#include "storage/Registry.h"
#include "storage/Settings.h"
#include "storage/TestFile.h"
#include "ui/AudiogramPainter.h"

#include <QBuffer>

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace tavo::cli {

namespace {

// The threshold table box is as high as in the window.
constexpr int kTableHeight = 49;
// The gap between the two boxes on the PDF page.
constexpr int kPdfGap = 10;

// The settings of a store as the program would load them at start-up; the
// design values (and the colours of a fresh installation) without a store.
storage::Settings loadSettings(const std::optional<QString>& path) {
    storage::Settings settings = storage::designSettings();
    if (!path) {
        return settings;
    }
    checkSettingsFile(*path);
    platform::RegFileSettingsStore store(*path);
    platform::SimMessages quiet; // reported below, in the tool's words
    const auto read = storage::readStoredSettings(store, settings, quiet);
    if (!read.ok) {
        err(QCoreApplication::translate(
                "CmdRender", "tavo render: Einstellungen nur bis \"%1\" gelesen; der Rest wie nach "
                             "einem Lesefehler des Programms.")
                .arg(read.failedAt));
    }
    return settings;
}

// Opens a test file as the main window does: both runs, results valid.
void openTestFile(const QString& fileName, engine::AppState& state) {
    state.Record = readTestRecordFile(fileName);
}

// The picture formats by file name (lower case), with Qt's writer for each.
const QStringList kPictureSuffixes = {QStringLiteral("png"), QStringLiteral("jpg"),
                                      QStringLiteral("jpeg")};

QByteArray pictureBytes(const QImage& image, const QString& fileName) {
    const bool jpeg = QFileInfo(fileName).suffix().toLower() != QLatin1String("png");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Lines and small figures: a high JPEG quality keeps them crisp.
    if (!image.save(&buffer, jpeg ? "JPEG" : "PNG", jpeg ? 95 : -1)) {
        return {}; // an empty picture is refused below
    }
    return bytes;
}

// Both boxes on one page of their own size (96 pixels per inch), the
// table under the audiogram, on white as on paper.
QByteArray pdfBytes(const engine::AppState& state, const storage::Settings& settings,
                    QSize audiogramSize) {
    const QSize tableSize(audiogramSize.width(), kTableHeight);
    const QSizeF page(audiogramSize.width(), audiogramSize.height() + kPdfGap + kTableHeight);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(96);
        writer.setPageSize(QPageSize(page * 72.0 / 96.0, QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(QCoreApplication::translate("CmdRender", "Audiogramm"));
        QPainter painter(&writer);
        ui::pbxAudiogramPaint(state, settings, {{&painter, audiogramSize}, {}, true});
        painter.translate(0, audiogramSize.height() + kPdfGap);
        ui::pbxAudiogramPaint(state, settings,
                              {{nullptr, audiogramSize}, {&painter, tableSize}, true});
    }
    return bytes;
}

int runRender(const QStringList& words) {
    const Args args(words,
                    {QStringLiteral("out"), QStringLiteral("table"), QStringLiteral("pdf"),
                     QStringLiteral("width"), QStringLiteral("height"), QStringLiteral("settings")},
                    {QStringLiteral("printing")});
    if (args.positional().size() != 1) {
        throw UsageError(QCoreApplication::translate(
            "CmdRender", "Erwartet wird genau eine Testdatei (.vkt oder .aud)."));
    }
    const auto audiogramOut = args.optionalText(QStringLiteral("out"));
    const auto tableOut = args.optionalText(QStringLiteral("table"));
    const auto pdfOut = args.optionalText(QStringLiteral("pdf"));
    if (!audiogramOut && !tableOut && !pdfOut) {
        throw UsageError(QCoreApplication::translate(
            "CmdRender", "Mindestens eine Ausgabe fehlt: --out, --table oder --pdf."));
    }
    // The format follows the name; a name the format does not match would
    // mislead whoever opens the file later.
    if (audiogramOut) {
        requireSuffix(QStringLiteral("out"), *audiogramOut, kPictureSuffixes);
    }
    if (tableOut) {
        requireSuffix(QStringLiteral("table"), *tableOut, kPictureSuffixes);
    }
    if (pdfOut) {
        requireSuffix(QStringLiteral("pdf"), *pdfOut, {QStringLiteral("pdf")});
    }
    const QSize size(args.optionalInteger(QStringLiteral("width"), 100, 8000).value_or(969),
                     args.optionalInteger(QStringLiteral("height"), 60, 8000).value_or(301));
    const bool printing = args.flag(QStringLiteral("printing"));

    engine::AppState state;
    const storage::Settings settings = loadSettings(args.optionalText(QStringLiteral("settings")));
    openTestFile(args.positional().first(), state);

    QImage audiogram(size, QImage::Format_RGB32);
    QImage table(size.width(), kTableHeight, QImage::Format_RGB32);
    std::optional<engine::SummaryTexts> summary;
    QString dateLine;
    {
        QPainter audiogramPainter(&audiogram);
        QPainter tablePainter(&table);
        dateLine = ui::pbxAudiogramPaint(
            state, settings, {{&audiogramPainter, size}, {&tablePainter, table.size()}, printing},
            [&] { summary = engine::CalcAVP(state); });
    }
    const std::pair<std::optional<QString>, std::function<QByteArray()>> outputs[] = {
        {audiogramOut,
         [&] {
             return pictureBytes(audiogram, *audiogramOut);
         }},
        {tableOut,
         [&] {
             return pictureBytes(table, *tableOut);
         }},
        {pdfOut,
         [&] {
             return pdfBytes(state, settings, size);
         }},
    };
    // All or nothing: every output is written beside its target first, and
    // only when all of them could be written do they replace their targets.
    std::vector<std::pair<QString, std::unique_ptr<platform::AtomicFile>>> staged;
    for (const auto& [target, bytes] : outputs) {
        if (!target) {
            continue;
        }
        const QByteArray encoded = bytes();
        if (encoded.isEmpty()) {
            err(QCoreApplication::translate("CmdRender",
                                            "tavo render: %1 kann nicht erzeugt werden.")
                    .arg(*target));
            return 1;
        }
        auto file = std::make_unique<platform::AtomicFile>();
        if (!file->open(*target) ||
            file->write(encoded.constData(), encoded.size()) != encoded.size()) {
            err(QStringLiteral("tavo render: %1: %2").arg(*target, file->errorString()));
            return 1; // the staged files are dropped with their objects
        }
        staged.emplace_back(*target, std::move(file));
    }
    QStringList made;
    for (auto& [target, file] : staged) {
        const bool existed = platform::isFile(target);
        if (!file->commit()) {
            err(QStringLiteral("tavo render: %1: %2").arg(target, file->errorString()));
            // What this run made new goes again.
            for (const QString& name : made) {
                platform::removeFile(name);
            }
            return 1;
        }
        if (!existed) {
            made << target;
        }
    }
    out(dateLine);
    if (summary) {
        out(QStringLiteral("OSPL: %1 dB  OSPR: %2 dB  APV: %3 dB")
                .arg(summary->ospl, summary->ospr, summary->apv));
    }
    return 0;
}

} // namespace

Command renderCommand() {
    return {
        QStringLiteral("render"),
        QCoreApplication::translate("CmdRender", "Audiogramm einer Testdatei als Bild oder PDF"),
        QCoreApplication::translate(
            "CmdRender",
            "tavo render TESTDATEI.vkt --out AUDIOGRAMM.png [--table TABELLE.png]\n"
            "            [--pdf SEITE.pdf] [--width B] [--height H] [--settings DATEI]\n"
            "            [--printing]\n"
            "\n"
            "Zeichnet das Audiogramm so, wie das Hauptfenster es nach dem Öffnen der\n"
            "Testdatei zeigt: --out das Audiogrammfeld (B x H Pixel, ohne Angabe 969 x 301),\n"
            "--table das Feld der Hörschwellenwerte (B x 49), --pdf beide Felder auf einer\n"
            "Seite in ihrer Größe bei 96 Pixeln je Zoll, mit weißem Hintergrund wie auf\n"
            "Papier. --printing zeichnet auch die Bilder mit weißem Hintergrund.\n"
            "Das Bildformat folgt der Endung: .png (PNG) oder .jpg / .jpeg (JPEG); --pdf\n"
            "verlangt .pdf. Eine andere Endung wird abgelehnt.\n"
            "Anzeigeoptionen, Testfrequenzen, Anfangspegel, Mindestzahl der\n"
            "Richtungswechsel und Farben kommen aus der Einstellungsdatei --settings, ohne\n"
            "sie aus den Vorgaben einer neuen Installation. Ausgegeben werden die Datumszeile\n"
            "und OSPL, OSPR und APV. Braucht keine Anzeige.\n"
            "Eine fehlende, unlesbare oder beschädigte Test- oder Einstellungsdatei und\n"
            "eine Ausgabe, die nicht geschrieben werden kann, enden mit Code 1; dann wird\n"
            "keine der Ausgaben angelegt oder verändert. Falsche Argumente enden mit\n"
            "Code 2."),
        runRender};
}

} // namespace tavo::cli

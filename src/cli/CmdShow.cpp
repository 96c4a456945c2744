#include "cli/Args.h"
#include "cli/Command.h"
#include "cli/InputFiles.h"
#include "engine/AppState.h"
#include "engine/Evaluation.h"
#include "storage/CalibrationFile.h"
#include "storage/TestFile.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace tavo::cli {

namespace {

using engine::kEars;
using engine::kResultIndexes;

const std::array<const char*, 2> kEarNames = {QT_TRANSLATE_NOOP("CmdShow", "links"),
                                              QT_TRANSLATE_NOOP("CmdShow", "rechts")};

QString earName(int ear) {
    return QCoreApplication::translate("CmdShow", kEarNames[static_cast<std::size_t>(ear)]);
}

QString yesNo(bool value) {
    return value ? QCoreApplication::translate("CmdShow", "ja")
                 : QCoreApplication::translate("CmdShow", "nein");
}

QString cell(const QString& text) {
    return text.rightJustified(6);
}

// One line of figures under the frequencies of the result indexes; the
// last column is the 1000 Hz retest.
QString frequencyHeader() {
    QString line = QStringLiteral("  %1").arg(QStringLiteral("Hz"), -8);
    for (int index = 0; index < kResultIndexes; ++index) {
        line += cell(QString::number(engine::kInitialFrequencies[index + 1]));
    }
    return line;
}

void showRun(int number, const engine::TTestResult& run) {
    out(QCoreApplication::translate("CmdShow", "Durchlauf %1: %2 %3")
            .arg(number)
            .arg(run.TestDate, run.TestTime));
    out(frequencyHeader());
    for (int ear = 0; ear < kEars; ++ear) {
        QString line = QStringLiteral("  %1").arg(earName(ear), -8);
        for (int index = 0; index < kResultIndexes; ++index) {
            const auto threshold = run.Thresholds[ear][index];
            line += cell(threshold == engine::kNoThreshold ? QStringLiteral("-")
                                                           : QString::number(threshold));
        }
        out(line);
    }
}

// The record as the main window shows it after opening the file.
void showTestFile(const QString& fileName, const engine::TestRecord& record) {
    const auto& data = record.data;
    out(QCoreApplication::translate("CmdShow", "Testdatei:           %1").arg(fileName));
    out(QCoreApplication::translate("CmdShow", "Testperson:          %1").arg(data.person));
    out(QCoreApplication::translate("CmdShow", "Testort:             %1").arg(data.location));
    out(QCoreApplication::translate("CmdShow", "Erstprüfung:         %1")
            .arg(yesNo(data.erstpruefung)));
    out(QCoreApplication::translate("CmdShow", "Überwachungsprüfung: %1")
            .arg(yesNo(data.screening)));
    out(QCoreApplication::translate("CmdShow", "Ergebnis:            %1")
            .arg(data.ok    ? QCoreApplication::translate("CmdShow", "IO")
                 : data.nok ? QCoreApplication::translate("CmdShow", "NIO")
                            : QCoreApplication::translate("CmdShow", "keines")));
    out(QCoreApplication::translate(
        "CmdShow",
        "Hörschwellen in dB HL (- = kein Ergebnis; letzte Spalte: Wiederholung bei 1000 Hz):"));
    showRun(1, record.Test1Result);
    showRun(2, record.Test2Result);
    const auto texts = engine::CalcAVP(record);
    out(QStringLiteral("OSPL: %1 dB   OSPR: %2 dB   APV: %3 dB")
            .arg(texts.ospl, texts.ospr, texts.apv));
}

void showCalibrationFile(const QString& fileName, const storage::CalibrationFileContents& cal) {
    out(QCoreApplication::translate("CmdShow", "Kalibrierungsdatei:  %1").arg(fileName));
    out(QCoreApplication::translate("CmdShow", "Kalibriert von:      %1").arg(cal.person));
    out(QCoreApplication::translate("CmdShow", "Kopfhörer:           %1").arg(cal.headphones));
    out(QCoreApplication::translate("CmdShow", "Soundkarte:          %1").arg(cal.soundcard));
    out(QCoreApplication::translate("CmdShow", "Kommentar:           %1").arg(cal.comment));
    out(QCoreApplication::translate("CmdShow", "Abgeschlossen:       %1 um %2")
            .arg(cal.date, cal.time));
    out(QCoreApplication::translate(
        "CmdShow", "  Ohr        Hz    Wave  Master    Gain  Reserviert  Bezug (dB)"));
    for (int ear = 0; ear < kEars; ++ear) {
        for (int slot = 1; slot <= storage::kCalibratedSlots; ++slot) {
            const auto& point = cal.points[ear][slot - 1];
            out(QStringLiteral("  %1 %2 %3 %4 %5 %6  %7")
                    .arg(earName(ear), -6)
                    .arg(engine::kInitialFrequencies[slot], 6)
                    .arg(point.WaveSteps, 7)
                    .arg(point.MasterSteps, 7)
                    .arg(point.GainSteps, 7)
                    .arg(point.Reserved, 11)
                    .arg(QString::number(point.Reference, 'g', QLocale::FloatingPointShortest)));
        }
    }
}

int runShow(const QStringList& words) {
    const Args args(words, {}, {});
    if (args.positional().size() != 1) {
        throw UsageError(
            QCoreApplication::translate("CmdShow", "Erwartet wird genau ein Dateiname."));
    }
    const QString fileName = args.positional().first();
    const QByteArray bytes =
        readInput(fileName, std::max(storage::kMaxTestFileSize, storage::kMaxCalibrationFileSize));
    // The kind is told by the contents: each format starts with its own
    // signature. A file without either is judged by its name.
    const FileKind kind = kindBySignature(bytes);
    QString reason;
    if (kind == FileKind::Test) {
        const auto test = storage::decodeTestRecord(bytes);
        if (test) {
            showTestFile(fileName, *test);
            return 0;
        }
        reason = test.error();
    } else if (kind == FileKind::Calibration) {
        const auto calibration = storage::decodeCalibrationFile(bytes);
        if (calibration) {
            showCalibrationFile(fileName, *calibration.value);
            return 0;
        }
        reason = calibration.error;
    }
    throw Failure{damagedMessage(fileName, bytes,
                                 kind != FileKind::Unknown ? kind : kindByName(fileName), reason)};
}

} // namespace

Command showCommand() {
    return {QStringLiteral("show"),
            QCoreApplication::translate("CmdShow",
                                        "eine Test- oder Kalibrierungsdatei lesbar anzeigen"),
            QCoreApplication::translate(
                "CmdShow",
                "tavo show DATEI\n"
                "\n"
                "Zeigt eine Testdatei (.vkt oder .aud) mit Testperson, Testort, Prüfungsart,\n"
                "Ergebnis, Datum und Uhrzeit der Durchläufe, den Hörschwellen je Ohr und\n"
                "Frequenz und OSPL / OSPR / APV, wie das Programm sie berechnet; oder eine\n"
                "Kalibrierungsdatei (.vkk) mit ihren Texten und den 22 Kalibrierpunkten.\n"
                "Die Art der Datei ergibt sich aus ihrem Inhalt. Eine fehlende, unlesbare\n"
                "oder beschädigte Datei meldet den Grund und endet mit Code 1; falsche\n"
                "Argumente enden mit Code 2."),
            runShow};
}

} // namespace tavo::cli

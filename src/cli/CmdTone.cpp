#include "cli/Args.h"
#include "cli/Command.h"
#include "cli/ToneOptions.h"
#include "engine/AppState.h"
#include "engine/ToneSynthesis.h"
#include "engine/WavFile.h"

#include <QCoreApplication>

namespace tavo::cli {

namespace {
int runTone(const QStringList& words) {
    const Args args(words,
                    {QStringLiteral("frequency"), QStringLiteral("level"), QStringLiteral("pulse"),
                     QStringLiteral("gap"), QStringLiteral("ear"), QStringLiteral("out")},
                    {QStringLiteral("second-run-offset")});
    if (!args.positional().isEmpty()) {
        throw UsageError(QCoreApplication::translate("CmdTone", "Unerwartetes Argument: %1")
                             .arg(args.positional().first()));
    }
    args.require({QStringLiteral("frequency"), QStringLiteral("level"), QStringLiteral("pulse"),
                  QStringLiteral("gap"), QStringLiteral("ear"), QStringLiteral("out")});
    const ToneOptions tone = readToneOptions(args);
    const double pulse = args.number(QStringLiteral("pulse"), 0.0, 60.0);
    const double gap = args.number(QStringLiteral("gap"), 0.0, 60.0);
    const QString outFile = args.text(QStringLiteral("out"));
    requireSuffix(QStringLiteral("out"), outFile, {QStringLiteral("wav")});

    const double offset =
        args.flag(QStringLiteral("second-run-offset")) ? engine::kSecondRunOffsetDb : 0.0;
    // CreateSound adds the offset itself; the warning is about what is written.
    warnIfClipping(QStringLiteral("tone"), tone.level + offset);
    engine::ToneBuffer buffer;
    engine::CreateSound(engine::ChannelGains::forEar(tone.ear), offset, tone.frequency, buffer,
                        tone.level, pulse, gap);
    if (const QString failure = engine::writeWavFile(outFile, buffer); !failure.isEmpty()) {
        throw Failure{QCoreApplication::translate("CmdTone", "%1 kann nicht geschrieben werden: %2")
                          .arg(outFile, failure)};
    }
    return 0;
}
} // namespace

Command toneCommand() {
    return {QStringLiteral("tone"),
            QCoreApplication::translate("CmdTone", "einen Tonimpuls als WAV-Datei schreiben"),
            QCoreApplication::translate(
                "CmdTone",
                "tavo tone --frequency HZ --level DB --pulse S --gap S --ear left|right\n"
                "          [--second-run-offset] --out FILE.wav\n"
                "\n"
                "Schreibt einen Tonimpuls so, wie der Hörtest ihn spielt: HZ Hertz, DB dB\n"
                "relativ zur digitalen Vollaussteuerung (0 = Spitzenwert 32767), S Sekunden\n"
                "Ton mit Ein- und Ausblendung, dann S Sekunden Stille, auf dem gewählten Ohr.\n"
                "--second-run-offset spielt 5 dB lauter (Praxisabweichung im zweiten Durchlauf).\n"
                "Zahlen dürfen ein Dezimalkomma haben (0,5). Über 0 dB werden die Spitzen\n"
                "begrenzt; das wird gemeldet, die Datei trotzdem geschrieben.\n"
                "Die Datei ist RIFF/WAVE, PCM, 2 Kanäle, 44100 Hz, 16 Bit; ihr Name muss auf\n"
                ".wav enden. Eine Datei, die nicht geschrieben werden kann, endet mit Code 1,\n"
                "falsche Argumente enden mit Code 2."),
            runTone};
}

} // namespace tavo::cli

#include "cli/Args.h"
#include "cli/Command.h"
#include "cli/ToneOptions.h"
#include "engine/AppState.h"
#include "engine/DeviceList.h"
#include "engine/Playback.h"
#include "engine/ToneSynthesis.h"
#include "platform/Platform.h"
#include "ui/QtMessages.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>

namespace tavo::cli {

namespace {
int runPlay(const QStringList& words) {
    const Args args(words,
                    {QStringLiteral("device"), QStringLiteral("frequency"), QStringLiteral("level"),
                     QStringLiteral("ear"), QStringLiteral("seconds")},
                    {QStringLiteral("simulate")});
    if (!args.positional().isEmpty()) {
        throw UsageError(QCoreApplication::translate("CmdPlay", "Unerwartetes Argument: %1")
                             .arg(args.positional().first()));
    }
    args.require({QStringLiteral("device"), QStringLiteral("frequency"), QStringLiteral("level"),
                  QStringLiteral("ear"), QStringLiteral("seconds")});
    const int device = args.integer(QStringLiteral("device"), 0, 1000);
    const ToneOptions tone = readToneOptions(args);
    const double seconds = args.number(QStringLiteral("seconds"), 0.0, 3600.0);
    auto platform = args.flag(QStringLiteral("simulate"))
                        ? platform::makeSimulatedSoundPlatform(std::make_unique<ui::QtMessages>())
                        : platform::makeRealPlatform(std::make_unique<ui::QtMessages>());
    // Without the server the numbering is not the one the user looked up.
    if (const QString silent =
            engine::serverSilentMessage(platform->wave->unreachableDevices(), {});
        !silent.isEmpty()) {
        err(QStringLiteral("tavo play: ") + silent);
        return 1;
    }
    if (device >= platform->wave->deviceCount()) {
        err(QCoreApplication::translate("CmdPlay", "tavo play: Gerät %1 gibt es nicht (%n Geräte).",
                                        nullptr, platform->wave->deviceCount())
                .arg(device));
        return 1;
    }

    warnIfClipping(QStringLiteral("play"), tone.level);
    engine::ToneBuffer buffer;
    engine::CreateSound(engine::ChannelGains::forEar(tone.ear), 0.0, tone.frequency, buffer,
                        tone.level, 1.0, 0.0);
    engine::ToneOutput output(*platform->wave, *platform->pump);
    auto result = output.PreparePlay(device, buffer, -1);
    if (result == platform::WaveResult::Ok) {
        result = output.WriteHeader();
    }
    if (result != platform::WaveResult::Ok) {
        output.FinishPlay();
        err(QCoreApplication::translate("CmdPlay", "tavo play: Gerät %1 kann nicht spielen (%2).")
                .arg(device)
                .arg(QString::fromLatin1(platform::waveResultName(result))));
        return 1;
    }
    // Watch the tone while it plays: a device that fails (a sound server
    // that was stopped or went away) ends the tool at once instead of
    // letting it wait out the time and claim success.
    // ToneOutput lends its header read-only; isDone() only brings the flags
    // up to date with what the playback thread reported.
    auto& header = const_cast<platform::WaveHeader&>(output.header());
    auto& pump = *platform->pump;
    const std::int64_t end = pump.nowMs() + static_cast<std::int64_t>(seconds * 1000.0);
    const auto lost = [device] {
        err(QCoreApplication::translate(
                "CmdPlay", "tavo play: Die Soundkarte antwortet nicht mehr (Gerät %1). Der Ton "
                           "wurde abgebrochen.")
                .arg(device));
        return 1;
    };
    for (std::int64_t now = pump.nowMs(); now < end; now = pump.nowMs()) {
        pump.wait(static_cast<int>(std::min<std::int64_t>(end - now, 50)));
        platform->wave->isDone(header);
        if (header.failed()) {
            // Said before the device is let go, which may take a while.
            const int code = lost();
            output.FinishPlay();
            return code;
        }
    }
    output.FinishPlay();
    // A reset that the device did not carry out fails the buffer too.
    if (header.failed()) {
        return lost();
    }
    return 0;
}
} // namespace

Command playCommand() {
    return {QStringLiteral("play"),
            QCoreApplication::translate("CmdPlay", "einen Dauerton auf einem Gerät spielen"),
            QCoreApplication::translate(
                "CmdPlay",
                "tavo play --device N --frequency HZ --level DB --ear left|right --seconds S\n"
                "          [--simulate]\n"
                "\n"
                "Spielt den Ton der Kalibrierung (1 s Impuls, ohne Pause wiederholt) auf\n"
                "Gerät N (Nummer aus \"tavo devices\") für S Sekunden und hält ihn dann an.\n"
                "DB wie bei \"tavo tone\"; über 0 dB werden die Spitzen begrenzt, das wird\n"
                "gemeldet. Code 1, wenn das Gerät fehlt oder nicht spielt; falsche Argumente\n"
                "enden mit Code 2."),
            runPlay};
}

} // namespace tavo::cli

#include "cli/Args.h"
#include "cli/Command.h"
#include "engine/DeviceList.h"
#include "hardware/MIXER_e.h"
#include "platform/FileNames.h"
#include "platform/Messages.h"
#include "platform/alsa/AlsaMixer.h"
#include "platform/sim/SimMixer.h"

#include <QFile>

#include <QCoreApplication>

namespace tavo::cli {

namespace {

// Message boxes of the mixer layer, written to stderr (a console tool has
// no windows to show them in).
class ConsoleMessages final : public platform::Messages {
public:
    using platform::Messages::show;
    platform::MessageAnswer show(const platform::Message& message) override {
        err(message.caption.isEmpty() ? message.text
                                      : message.caption + QStringLiteral(": ") + message.text);
        if (message.type == platform::MessageType::Error) {
            ++errors;
        }
        return platform::MessageAnswer::Ok;
    }
    int errors = 0;
};

std::unique_ptr<platform::MixerService> chooseService(const Args& args) {
    const bool simulate = args.flag(QStringLiteral("simulate"));
    const auto file = args.optionalText(QStringLiteral("sim-device"));
    if (simulate && file) {
        throw UsageError(QCoreApplication::translate(
            "CmdMixer", "--simulate und --sim-device schließen sich aus."));
    }
    if (simulate) {
        return std::make_unique<platform::SimMixerService>();
    }
    if (file) {
        QFile in;
        if (QString reason; !platform::openFile(*file, QIODevice::ReadOnly, in, &reason)) {
            err(QCoreApplication::translate("CmdMixer",
                                            "tavo mixer: %1 kann nicht gelesen werden: %2")
                    .arg(*file, reason));
            return nullptr;
        }
        std::string error;
        auto devices = platform::parseSimMixerDevices(in.readAll().toStdString(), error);
        if (!devices) {
            err(QStringLiteral("tavo mixer: %1: %2").arg(*file, QString::fromStdString(error)));
            return nullptr;
        }
        return std::make_unique<platform::SimMixerService>(std::move(*devices));
    }
    return std::make_unique<platform::AlsaMixerService>();
}

QString flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString slotLine(const hardware::MIXER_e& mixer, std::size_t index) {
    const hardware::TMixControl& c = mixer.slot(index);
    const auto unit = c.StepUnit();
    return QStringLiteral("%1 present=%2 line=0x%3 channels=%4 control=%5 items=%6 uniform=%7 "
                          "active=%8 min=%9 max=%10 steps=%11 stepunit=%12")
        .arg(QLatin1String(hardware::MIXER_e::slotInfo(index).name), flag(c.Present))
        .arg(c.LineID, 8, 16, QLatin1Char('0'))
        .arg(c.Channels)
        .arg(c.ControlID)
        .arg(c.MultipleItems)
        .arg(flag(c.Uniform), flag(c.Active))
        .arg(c.Minimum)
        .arg(c.Maximum)
        .arg(c.Steps)
        .arg(unit ? QString::number(*unit) : QStringLiteral("-"));
}

std::size_t slotArgument(const QString& name) {
    const auto index = hardware::MIXER_e::slotIndex(name);
    if (!index) {
        throw UsageError(
            QCoreApplication::translate(
                "CmdMixer", "Unbekannter Regler \"%1\" (die Namen zeigt \"tavo mixer\").")
                .arg(name));
    }
    return *index;
}

std::int64_t valueArgument(const QString& text) {
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok) {
        throw UsageError(QCoreApplication::translate("CmdMixer", "Keine ganze Zahl: %1").arg(text));
    }
    return value;
}

int showMixer(hardware::MIXER_e& mixer, ConsoleMessages& messages, std::uint32_t device) {
    const QStringList entries = hardware::mixerDeviceEntries(mixer);
    if (entries.isEmpty()) {
        err(QCoreApplication::translate("CmdMixer", "tavo mixer: keine Mixer-Geräte gefunden."));
        return 1;
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        out(QStringLiteral("%1 %2").arg(i).arg(entries[i]));
    }
    messages.errors = 0;
    mixer.OpenMixerDevice(device);
    if (messages.errors > 0) {
        return 1;
    }
    out(QString());
    for (std::size_t i = 0; i < hardware::kMixerSlots; ++i) {
        out(slotLine(mixer, i));
    }
    out(QString());
    for (const QString& line : mixer.MixerListing) {
        out(line);
    }
    return 0;
}

int getLevel(hardware::MIXER_e& mixer, std::size_t index) {
    const auto& info = hardware::MIXER_e::slotInfo(index);
    if (info.slotClass != hardware::MixSlotClass::Unsigned) {
        throw UsageError(QCoreApplication::translate(
                             "CmdMixer", "%1 ist kein Pegelregler; \"get\" liest nur diese.")
                             .arg(QLatin1String(info.name)));
    }
    auto& control = static_cast<hardware::TMixUnsignedControl&>(mixer.slot(index));
    std::uint32_t left = 0;
    std::uint32_t right = 0;
    if (mixer.GetUnsignedLevel(control, left, right)) {
        err(mixer.MixerStatusText);
        return 1;
    }
    out(QStringLiteral("%1 %2 %3").arg(QLatin1String(info.name)).arg(left).arg(right));
    out(mixer.MixerStatusText);
    return 0;
}

int setLevel(hardware::MIXER_e& mixer, std::size_t index, std::int64_t left, std::int64_t right) {
    const auto& info = hardware::MIXER_e::slotInfo(index);
    bool failed = true;
    if (info.slotClass == hardware::MixSlotClass::Unsigned) {
        failed = mixer.SetUnsignedLevel(
            static_cast<hardware::TMixUnsignedControl&>(mixer.slot(index)), left, right);
    } else if (info.slotClass == hardware::MixSlotClass::Switch) {
        if ((left != 0 && left != 1) || (right != 0 && right != 1)) {
            throw UsageError(QCoreApplication::translate(
                "CmdMixer", "Ein Schalter nimmt nur 0 (aus) oder 1 (ein)."));
        }
        auto toSwitch = [](std::int64_t v) {
            return v == 1 ? 1 : 0;
        };
        failed = mixer.SetSwitchState(static_cast<hardware::TMixSwitchControl&>(mixer.slot(index)),
                                      toSwitch(left), toSwitch(right));
    } else {
        throw UsageError(
            QCoreApplication::translate(
                "CmdMixer", "%1 kann nicht gesetzt werden; \"set\" setzt Pegelregler und Schalter.")
                .arg(QLatin1String(info.name)));
    }
    if (failed) {
        err(mixer.MixerStatusText);
        return 1;
    }
    out(mixer.MixerStatusText);
    return 0;
}

int runMixer(const QStringList& words) {
    const Args args(words, {QStringLiteral("device"), QStringLiteral("sim-device")},
                    {QStringLiteral("simulate")});
    const auto device = static_cast<std::uint32_t>(
        args.optionalInteger(QStringLiteral("device"), 0, 1000).value_or(0));
    const QStringList& positional = args.positional();
    const QString action = positional.value(0);
    std::optional<std::size_t> slot;
    std::int64_t left = 0;
    std::int64_t right = 0;
    if (action == QLatin1String("get") && positional.size() == 2) {
        slot = slotArgument(positional[1]);
    } else if (action == QLatin1String("set") && positional.size() == 4) {
        slot = slotArgument(positional[1]);
        left = valueArgument(positional[2]);
        right = valueArgument(positional[3]);
    } else if (!positional.isEmpty()) {
        throw UsageError(QCoreApplication::translate("CmdMixer", "Unerwartete Argumente: %1")
                             .arg(positional.join(QLatin1Char(' '))));
    }

    const auto service = chooseService(args);
    if (service == nullptr) {
        return 1;
    }
    ConsoleMessages messages;
    hardware::MIXER_e mixer(*service, messages);
    service->deviceCount();
    if (const QString silent = engine::serverSilentMessage({}, service->unreachableDevices());
        !silent.isEmpty()) {
        err(QStringLiteral("tavo mixer: ") + silent);
        return 1;
    }
    if (!slot) {
        return showMixer(mixer, messages, device);
    }
    mixer.CountMixerDevices();
    mixer.OpenMixerDevice(device);
    if (messages.errors > 0) {
        return 1;
    }
    return action == QLatin1String("get") ? getLevel(mixer, *slot)
                                          : setLevel(mixer, *slot, left, right);
}

} // namespace

Command mixerCommand() {
    return {QStringLiteral("mixer"),
            QCoreApplication::translate("CmdMixer",
                                        "die Mixer-Regler der Soundkarte zeigen und setzen"),
            QCoreApplication::translate(
                "CmdMixer",
                "tavo mixer [--device N] [--simulate | --sim-device DATEI.json]\n"
                "tavo mixer get REGLER [--device N] [--simulate | --sim-device DATEI.json]\n"
                "tavo mixer set REGLER LINKS RECHTS [--device N] [--simulate | --sim-device "
                "DATEI.json]\n"
                "\n"
                "Ohne \"get\"/\"set\": die Mixer-Geräte (von 0 an nummeriert), dann für Gerät N\n"
                "(Vorgabe 0) jeden Regler des Verzeichnisses in einer Zeile und die\n"
                "Diagnoseliste der Leitungen und Steuerelemente.\n"
                "\"get\" liest einen Pegelregler (z. B. MasterVolume), \"set\" setzt einen\n"
                "Pegelregler auf die Werte LINKS und RECHTS oder schaltet einen Schalter\n"
                "(z. B. MasterMute) je Kanal ein (1) oder aus (0). Beide zeigen danach den\n"
                "Status der Mixer-Anfrage.\n"
                "--simulate nimmt die eingebaute simulierte Soundkarte, --sim-device eine\n"
                "in DATEI.json beschriebene (Format: docs/mixer-device-json.md)."),
            runMixer};
}

} // namespace tavo::cli

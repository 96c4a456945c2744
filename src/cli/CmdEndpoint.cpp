#include "cli/Args.h"
#include "cli/Command.h"
#include "hardware/MasterLevel.h"
#include "platform/pulse/PulseEndpointVolume.h"
#include "platform/sim/SimEndpointVolume.h"

#include <QCoreApplication>

namespace tavo::cli {

namespace {

int runEndpoint(const QStringList& words) {
    const Args args(words, {}, {QStringLiteral("simulate")});
    const QStringList& positional = args.positional();
    if (positional.size() != 2 || positional[0] != QLatin1String("set")) {
        throw UsageError(
            QCoreApplication::translate("CmdEndpoint", "Erwartet: tavo endpoint set TAUSENDSTEL"));
    }
    const auto value = parseInteger(positional[1]);
    if (!value) {
        throw UsageError(
            QCoreApplication::translate("CmdEndpoint", "Keine ganze Zahl: %1").arg(positional[1]));
    }

    std::unique_ptr<platform::EndpointVolumeService> service;
    if (args.flag(QStringLiteral("simulate"))) {
        service = std::make_unique<platform::SimEndpointVolumeService>();
    } else {
        service = std::make_unique<platform::PulseEndpointVolumeService>();
    }
    if (!service->serverAnswers()) {
        err(QCoreApplication::translate("CmdEndpoint",
                                        "tavo endpoint: kein Sound-Server antwortet (%1).")
                .arg(QString::fromStdString(service->backendName())));
        return 1;
    }
    const auto endpoint = service->activateDefault();
    if (endpoint == nullptr) {
        err(QCoreApplication::translate("CmdEndpoint",
                                        "tavo endpoint: kein Standard-Wiedergabegerät."));
        return 1;
    }
    if (!hardware::ApplyMasterLevel(endpoint.get(), *value)) {
        err(QCoreApplication::translate(
                "CmdEndpoint", "tavo endpoint: der Pegel %1 wurde nicht übernommen (0 bis 1000).")
                .arg(*value));
        return 1;
    }
    out(QCoreApplication::translate("CmdEndpoint", "Master-Pegel %1/1000").arg(*value));
    return 0;
}

} // namespace

Command endpointCommand() {
    return {QStringLiteral("endpoint"),
            QCoreApplication::translate("CmdEndpoint",
                                        "den Master-Pegel des Standard-Wiedergabegeräts setzen"),
            QCoreApplication::translate(
                "CmdEndpoint", "tavo endpoint set TAUSENDSTEL [--simulate]\n"
                               "\n"
                               "Setzt den Master-Pegel des Standard-Wiedergabegeräts (beim\n"
                               "PulseAudio- oder PipeWire-Server die Standard-Senke) auf\n"
                               "TAUSENDSTEL/1000: 0 ist still, 1000 voller Pegel. Werte außerhalb\n"
                               "0..1000 weist das Gerät ab; der Pegel bleibt dann, wie er war.\n"
                               "--simulate nimmt das simulierte Gerät."),
            runEndpoint};
}

} // namespace tavo::cli

#include "engine/DeviceList.h"

#include "platform/WaveOutput.h"

namespace tavo::engine {

QString driverVersionText(std::uint32_t versionWord) {
    return QStringLiteral("%1.%2").arg((versionWord >> 8) & 0xFF).arg(versionWord & 0xFF);
}

QStringList waveOutDeviceEntries(platform::WaveOutput& wave) {
    QStringList entries;
    const int count = wave.deviceCount();
    for (int device = 0; device < count; ++device) {
        platform::WaveOutCaps caps{};
        if (wave.deviceCaps(device, caps) != platform::WaveResult::Ok) {
            caps = {};
        }
        entries << QString::fromStdString(caps.productName) + QStringLiteral(" Driver Version ") +
                       driverVersionText(caps.driverVersion);
    }
    return entries;
}

namespace {
QString quoted(const std::vector<std::string>& names) {
    QStringList parts;
    for (const auto& name : names) {
        parts << QStringLiteral("„%1“").arg(QString::fromStdString(name));
    }
    return parts.join(QStringLiteral(", "));
}
} // namespace

QString unreachableDevicesText(const std::vector<std::string>& playback,
                               const std::vector<std::string>& mixers) {
    QStringList parts;
    if (!playback.empty()) {
        parts << (playback.size() == 1 ? QStringLiteral("Wiedergabegerät ")
                                       : QStringLiteral("Wiedergabegeräte ")) +
                     quoted(playback);
    }
    if (!mixers.empty()) {
        parts << QStringLiteral("Mischpult ") + quoted(mixers);
    }
    return parts.join(QStringLiteral("; "));
}

QString serverSilentMessage(const std::vector<std::string>& playback,
                            const std::vector<std::string>& mixers) {
    const QString missing = unreachableDevicesText(playback, mixers);
    if (missing.isEmpty()) {
        return {};
    }
    return QStringLiteral("Der Soundserver (PulseAudio oder PipeWire) antwortet nicht. Nicht "
                          "erreichbar: %1.")
        .arg(missing);
}

} // namespace tavo::engine

#include "engine/DeviceList.h"

#include "platform/WaveOutput.h"

#include <QCoreApplication>

namespace tavo::engine {

QString driverVersionText(std::uint32_t versionWord) {
    return QStringLiteral("%1.%2").arg((versionWord >> 8) & 0xFF).arg(versionWord & 0xFF);
}

QString deviceEntry(const QString& productName, const QString& driverVersion) {
    return productName + QCoreApplication::translate("DeviceList", " Driver Version ") +
           driverVersion;
}

QStringList waveOutDeviceEntries(platform::WaveOutput& wave) {
    QStringList entries;
    const int count = wave.deviceCount();
    for (int device = 0; device < count; ++device) {
        platform::WaveOutCaps caps{};
        if (wave.deviceCaps(device, caps) != platform::WaveResult::Ok) {
            caps = {};
        }
        entries << deviceEntry(QString::fromStdString(caps.productName),
                               driverVersionText(caps.driverVersion));
    }
    return entries;
}

namespace {
QString quoted(const std::vector<std::string>& names) {
    QStringList parts;
    for (const auto& name : names) {
        parts
            << QCoreApplication::translate("DeviceList", "„%1“").arg(QString::fromStdString(name));
    }
    return parts.join(QStringLiteral(", "));
}
} // namespace

QString unreachableDevicesText(const std::vector<std::string>& playback,
                               const std::vector<std::string>& mixers) {
    QStringList parts;
    if (!playback.empty()) {
        // Named as a list, not counted: one form for one device, one for more.
        parts << (playback.size() == 1
                      ? QCoreApplication::translate("DeviceList", "Wiedergabegerät %1")
                      : QCoreApplication::translate("DeviceList", "Wiedergabegeräte %1"))
                     .arg(quoted(playback));
    }
    if (!mixers.empty()) {
        parts << QCoreApplication::translate("DeviceList", "Mischpult %1").arg(quoted(mixers));
    }
    return parts.join(QStringLiteral("; "));
}

QString serverSilentMessage(const std::vector<std::string>& playback,
                            const std::vector<std::string>& mixers) {
    const QString missing = unreachableDevicesText(playback, mixers);
    if (missing.isEmpty()) {
        return {};
    }
    return QCoreApplication::translate(
               "DeviceList",
               "Der Soundserver (PulseAudio oder PipeWire) antwortet nicht. Nicht erreichbar: %1.")
        .arg(missing);
}

} // namespace tavo::engine

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

} // namespace tavo::engine

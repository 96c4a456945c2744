#pragma once

#include <QStringList>

#include <cstdint>

namespace tavo::platform {
class WaveOutput;
}

namespace tavo::engine {

// The wave-output devices as the settings dialog lists them:
// product name + " Driver Version " + major + "." + minor, in device order.
QStringList waveOutDeviceEntries(platform::WaveOutput& wave);

// "5.2" for 0x0502, "5.10" for 0x050A: major and minor in decimal, the
// minor number not padded.
QString driverVersionText(std::uint32_t versionWord);

} // namespace tavo::engine

#pragma once

#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

namespace tavo::platform {
class WaveOutput;
}

namespace tavo::engine {

// The wave-output devices as the settings dialog lists them (deviceEntry,
// the version as major.minor), in device order.
QStringList waveOutDeviceEntries(platform::WaveOutput& wave);

// A device as the lists show it: the product name, " Driver Version " (in
// the program's language) and the version as the driver gives it.
QString deviceEntry(const QString& productName, const QString& driverVersion);

// "5.2" for 0x0502, "5.10" for 0x050A: major and minor in decimal, the
// minor number not padded.
QString driverVersionText(std::uint32_t versionWord);

// What a sound server that does not answer keeps from the program, in the
// program's language: the playback devices and mixer devices it could not
// reach ("Wiedergabegerät „default“, „pulse“; Mischpult „default“"); empty
// when nothing was left out.
QString unreachableDevicesText(const std::vector<std::string>& playback,
                               const std::vector<std::string>& mixers);
// The one line a program says about them (empty when nothing was left out).
QString serverSilentMessage(const std::vector<std::string>& playback,
                            const std::vector<std::string>& mixers);

} // namespace tavo::engine

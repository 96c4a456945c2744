#pragma once

#include "engine/DeviceList.h"
#include "hardware/MIXER_e.h"
#include "storage/SettingsHost.h"

namespace tavo::ui {

// The mixer layer as the settings dialog lists and opens its devices.
class MixerDeviceList final : public storage::MixerDevices {
public:
    explicit MixerDeviceList(hardware::MIXER_e& mixer) : mixer_(mixer) {}

    int CountMixerDevices() override {
        mixer_.CountMixerDevices();
        return static_cast<int>(mixer_.MixerDeviceCount);
    }
    // A negative index is out of range for the layer too (it compares
    // unsigned) and gets its message.
    void OpenMixerDevice(int index) override {
        mixer_.OpenMixerDevice(static_cast<std::uint32_t>(index));
    }
    QString openedDeviceEntry() const override {
        return engine::deviceEntry(mixer_.MixerCaps.ProductName, mixer_.MixerCaps.DriverVersion);
    }

private:
    hardware::MIXER_e& mixer_;
};

} // namespace tavo::ui

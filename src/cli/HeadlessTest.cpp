#include "cli/HeadlessTest.h"

#include "cli/Command.h"
#include "cli/InputFiles.h"
#include "hardware/MIXER_e.h"
#include "platform/Platform.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "platform/sim/SimMessages.h"
#include "platform/sim/SimMixer.h"
#include "platform/sim/SimWaveOutput.h"
#include "storage/CalibrationFile.h"
#include "storage/FileOutput.h"
#include "storage/Registry.h"
#include "storage/SettingsTable.h"
#include "ui/TestCommand.h"

namespace tavo::cli {

HeadlessTest::HeadlessTest(const QString& settingsFile,
                           std::optional<std::vector<platform::SimMixerDeviceDescription>> mixer) {
    platform_ = platform::makeVirtualPlatform();
    auto& platform = *platform_;
    static_cast<platform::SimWaveOutput&>(*platform.wave).keepLastBufferOnly(true);
    if (mixer) {
        static_cast<platform::SimMixerService&>(*platform.mixer).devices() = std::move(*mixer);
    }
    mixer_ = std::make_unique<hardware::MIXER_e>(*platform.mixer, *platform.messages);

    // As the main window starts: the master level's path.
    state.UseEndpointVolume = platform.endpoint != nullptr && platform.endpoint->serverAnswers();
    if (state.UseEndpointVolume) {
        endpoint_ = platform.endpoint->activateDefault();
    }

    // As the settings dialog starts: every mixer device listed (each opened
    // to be named), the stored settings read, the stored device opened.
    const int waves = platform.wave->deviceCount();
    int mixers = 0;
    if (waves >= 1) {
        mixer_->CountMixerDevices();
        mixers = static_cast<int>(mixer_->MixerDeviceCount);
        for (int i = 0; i < mixers; ++i) {
            mixer_->OpenMixerDevice(static_cast<std::uint32_t>(i));
        }
    }
    if (!settingsFile.isEmpty()) {
        platform::RegFileSettingsStore store(settingsFile);
        storage::readStoredSettings(store, settings, *platform.messages);
    }
    storage::clampDeviceSelections(settings, waves, mixers);
    if (settings.mixerDevice < mixers) {
        mixer_->OpenMixerDevice(static_cast<std::uint32_t>(settings.mixerDevice));
    }

    // As the calibration information starts: the calibration the settings
    // load at start-up (reported, as in the program, when it cannot be).
    if (settings.reloadCalibration) {
        const auto bytes =
            storage::readFileHead(settings.calibrationFileName, storage::kMaxCalibrationFileSize);
        if (bytes) {
            if (const auto contents = storage::decodeCalibrationFile(*bytes.value)) {
                storage::applyCalibrationFile(state, *contents.value);
                storage::noteCalibrationSource(state, settings.calibrationFileName,
                                               contents.value->person, *bytes.value);
            }
        }
    }

    command_ = std::make_unique<ui::TestCommand>(state, settings, platform, *mixer_,
                                                 endpoint_.get(), window_, window_);
}

HeadlessTest::~HeadlessTest() = default;

platform::SimMessages& HeadlessTest::messages() {
    return static_cast<platform::SimMessages&>(*platform_->messages);
}

void HeadlessTest::loadCalibration(const QString& fileName) {
    storage::applyCalibrationFile(state, readCalibrationFile(fileName));
}

} // namespace tavo::cli

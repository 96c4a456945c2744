#include "hardware/VolumeKeeper.h"

#include "hardware/MIXER_e.h"
#include "platform/EndpointVolume.h"

#include <QString>

#include <algorithm>

namespace tavo::hardware {

namespace {

// The controls the program sets.
const char* const kKeptSlots[] = {
    "MasterVolume", "WaveOutVolume", "OutputGain", "MasterBass",  "MasterTreble",
    "MasterOnOff",  "AuxMute",       "MicMute",    "LineMute",    "CDMute",
    "SynthMute",    "DigitalMute",   "PCSpeakerMute"};

} // namespace

VolumeKeeper::VolumeKeeper(MIXER_e& mixer, platform::EndpointVolume* endpoint)
    : mixer_(mixer), endpoint_(endpoint) {
    if (endpoint_ != nullptr) {
        level_ = endpoint_->masterLevelScalar();
    }
    device_ = mixer_.openedIndex();
    if (!device_) {
        return;
    }
    for (const char* name : kKeptSlots) {
        const auto slot = MIXER_e::slotIndex(QString::fromLatin1(name));
        if (!slot || !mixer_.slot(*slot).Present) {
            continue;
        }
        std::uint32_t left = 0;
        std::uint32_t right = 0;
        TMixControl& control = mixer_.slot(*slot);
        const bool failed =
            MIXER_e::slotInfo(*slot).slotClass == MixSlotClass::Switch
                ? mixer_.GetSwitchState(static_cast<TMixSwitchControl&>(control), left, right)
                : mixer_.GetUnsignedLevel(static_cast<TMixUnsignedControl&>(control), left, right);
        if (!failed) {
            kept_.push_back({*slot, {left, right}});
        }
    }
}

void VolumeKeeper::restore() {
    if (restored_) {
        return;
    }
    restored_ = true;
    if (endpoint_ != nullptr && level_) {
        // A level above full (a sound server allows it) comes back as full.
        endpoint_->setMasterLevelScalar(std::clamp(*level_, 0.0f, 1.0f));
    }
    if (!device_ || mixer_.openedIndex() != device_) {
        return;
    }
    for (const auto& [slot, values] : kept_) {
        TMixControl& control = mixer_.slot(slot);
        if (MIXER_e::slotInfo(slot).slotClass == MixSlotClass::Switch) {
            mixer_.SetSwitchState(static_cast<TMixSwitchControl&>(control),
                                  static_cast<std::int32_t>(values[0]),
                                  static_cast<std::int32_t>(values[1]));
        } else {
            mixer_.SetUnsignedLevel(static_cast<TMixUnsignedControl&>(control), values[0],
                                    values[1]);
        }
    }
}

} // namespace tavo::hardware

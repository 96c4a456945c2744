#pragma once

#include <QString>

class QWidget;

#include <cstdint>
#include <optional>

namespace tavo::storage {

// What the settings dialog needs from the rest of the program: the main
// window's colours and repaints, the real-time window's graph, the enabling
// of the main window, and the calibration open dialog.
class SettingsHost {
public:
    virtual ~SettingsHost() = default;

    virtual void repaintAudiogram() = 0;
    virtual void repaintTestWindowGraph() = 0;

    virtual std::uint32_t audiogramAreaColour() const = 0;
    virtual void setAudiogramAreaColour(std::uint32_t colour) = 0;
    virtual void setAudiogramGroupColour(std::uint32_t colour) = 0;
    virtual std::uint32_t windowColour() const = 0;
    virtual void setWindowColour(std::uint32_t colour) = 0;

    // False when start-up found no wave-output device.
    virtual bool calibrationMenuEnabled() const = 0;
    virtual void setMainWindowEnabled(bool enabled) = 0;
    virtual void restoreMainWindow() = 0;

    // The calibration open dialog, in front of `over`; nothing when the
    // user cancels.
    virtual std::optional<QString> chooseCalibrationFile(QWidget* over) = 0;
};

// The mixer devices as the settings dialog lists and opens them.
class MixerDevices {
public:
    virtual ~MixerDevices() = default;
    // Counts the devices (and remembers the count for OpenMixerDevice).
    virtual int CountMixerDevices() = 0;
    // Makes a device the current one; an index outside the list is refused
    // with a message.
    virtual void OpenMixerDevice(int index) = 0;
    // The list entry of the device opened last: product name + " Driver
    // Version " + driver version.
    virtual QString openedDeviceEntry() const = 0;
};

} // namespace tavo::storage

#pragma once

#include "platform/Mixer.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

namespace tavo::platform {
class Messages;
}

namespace tavo::hardware {

// One control of the open mixer device, as the directory keeps it. A new
// object has every field zero or false, i.e. nothing is present.
class TMixControl {
public:
    bool Present = false;       // found on the open device
    std::uint32_t LineID = 0;   // the line that owns the control
    std::uint32_t Channels = 0; // channel count of that line
    bool Active = false;        // not marked disabled by the driver
    std::uint32_t ControlID = 0;
    std::uint32_t MultipleItems = 0;
    bool Uniform = false;     // one value drives all channels
    std::int32_t Minimum = 0; // bounds as the driver reports them
    std::int32_t Maximum = 0;
    std::uint32_t Steps = 0;

    // The control value of one step: Maximum div Steps (64-bit, truncated
    // toward zero). Nothing when Steps is 0: there is no step then, and a
    // caller must not scale or divide by it.
    std::optional<std::int64_t> StepUnit() const;
};

class TMixUnsignedControl : public TMixControl {
public:
    std::array<std::uint32_t, 2> Value{}; // left, right
};

class TMixSignedControl : public TMixControl {
public:
    std::array<std::int32_t, 2> Value{}; // left, right
};

class TMixSwitchControl : public TMixControl {
public:
    std::array<std::uint32_t, 2> Value{}; // left, right: 1 on, 0 off
};

class TMixSrcSelectControl : public TMixControl {
public:
    std::array<std::uint8_t, 32> Value{};
};

// The diagnostic listing of the open device.
class TMixControlStrLst : public QStringList {};

// What the layer knows of the device whose capabilities it read last.
struct TMixerCapsExtended {
    QString ProductName;
    QString DriverVersion;    // "5.10"
    QString DestinationsText; // DestinationCount in decimal
    std::int32_t DestinationCount = 0;
};

// The directory of controls: slot name, class, the line it comes from
// (destination kind and, for a source, its component type) and the control
// type that fills it. One list drives the slot members, the name table and
// the discovery.
// clang-format off
#define TAVO_MIXER_DIRECTORY(X)                                                      \
    X(MasterVolume,        Unsigned,  DstSpeakers, 0,              Volume)          \
    X(OutputGain,          Unsigned,  DstSpeakers, 0,              Unsigned)        \
    X(MasterBass,          Unsigned,  DstSpeakers, 0,              Bass)            \
    X(MasterTreble,        Unsigned,  DstSpeakers, 0,              Treble)          \
    X(MasterMute,          Switch,    DstSpeakers, 0,              Mute)            \
    X(MasterOnOff,         Switch,    DstSpeakers, 0,              OnOff)           \
    X(MasterMono,          Switch,    DstSpeakers, 0,              Mono)            \
    X(MasterLoudness,      Switch,    DstSpeakers, 0,              Loudness)        \
    X(MasterQSoundPan,     Signed,    DstSpeakers, 0,              QSoundPan)       \
    X(WaveOutVolume,       Unsigned,  DstSpeakers, SrcWaveOut,     Volume)          \
    X(WaveOutMute,         Switch,    DstSpeakers, SrcWaveOut,     Mute)            \
    X(WaveOutPeakMeter,    Signed,    DstSpeakers, SrcWaveOut,     PeakMeter)       \
    X(SynthVolume,         Unsigned,  DstSpeakers, SrcSynthesizer, Volume)          \
    X(SynthMute,           Switch,    DstSpeakers, SrcSynthesizer, Mute)            \
    X(CDVolume,            Unsigned,  DstSpeakers, SrcCompactDisc, Volume)          \
    X(CDMute,              Switch,    DstSpeakers, SrcCompactDisc, Mute)            \
    X(LineVolume,          Unsigned,  DstSpeakers, SrcLine,        Volume)          \
    X(LineMute,            Switch,    DstSpeakers, SrcLine,        Mute)            \
    X(AuxVolume,           Unsigned,  DstSpeakers, SrcAuxiliary,   Volume)          \
    X(AuxMute,             Switch,    DstSpeakers, SrcAuxiliary,   Mute)            \
    X(MicVolume,           Unsigned,  DstSpeakers, SrcMicrophone,  Volume)          \
    X(MicMute,             Switch,    DstSpeakers, SrcMicrophone,  Mute)            \
    X(PCSpeakerVolume,     Unsigned,  DstSpeakers, SrcPcSpeaker,   Volume)          \
    X(PCSpeakerMute,       Switch,    DstSpeakers, SrcPcSpeaker,   Mute)            \
    X(DigitalVolume,       Unsigned,  DstSpeakers, SrcDigital,     Volume)          \
    X(DigitalMute,         Switch,    DstSpeakers, SrcDigital,     Mute)            \
    X(RecordUnsigned,      Unsigned,  DstWaveIn,   0,              Unsigned)        \
    X(RecordVolume,        Unsigned,  DstWaveIn,   0,              Volume)          \
    X(RecordSource,        SrcSelect, DstWaveIn,   0,              Mixer)           \
    X(RecordPeakMeter,     Signed,    DstWaveIn,   0,              PeakMeter)       \
    X(RecordSynthVolume,   Unsigned,  DstWaveIn,   SrcSynthesizer, Volume)          \
    X(RecordCDVolume,      Unsigned,  DstWaveIn,   SrcCompactDisc, Volume)          \
    X(RecordLineVolume,    Unsigned,  DstWaveIn,   SrcLine,        Volume)          \
    X(RecordAuxVolume,     Unsigned,  DstWaveIn,   SrcAuxiliary,   Volume)          \
    X(RecordMicVolume,     Unsigned,  DstWaveIn,   SrcMicrophone,  Volume)          \
    X(RecordDigitalVolume, Unsigned,  DstWaveIn,   SrcDigital,     Volume)          \
    X(RecordMicOnOff,      Switch,    DstWaveIn,   SrcMicrophone,  OnOff)
// clang-format on

enum class MixSlotClass { Unsigned, Signed, Switch, SrcSelect };

struct MixSlotInfo {
    const char* name;
    MixSlotClass slotClass;
    std::uint32_t destination; // component type of the destination kind
    std::uint32_t source;      // component type of the source line; 0: the destination
    std::uint32_t controlType;
};

inline constexpr std::size_t kMixerSlots = 37;

// The mixer layer: the one open mixer device and its directory of controls.
// The program holds one; every part that drives the card's controls is
// given it. Not reentrant; used on the user-interface thread only.
class MIXER_e {
public:
    // Both must outlive the layer.
    MIXER_e(platform::MixerService& service, platform::Messages& messages);
    ~MIXER_e();
    MIXER_e(const MIXER_e&) = delete;
    MIXER_e& operator=(const MIXER_e&) = delete;

    // MixerDeviceCount := the service's device count.
    void CountMixerDevices();
    // Fills MixerCaps for a device below MixerDeviceCount and starts a new
    // listing; an index out of range changes nothing but the listing.
    void ReadMixerCaps(std::uint32_t index);
    // Reads the capabilities, empties the directory, closes the device open
    // so far, opens this one and fills the directory from its controls.
    // Reports failures itself (message boxes).
    void OpenMixerDevice(std::uint32_t index);

    // Each returns true when it failed, and leaves MixerStatusText.
    // A value above the control's Maximum is sent as Maximum; a value below
    // 0 cannot be sent to an unsigned control and is sent as 0.
    bool SetUnsignedLevel(TMixUnsignedControl& control, std::int64_t left, std::int64_t right);
    // On failure left and right keep what they held.
    bool GetUnsignedLevel(TMixUnsignedControl& control, std::uint32_t& left, std::uint32_t& right);
    // A channel is switched on exactly when its argument is 1.
    bool SetSwitchState(TMixSwitchControl& control, std::int32_t left, std::int32_t right);
    // On failure left and right keep what they held.
    bool GetSwitchState(TMixSwitchControl& control, std::uint32_t& left, std::uint32_t& right);

    // Module state.
    std::uint32_t MixerDeviceCount = 0;
    TMixerCapsExtended MixerCaps;
    QString MixerStatusText;
    TMixControlStrLst MixerListing;
    platform::MixerResult LastResult = platform::MixerResult::Ok; // of the last mixer call

    bool deviceOpen() const { return handle_ != nullptr; }
    // The index of the open device; nothing while none is open.
    std::optional<std::uint32_t> openedIndex() const {
        return handle_ ? openedIndex_ : std::nullopt;
    }

    // The directory.
#define TAVO_MIXER_SLOT_MEMBER(name, kind, destination, source, type) TMix##kind##Control name;
    TAVO_MIXER_DIRECTORY(TAVO_MIXER_SLOT_MEMBER)
#undef TAVO_MIXER_SLOT_MEMBER

    // The directory by index, in directory order.
    TMixControl& slot(std::size_t index) {
        return *slots_.at(index);
    }
    const TMixControl& slot(std::size_t index) const {
        return *slots_.at(index);
    }
    static const MixSlotInfo& slotInfo(std::size_t index);
    // The index of a slot name ("MasterVolume"), or nothing.
    static std::optional<std::size_t> slotIndex(const QString& name);

private:
    void resetDirectory();
    void discover(std::uint32_t destinationKind);
    void offer(const platform::MixerLine& line, const platform::MixerControl& control,
               std::uint32_t destinationKind, std::uint32_t sourceType);
    void buildListing();
    void listLine(const platform::MixerLine& line);
    platform::MixerResult call(platform::MixerResult result) {
        return LastResult = result;
    }
    // The channel count a value request names for a control.
    static std::uint32_t requestChannels(const TMixControl& control);
    // Reads a control's two values into `held` and left/right; true on
    // failure, with the status text given for a control that is not there
    // or not active.
    bool readValues(const TMixControl& control, std::array<std::uint32_t, 2>& held,
                    std::uint32_t& left, std::uint32_t& right, const QString& absent,
                    const QString& inactive);

    platform::MixerService& service_;
    platform::Messages& messages_;
    std::unique_ptr<platform::MixerDevice> handle_;
    std::optional<std::uint32_t> openedIndex_;
    std::array<TMixControl*, kMixerSlots> slots_{};
};

// The text MixerStatusText takes for a result code.
QString mixerStatusText(platform::MixerResult result);

// The mixer devices as the settings dialog lists them: each device is opened
// in turn and listed as ProductName + " Driver Version " + DriverVersion.
// The last device stays open afterwards; open the chosen one next.
QStringList mixerDeviceEntries(MIXER_e& mixer);

} // namespace tavo::hardware

#pragma once

#include "platform/Utf8Cut.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tavo::platform {

// Result codes of the mixer service. The numbers are the classic multimedia
// error codes, so a Windows backend passes its results through unchanged
// and the mixer layer can name them. A backend may return any other number
// (the layer calls it unknown).
enum class MixerResult : std::uint32_t {
    Ok = 0,
    Error = 1,
    BadDeviceId = 2,
    InvalidHandle = 5,
    NoDriver = 6,
    NoMemory = 7,
    InvalidFlag = 10,
    InvalidParameter = 11,
    InvalidLine = 1024,
    InvalidControl = 1025,
};

const char* mixerResultName(MixerResult result);

// Component types of mixer lines (the service's published constants).
namespace line {
inline constexpr std::uint32_t DstUndefined = 0x0;
inline constexpr std::uint32_t DstDigital = 0x1;
inline constexpr std::uint32_t DstLine = 0x2;
inline constexpr std::uint32_t DstMonitor = 0x3;
inline constexpr std::uint32_t DstSpeakers = 0x4;
inline constexpr std::uint32_t DstHeadphones = 0x5;
inline constexpr std::uint32_t DstTelephone = 0x6;
inline constexpr std::uint32_t DstWaveIn = 0x7;
inline constexpr std::uint32_t DstVoiceIn = 0x8;
inline constexpr std::uint32_t SrcUndefined = 0x1000;
inline constexpr std::uint32_t SrcDigital = 0x1001;
inline constexpr std::uint32_t SrcLine = 0x1002;
inline constexpr std::uint32_t SrcMicrophone = 0x1003;
inline constexpr std::uint32_t SrcSynthesizer = 0x1004;
inline constexpr std::uint32_t SrcCompactDisc = 0x1005;
inline constexpr std::uint32_t SrcTelephone = 0x1006;
inline constexpr std::uint32_t SrcPcSpeaker = 0x1007;
inline constexpr std::uint32_t SrcWaveOut = 0x1008;
inline constexpr std::uint32_t SrcAuxiliary = 0x1009;
inline constexpr std::uint32_t SrcAnalog = 0x100A;

// Line flags.
inline constexpr std::uint32_t FlagActive = 0x1;
inline constexpr std::uint32_t FlagDisconnected = 0x8000;
inline constexpr std::uint32_t FlagSource = 0x80000000u;
} // namespace line

// Control types and control flags (the service's published constants).
namespace control {
inline constexpr std::uint32_t Custom = 0x00000000;
inline constexpr std::uint32_t BooleanMeter = 0x10010000;
inline constexpr std::uint32_t SignedMeter = 0x10020000;
inline constexpr std::uint32_t PeakMeter = 0x10020001;
inline constexpr std::uint32_t UnsignedMeter = 0x10030000;
inline constexpr std::uint32_t Boolean = 0x20010000;
inline constexpr std::uint32_t OnOff = 0x20010001;
inline constexpr std::uint32_t Mute = 0x20010002;
inline constexpr std::uint32_t Mono = 0x20010003;
inline constexpr std::uint32_t Loudness = 0x20010004;
inline constexpr std::uint32_t StereoEnh = 0x20010005;
inline constexpr std::uint32_t BassBoost = 0x20012277;
inline constexpr std::uint32_t Button = 0x21010000;
inline constexpr std::uint32_t Signed = 0x30020000;
inline constexpr std::uint32_t Unsigned = 0x30030000;
inline constexpr std::uint32_t Decibels = 0x30040000;
inline constexpr std::uint32_t Percent = 0x30050000;
inline constexpr std::uint32_t Slider = 0x40020000;
inline constexpr std::uint32_t Pan = 0x40020001;
inline constexpr std::uint32_t QSoundPan = 0x40020002;
inline constexpr std::uint32_t Fader = 0x50030000;
inline constexpr std::uint32_t Volume = 0x50030001;
inline constexpr std::uint32_t Bass = 0x50030002;
inline constexpr std::uint32_t Treble = 0x50030003;
inline constexpr std::uint32_t Equalizer = 0x50030004;
inline constexpr std::uint32_t MicroTime = 0x60030000;
inline constexpr std::uint32_t MilliTime = 0x61030000;
inline constexpr std::uint32_t SingleSelect = 0x70010000;
inline constexpr std::uint32_t Mux = 0x70010001;
inline constexpr std::uint32_t MultipleSelect = 0x71010000;
inline constexpr std::uint32_t Mixer = 0x71010001;

inline constexpr std::uint32_t FlagUniform = 0x1;
inline constexpr std::uint32_t FlagMultiple = 0x2;
inline constexpr std::uint32_t FlagDisabled = 0x80000000u;
} // namespace control

// Published names ("DST_SPEAKERS", "SRC_WAVEOUT", "VOLUME", "MUTE"), or an
// empty string for a number that has none.
const char* componentTypeName(std::uint32_t componentType);
const char* controlTypeName(std::uint32_t controlType);
// The reverse, for descriptions of simulated devices; false when unknown.
bool componentTypeFromName(const std::string& name, std::uint32_t& componentType);
bool controlTypeFromName(const std::string& name, std::uint32_t& controlType);

inline constexpr std::size_t kMixerProductNameChars = 31;
inline constexpr std::size_t kMixerShortNameChars = 15;
inline constexpr std::size_t kMixerNameChars = 63;

struct MixerCaps {
    std::string productName;         // at most 31 characters
    std::uint32_t driverVersion = 0; // major in bits 8..15, minor in bits 0..7
    std::uint32_t destinations = 0;
};

// A destination line (source == kNoSource) or source line of a device.
struct MixerLine {
    static constexpr std::uint32_t kNoSource = 0xFFFFFFFFu;

    std::uint32_t destination = 0;
    std::uint32_t source = kNoSource;
    std::uint32_t lineId = 0;
    std::uint32_t flags = 0;
    std::uint32_t componentType = 0;
    std::uint32_t channels = 0;
    std::uint32_t connections = 0; // source lines of a destination; 0 for a source
    std::uint32_t controls = 0;
    std::string shortName;
    std::string name;
};

struct MixerControl {
    std::uint32_t controlId = 0;
    std::uint32_t type = 0;
    std::uint32_t flags = 0;
    std::uint32_t items = 0; // item count of a multiple-item control, else 0
    std::string shortName;
    std::string name;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::uint32_t steps = 0;
};

// A value request: `channels` channels of `items` items each (1 item when
// `items` is 0), one 32-bit value per channel and item, channel-major.
struct MixerDetailsRequest {
    std::uint32_t controlId = 0;
    std::uint32_t channels = 0;
    std::uint32_t items = 0;

    std::size_t valueCount() const {
        return static_cast<std::size_t>(channels) * (items == 0 ? 1u : items);
    }
};

// An open mixer device; destroying it closes the device.
//
// Guarantees of every backend:
//  - a value request never reads or writes beyond the value area it is
//    given: a request that names more values than the area holds, or no
//    channel at all, is refused with InvalidParameter before the backend
//    sees it (checked here, once, for all backends);
//  - a request that names more channels than the control has is refused
//    with InvalidParameter; one channel reads the first channel and writes
//    every channel;
//  - an unknown line identifier gives InvalidLine, an unknown control
//    identifier InvalidControl, a line index out of range InvalidParameter;
//  - a failed read leaves the value area as it was.
class MixerDevice {
public:
    virtual ~MixerDevice() = default;

    virtual MixerResult destinationLine(std::uint32_t destination, MixerLine& line) = 0;
    virtual MixerResult sourceLine(std::uint32_t destination, std::uint32_t source,
                                   MixerLine& line) = 0;
    // All controls of a line, in the device's order.
    virtual MixerResult lineControls(std::uint32_t lineId, std::vector<MixerControl>& controls) = 0;

    MixerResult getControlDetails(const MixerDetailsRequest& request,
                                  std::span<std::uint32_t> values);
    MixerResult setControlDetails(const MixerDetailsRequest& request,
                                  std::span<const std::uint32_t> values);

protected:
    // Called with a checked request: values.size() == request.valueCount() >= 1.
    virtual MixerResult readDetails(const MixerDetailsRequest& request,
                                    std::span<std::uint32_t> values) = 0;
    virtual MixerResult writeDetails(const MixerDetailsRequest& request,
                                     std::span<const std::uint32_t> values) = 0;
};

// The mixer service: the sound cards' mixer devices.
class MixerService {
public:
    virtual ~MixerService() = default;

    virtual std::string backendName() const = 0;
    virtual std::uint32_t deviceCount() = 0;
    virtual MixerResult deviceCaps(std::uint32_t device, MixerCaps& caps) = 0;
    // Opens a device. The opened device may refer to the service, so the
    // service must outlive it.
    virtual MixerResult open(std::uint32_t device, std::unique_ptr<MixerDevice>& opened) = 0;
    // The devices left out or not opened because the sound server they go
    // through did not answer ("default").
    virtual std::vector<std::string> unreachableDevices() const { return {}; }
};

} // namespace tavo::platform

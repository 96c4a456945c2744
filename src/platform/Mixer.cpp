#include "platform/Mixer.h"

namespace tavo::platform {

namespace {

struct NamedType {
    std::uint32_t value;
    const char* name;
};

constexpr NamedType kComponentTypes[] = {
    {line::DstUndefined, "DST_UNDEFINED"},
    {line::DstDigital, "DST_DIGITAL"},
    {line::DstLine, "DST_LINE"},
    {line::DstMonitor, "DST_MONITOR"},
    {line::DstSpeakers, "DST_SPEAKERS"},
    {line::DstHeadphones, "DST_HEADPHONES"},
    {line::DstTelephone, "DST_TELEPHONE"},
    {line::DstWaveIn, "DST_WAVEIN"},
    {line::DstVoiceIn, "DST_VOICEIN"},
    {line::SrcUndefined, "SRC_UNDEFINED"},
    {line::SrcDigital, "SRC_DIGITAL"},
    {line::SrcLine, "SRC_LINE"},
    {line::SrcMicrophone, "SRC_MICROPHONE"},
    {line::SrcSynthesizer, "SRC_SYNTHESIZER"},
    {line::SrcCompactDisc, "SRC_COMPACTDISC"},
    {line::SrcTelephone, "SRC_TELEPHONE"},
    {line::SrcPcSpeaker, "SRC_PCSPEAKER"},
    {line::SrcWaveOut, "SRC_WAVEOUT"},
    {line::SrcAuxiliary, "SRC_AUXILIARY"},
    {line::SrcAnalog, "SRC_ANALOG"},
};

constexpr NamedType kControlTypes[] = {
    {control::Custom, "CUSTOM"},
    {control::BooleanMeter, "BOOLEANMETER"},
    {control::SignedMeter, "SIGNEDMETER"},
    {control::PeakMeter, "PEAKMETER"},
    {control::UnsignedMeter, "UNSIGNEDMETER"},
    {control::Boolean, "BOOLEAN"},
    {control::OnOff, "ONOFF"},
    {control::Mute, "MUTE"},
    {control::Mono, "MONO"},
    {control::Loudness, "LOUDNESS"},
    {control::StereoEnh, "STEREOENH"},
    {control::BassBoost, "BASS_BOOST"},
    {control::Button, "BUTTON"},
    {control::Signed, "SIGNED"},
    {control::Unsigned, "UNSIGNED"},
    {control::Decibels, "DECIBELS"},
    {control::Percent, "PERCENT"},
    {control::Slider, "SLIDER"},
    {control::Pan, "PAN"},
    {control::QSoundPan, "QSOUNDPAN"},
    {control::Fader, "FADER"},
    {control::Volume, "VOLUME"},
    {control::Bass, "BASS"},
    {control::Treble, "TREBLE"},
    {control::Equalizer, "EQUALIZER"},
    {control::MicroTime, "MICROTIME"},
    {control::MilliTime, "MILLITIME"},
    {control::SingleSelect, "SINGLESELECT"},
    {control::Mux, "MUX"},
    {control::MultipleSelect, "MULTIPLESELECT"},
    {control::Mixer, "MIXER"},
};

template <std::size_t N> const char* nameOf(const NamedType (&table)[N], std::uint32_t value) {
    for (const auto& entry : table) {
        if (entry.value == value) {
            return entry.name;
        }
    }
    return "";
}

template <std::size_t N>
bool valueOf(const NamedType (&table)[N], const std::string& name, std::uint32_t& value) {
    for (const auto& entry : table) {
        if (name == entry.name) {
            value = entry.value;
            return true;
        }
    }
    return false;
}

} // namespace

const char* mixerResultName(MixerResult result) {
    switch (result) {
    case MixerResult::Ok:
        return "NOERROR";
    case MixerResult::Error:
        return "ERROR";
    case MixerResult::BadDeviceId:
        return "BADDEVICEID";
    case MixerResult::InvalidHandle:
        return "INVALHANDLE";
    case MixerResult::NoDriver:
        return "NODRIVER";
    case MixerResult::NoMemory:
        return "NOMEM";
    case MixerResult::InvalidFlag:
        return "INVALFLAG";
    case MixerResult::InvalidParameter:
        return "INVALPARAM";
    case MixerResult::InvalidLine:
        return "INVALLINE";
    case MixerResult::InvalidControl:
        return "INVALCONTROL";
    }
    return "UNKNOWN";
}

const char* componentTypeName(std::uint32_t componentType) {
    return nameOf(kComponentTypes, componentType);
}

const char* controlTypeName(std::uint32_t controlType) {
    return nameOf(kControlTypes, controlType);
}

bool componentTypeFromName(const std::string& name, std::uint32_t& componentType) {
    return valueOf(kComponentTypes, name, componentType);
}

bool controlTypeFromName(const std::string& name, std::uint32_t& controlType) {
    return valueOf(kControlTypes, name, controlType);
}

MixerResult MixerDevice::getControlDetails(const MixerDetailsRequest& request,
                                           std::span<std::uint32_t> values) {
    if (request.channels == 0 || request.valueCount() > values.size()) {
        return MixerResult::InvalidParameter;
    }
    return readDetails(request, values.first(request.valueCount()));
}

MixerResult MixerDevice::setControlDetails(const MixerDetailsRequest& request,
                                           std::span<const std::uint32_t> values) {
    if (request.channels == 0 || request.valueCount() > values.size()) {
        return MixerResult::InvalidParameter;
    }
    return writeDetails(request, values.first(request.valueCount()));
}

} // namespace tavo::platform

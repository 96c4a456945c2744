#include "hardware/MIXER_e.h"

#include "engine/DeviceList.h"
#include "platform/Messages.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

namespace tavo::hardware {

namespace pm = platform;

namespace {

#define TAVO_MIXER_SLOT_INFO(name, kind, destination, source, type)                                \
    MixSlotInfo{#name, MixSlotClass::kind, pm::line::destination,                                  \
                static_cast<std::uint32_t>(source), pm::control::type},
// A source of 0 stands for the destination line itself.
constexpr std::uint32_t SrcWaveOut = pm::line::SrcWaveOut;
constexpr std::uint32_t SrcSynthesizer = pm::line::SrcSynthesizer;
constexpr std::uint32_t SrcCompactDisc = pm::line::SrcCompactDisc;
constexpr std::uint32_t SrcLine = pm::line::SrcLine;
constexpr std::uint32_t SrcAuxiliary = pm::line::SrcAuxiliary;
constexpr std::uint32_t SrcMicrophone = pm::line::SrcMicrophone;
constexpr std::uint32_t SrcPcSpeaker = pm::line::SrcPcSpeaker;
constexpr std::uint32_t SrcDigital = pm::line::SrcDigital;

constexpr MixSlotInfo kDirectory[] = {TAVO_MIXER_DIRECTORY(TAVO_MIXER_SLOT_INFO)};
#undef TAVO_MIXER_SLOT_INFO
static_assert(std::size(kDirectory) == kMixerSlots);

const QString kListingRule = QString(71, QLatin1Char('-'));

QString hex(std::uint32_t value) {
    return QStringLiteral("%1").arg(value, 8, 16, QLatin1Char('0')).toUpper();
}

QString typeText(const char* name, std::uint32_t value) {
    return *name != '\0' ? QString::fromLatin1(name) : QStringLiteral("0x") + hex(value);
}

} // namespace

std::optional<std::int64_t> TMixControl::StepUnit() const {
    if (Steps == 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(Maximum) / static_cast<std::int64_t>(Steps);
}

QString mixerStatusText(pm::MixerResult result) {
    switch (result) {
    case pm::MixerResult::Ok:
        return QStringLiteral("MixerControlDetails OK ");
    case pm::MixerResult::BadDeviceId:
        return QStringLiteral("MixerControlDetails  BADDEVICEID !");
    case pm::MixerResult::InvalidHandle:
        return QStringLiteral("MixerControlDetails INVALHANDLE");
    case pm::MixerResult::NoDriver:
        return QStringLiteral("MixerControlDetails NODRIVER");
    case pm::MixerResult::InvalidFlag:
        return QStringLiteral("MixerControlDetails INVALFLAG");
    case pm::MixerResult::InvalidParameter:
        return QStringLiteral("MixerControlDetails INVALPARAM");
    case pm::MixerResult::InvalidLine:
        return QStringLiteral("MixerControlDetails INVALLINE");
    case pm::MixerResult::InvalidControl:
        return QStringLiteral("MixerControlDetails INVALCONTROL");
    default:
        return QCoreApplication::translate("MIXER_e",
                                           "MixerControlDetails unbekannter Rückgabecode");
    }
}

MIXER_e::MIXER_e(pm::MixerService& service, pm::Messages& messages)
    : service_(service), messages_(messages) {
    std::size_t i = 0;
#define TAVO_MIXER_SLOT_POINTER(name, kind, destination, source, type) slots_[i++] = &name;
    TAVO_MIXER_DIRECTORY(TAVO_MIXER_SLOT_POINTER)
#undef TAVO_MIXER_SLOT_POINTER
}

// The open device closes with its handle.
MIXER_e::~MIXER_e() = default;

const MixSlotInfo& MIXER_e::slotInfo(std::size_t index) {
    return kDirectory[index];
}

std::optional<std::size_t> MIXER_e::slotIndex(const QString& name) {
    for (std::size_t i = 0; i < kMixerSlots; ++i) {
        if (name == QLatin1String(kDirectory[i].name)) {
            return i;
        }
    }
    return std::nullopt;
}

void MIXER_e::CountMixerDevices() {
    MixerDeviceCount = service_.deviceCount();
}

void MIXER_e::ReadMixerCaps(std::uint32_t index) {
    MixerListing = TMixControlStrLst();
    if (index >= MixerDeviceCount) {
        return;
    }
    MixerCaps = TMixerCapsExtended();
    pm::MixerCaps caps;
    if (call(service_.deviceCaps(index, caps)) != pm::MixerResult::Ok) {
        messages_.show(QCoreApplication::translate(
                           "MIXER_e", "Mixereigenschaften konnten nicht ermittelt werden "),
                       QCoreApplication::translate("MIXER_e", "Soundkarten Treiber Problem"),
                       pm::MessageType::Error);
        return;
    }
    // The product name field holds 31 characters and its terminator.
    MixerCaps.ProductName =
        QString::fromStdString(pm::cutUtf8(caps.productName, pm::kMixerProductNameChars));
    MixerCaps.DriverVersion = engine::driverVersionText(caps.driverVersion);
    MixerCaps.DestinationCount = static_cast<std::int32_t>(caps.destinations);
    MixerCaps.DestinationsText = QString::number(MixerCaps.DestinationCount);
    MixerListing << MixerCaps.ProductName << MixerCaps.DriverVersion
                 << QCoreApplication::translate("MIXER_e", "Mixerleitungen : %1")
                        .arg(MixerCaps.DestinationsText);
}

void MIXER_e::resetDirectory() {
#define TAVO_MIXER_SLOT_RESET(name, kind, destination, source, type) name = TMix##kind##Control();
    TAVO_MIXER_DIRECTORY(TAVO_MIXER_SLOT_RESET)
#undef TAVO_MIXER_SLOT_RESET
}

void MIXER_e::OpenMixerDevice(std::uint32_t index) {
    ReadMixerCaps(index);
    // A new directory: nothing present. The device opened before is not
    // used again, so it is closed here.
    resetDirectory();
    handle_.reset();
    openedIndex_.reset();

    if (index >= MixerDeviceCount) {
        messages_.show(QCoreApplication::translate("MIXER_e", "Invalid Device Number !"),
                       QCoreApplication::translate("MIXER_e", "Sound card driver problem"),
                       pm::MessageType::Error);
        return;
    }
    openedIndex_ = index;
    std::unique_ptr<pm::MixerDevice> opened;
    if (call(service_.open(index, opened)) != pm::MixerResult::Ok || opened == nullptr) {
        messages_.show(QCoreApplication::translate("MIXER_e", "Mixer Opening Procedure failed "),
                       QCoreApplication::translate("MIXER_e", "Sound card driver problem"),
                       pm::MessageType::Error);
        return;
    }
    handle_ = std::move(opened);
    discover(pm::line::DstSpeakers);
    discover(pm::line::DstWaveIn);
    buildListing();
}

void MIXER_e::discover(std::uint32_t destinationKind) {
    const auto destinations = static_cast<std::uint32_t>(std::max(MixerCaps.DestinationCount, 0));
    std::vector<pm::MixerControl> controls;

    // Pass 1: the controls of the destination lines of this kind.
    for (std::uint32_t d = 0; d < destinations; ++d) {
        pm::MixerLine line;
        if (call(handle_->destinationLine(d, line)) != pm::MixerResult::Ok ||
            line.componentType != destinationKind) {
            continue;
        }
        if (call(handle_->lineControls(line.lineId, controls)) != pm::MixerResult::Ok) {
            continue;
        }
        for (const auto& c : controls) {
            offer(line, c, destinationKind, 0);
        }
    }

    // Pass 2: the controls of their source lines.
    for (std::uint32_t d = 0; d < destinations; ++d) {
        pm::MixerLine destination;
        if (call(handle_->destinationLine(d, destination)) != pm::MixerResult::Ok ||
            destination.componentType != destinationKind) {
            continue;
        }
        for (std::uint32_t s = 0; s < destination.connections; ++s) {
            pm::MixerLine source;
            if (call(handle_->sourceLine(d, s, source)) != pm::MixerResult::Ok) {
                continue;
            }
            if (call(handle_->lineControls(source.lineId, controls)) != pm::MixerResult::Ok) {
                continue;
            }
            // A source line without a component type matches no source row;
            // it must not be taken for the destination either.
            if (source.componentType == 0) {
                continue;
            }
            for (const auto& c : controls) {
                offer(source, c, destinationKind, source.componentType);
            }
        }
    }
}

void MIXER_e::offer(const pm::MixerLine& line, const pm::MixerControl& control,
                    std::uint32_t destinationKind, std::uint32_t sourceType) {
    for (std::size_t i = 0; i < kMixerSlots; ++i) {
        const MixSlotInfo& info = kDirectory[i];
        if (info.destination != destinationKind || info.source != sourceType ||
            info.controlType != control.type) {
            continue;
        }
        // A later match overwrites an earlier one.
        TMixControl& slot = *slots_[i];
        slot.Present = true;
        slot.LineID = line.lineId;
        slot.Channels = line.channels;
        slot.ControlID = control.controlId;
        slot.MultipleItems = control.items;
        slot.Active = (control.flags & pm::control::FlagDisabled) == 0;
        slot.Uniform = (control.flags & pm::control::FlagUniform) != 0;
        slot.Minimum = control.minimum;
        slot.Maximum = control.maximum;
        slot.Steps = control.steps;
    }
}

void MIXER_e::buildListing() {
    const auto destinations = static_cast<std::uint32_t>(std::max(MixerCaps.DestinationCount, 0));
    for (std::uint32_t d = 0; d < destinations; ++d) {
        pm::MixerLine destination;
        if (call(handle_->destinationLine(d, destination)) != pm::MixerResult::Ok) {
            continue;
        }
        listLine(destination);
        for (std::uint32_t s = 0; s < destination.connections; ++s) {
            pm::MixerLine source;
            if (call(handle_->sourceLine(d, s, source)) == pm::MixerResult::Ok) {
                listLine(source);
            }
        }
    }
}

void MIXER_e::listLine(const pm::MixerLine& line) {
    std::vector<pm::MixerControl> controls;
    if (call(handle_->lineControls(line.lineId, controls)) != pm::MixerResult::Ok) {
        return;
    }
    for (const auto& c : controls) {
        const bool uniform = (c.flags & pm::control::FlagUniform) != 0;
        const bool active = (c.flags & pm::control::FlagDisabled) == 0;
        MixerListing
            << QCoreApplication::translate("MIXER_e", "Leitung : %1 (%2)")
                   .arg(typeText(pm::componentTypeName(line.componentType), line.componentType),
                        QString::fromStdString(line.name))
            << QCoreApplication::translate("MIXER_e", "Leitungs-ID : %1   Leitungs-Flags : %2")
                   .arg(hex(line.lineId), hex(line.flags))
            << QCoreApplication::translate("MIXER_e", "Steuerelemente : %1   Verbindungen : %2")
                   .arg(line.controls)
                   .arg(line.connections)
            << QCoreApplication::translate("MIXER_e", "Steuerelement-Typ : %1")
                   .arg(typeText(pm::controlTypeName(c.type), c.type))
            << QCoreApplication::translate("MIXER_e", "Steuerelement-ID : %1").arg(c.controlId)
            << QCoreApplication::translate("MIXER_e", "Kurzname : %1")
                   .arg(QString::fromStdString(c.shortName))
            << QCoreApplication::translate("MIXER_e", "Name : %1")
                   .arg(QString::fromStdString(c.name))
            << QCoreApplication::translate("MIXER_e", "Minimum : %1   Maximum : %2   Schritte : %3")
                   .arg(c.minimum)
                   .arg(c.maximum)
                   .arg(c.steps)
            << QCoreApplication::translate("MIXER_e", "Kanäle : %1").arg(line.channels)
            << (uniform
                    ? QCoreApplication::translate("MIXER_e",
                                                  "Summenregler für beide Kanäle (Uniform)")
                    : QCoreApplication::translate("MIXER_e", "Getrennte Regler für jeden Kanal"))
            << QCoreApplication::translate("MIXER_e", "Einträge pro Kanal : %1").arg(c.items)
            << (active ? QCoreApplication::translate("MIXER_e", "Steuerelement Active")
                       : QCoreApplication::translate("MIXER_e", "Steuerelement nicht Active "))
            << kListingRule;
    }
}

std::uint32_t MIXER_e::requestChannels(const TMixControl& control) {
    // The value area holds two channels: never let the service read or
    // write more, whatever the line reports.
    return control.Uniform ? 1u : std::min<std::uint32_t>(control.Channels, 2u);
}

bool MIXER_e::SetUnsignedLevel(TMixUnsignedControl& control, std::int64_t left,
                               std::int64_t right) {
    if (!control.Present) {
        MixerStatusText = QCoreApplication::translate(
            "MIXER_e", "Level control not supported by sound card driver!");
        return true;
    }
    if (!control.Active) {
        MixerStatusText = QCoreApplication::translate("MIXER_e", "Control inactive!");
        return true;
    }
    auto clamp = [&control](std::int64_t value) {
        const std::int64_t capped = std::min<std::int64_t>(value, control.Maximum);
        return static_cast<std::uint32_t>(std::max<std::int64_t>(capped, 0));
    };
    control.Value = {clamp(left), clamp(right)};
    const pm::MixerDetailsRequest request{control.ControlID, requestChannels(control),
                                          control.MultipleItems};
    const auto result = call(handle_ ? handle_->setControlDetails(request, control.Value)
                                     : pm::MixerResult::InvalidHandle);
    MixerStatusText = mixerStatusText(result);
    return result != pm::MixerResult::Ok;
}

bool MIXER_e::GetUnsignedLevel(TMixUnsignedControl& control, std::uint32_t& left,
                               std::uint32_t& right) {
    return readValues(
        control, control.Value, left, right,
        QCoreApplication::translate("MIXER_e", "Level control not supported by sound card driver!"),
        QCoreApplication::translate("MIXER_e", "Regler ist nicht Activeiert"));
}

bool MIXER_e::GetSwitchState(TMixSwitchControl& control, std::uint32_t& left,
                             std::uint32_t& right) {
    return readValues(
        control, control.Value, left, right,
        QCoreApplication::translate("MIXER_e", "Switch not supported by Sound card driver!"),
        QCoreApplication::translate("MIXER_e", "Control is inactive!"));
}

bool MIXER_e::readValues(const TMixControl& control, std::array<std::uint32_t, 2>& held,
                         std::uint32_t& left, std::uint32_t& right, const QString& absent,
                         const QString& inactive) {
    if (!control.Present) {
        MixerStatusText = absent;
        return true;
    }
    if (!control.Active) {
        MixerStatusText = inactive;
        return true;
    }
    const pm::MixerDetailsRequest request{control.ControlID, requestChannels(control),
                                          control.MultipleItems};
    std::array<std::uint32_t, 2> values = held;
    const auto result = call(handle_ ? handle_->getControlDetails(request, values)
                                     : pm::MixerResult::InvalidHandle);
    MixerStatusText = mixerStatusText(result);
    if (result != pm::MixerResult::Ok) {
        return true;
    }
    // With one channel read, the second value is that channel too.
    if (request.channels == 1) {
        values[1] = values[0];
    }
    held = values;
    left = values[0];
    right = values[1];
    return false;
}

bool MIXER_e::SetSwitchState(TMixSwitchControl& control, std::int32_t left, std::int32_t right) {
    if (!control.Present) {
        MixerStatusText =
            QCoreApplication::translate("MIXER_e", "Switch not supported by Sound card driver!");
        return true;
    }
    if (!control.Active) {
        MixerStatusText = QCoreApplication::translate("MIXER_e", "Control is inactive!");
        return true;
    }
    control.Value = {left == 1 ? 1u : 0u, right == 1 ? 1u : 0u};
    const pm::MixerDetailsRequest request{control.ControlID, requestChannels(control),
                                          control.MultipleItems};
    const auto result = call(handle_ ? handle_->setControlDetails(request, control.Value)
                                     : pm::MixerResult::InvalidHandle);
    MixerStatusText = mixerStatusText(result);
    return result != pm::MixerResult::Ok;
}

QStringList mixerDeviceEntries(MIXER_e& mixer) {
    QStringList entries;
    mixer.CountMixerDevices();
    for (std::uint32_t i = 0; i < mixer.MixerDeviceCount; ++i) {
        mixer.OpenMixerDevice(i);
        entries << engine::deviceEntry(mixer.MixerCaps.ProductName, mixer.MixerCaps.DriverVersion);
    }
    return entries;
}

} // namespace tavo::hardware

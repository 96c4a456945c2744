#include "platform/sim/SimMixerDescription.h"

#include "platform/SystemErrors.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace tavo::platform {

namespace {

// A description error; the text names where it is.
struct DescriptionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const QString& where, const QString& what) {
    throw DescriptionError((where + QStringLiteral(": ") + what).toStdString());
}

void refuseUnknownKeys(const QJsonObject& object, const QString& where,
                       std::initializer_list<const char*> known) {
    QSet<QString> allowed;
    for (const char* key : known) {
        allowed.insert(QString::fromLatin1(key));
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!allowed.contains(it.key())) {
            fail(where,
                 QCoreApplication::translate("SimMixerDescription", "unbekannter Schlüssel \"%1\"")
                     .arg(it.key()));
        }
    }
}

// A whole number, given as a JSON number or as a text ("0x80000000", "12").
std::int64_t wholeNumber(const QJsonValue& value, const QString& where, std::int64_t minimum,
                         std::int64_t maximum) {
    std::int64_t number = 0;
    if (value.isDouble()) {
        const double d = value.toDouble();
        if (!std::isfinite(d) || std::trunc(d) != d || std::fabs(d) > 9.0e15) {
            fail(where, QCoreApplication::translate("SimMixerDescription", "keine ganze Zahl"));
        }
        number = static_cast<std::int64_t>(d);
    } else if (value.isString()) {
        bool ok = false;
        const QString text = value.toString().trimmed();
        number = text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)
                     ? text.mid(2).toLongLong(&ok, 16)
                     : text.toLongLong(&ok, 10);
        if (!ok) {
            fail(where, QCoreApplication::translate("SimMixerDescription", "keine Zahl: \"%1\"")
                            .arg(value.toString()));
        }
    } else {
        fail(where, QCoreApplication::translate("SimMixerDescription", "Zahl erwartet"));
    }
    if (number < minimum || number > maximum) {
        fail(where, QCoreApplication::translate("SimMixerDescription", "%1 liegt nicht in %2..%3")
                        .arg(number)
                        .arg(minimum)
                        .arg(maximum));
    }
    return number;
}

std::uint32_t unsignedField(const QJsonObject& object, const char* key, const QString& where,
                            std::uint32_t fallback) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        return fallback;
    }
    return static_cast<std::uint32_t>(wholeNumber(value,
                                                  where + QLatin1Char('.') + QLatin1String(key), 0,
                                                  std::numeric_limits<std::uint32_t>::max()));
}

std::int32_t signedField(const QJsonObject& object, const char* key, const QString& where,
                         std::int32_t fallback) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        return fallback;
    }
    return static_cast<std::int32_t>(wholeNumber(
        value, where + QLatin1Char('.') + QLatin1String(key),
        std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool boolField(const QJsonObject& object, const char* key, const QString& where) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        return false;
    }
    if (!value.isBool()) {
        fail(where + QLatin1Char('.') + QLatin1String(key),
             QCoreApplication::translate("SimMixerDescription", "true oder false erwartet"));
    }
    return value.toBool();
}

std::string textField(const QJsonObject& object, const char* key, const QString& where,
                      const std::string& fallback, std::size_t chars) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        return fallback;
    }
    if (!value.isString()) {
        fail(where + QLatin1Char('.') + QLatin1String(key),
             QCoreApplication::translate("SimMixerDescription", "Text erwartet"));
    }
    return cutUtf8(value.toString().toStdString(), chars);
}

MixerResult resultField(const QJsonObject& object, const char* key, const QString& where) {
    return static_cast<MixerResult>(unsignedField(object, key, where, 0));
}

// A type given by its published name ("VOLUME", "DST_SPEAKERS") or number.
std::uint32_t typeField(const QJsonObject& object, const QString& where, bool componentType) {
    const QJsonValue value = object.value(QStringLiteral("type"));
    const QString place = where + QStringLiteral(".type");
    if (value.isUndefined()) {
        fail(place, QCoreApplication::translate("SimMixerDescription", "fehlt"));
    }
    if (value.isString() && !value.toString().isEmpty() && !value.toString().front().isDigit()) {
        std::uint32_t type = 0;
        const std::string name = value.toString().toStdString();
        const bool known =
            componentType ? componentTypeFromName(name, type) : controlTypeFromName(name, type);
        if (!known) {
            fail(place, QCoreApplication::translate("SimMixerDescription", "unbekannter Typ \"%1\"")
                            .arg(value.toString()));
        }
        return type;
    }
    return static_cast<std::uint32_t>(
        wholeNumber(value, place, 0, std::numeric_limits<std::uint32_t>::max()));
}

QJsonArray arrayField(const QJsonObject& object, const char* key, const QString& where) {
    const QJsonValue value = object.value(QLatin1String(key));
    if (value.isUndefined()) {
        return {};
    }
    if (!value.isArray()) {
        fail(where + QLatin1Char('.') + QLatin1String(key),
             QCoreApplication::translate("SimMixerDescription", "Liste erwartet"));
    }
    return value.toArray();
}

QJsonObject objectAt(const QJsonArray& array, qsizetype index, const QString& where) {
    if (!array.at(index).isObject()) {
        fail(where, QCoreApplication::translate("SimMixerDescription", "Objekt erwartet"));
    }
    return array.at(index).toObject();
}

// A control's level law: a name, or {"db_per_unit": x}. Volume controls
// without one scale the amplitude; other controls leave the level alone.
SimLevelLaw lawField(const QJsonObject& object, const QString& where, std::uint32_t type) {
    const QJsonValue value = object.value(QStringLiteral("law"));
    const QString place = where + QStringLiteral(".law");
    if (value.isUndefined()) {
        return SimLevelLaw{
            type == control::Volume ? SimLevelLaw::Kind::Amplitude : SimLevelLaw::Kind::None, 0.0};
    }
    if (value.isString()) {
        if (const auto law = simLevelLawNamed(value.toString().toStdString())) {
            return *law;
        }
        fail(place,
             QCoreApplication::translate("SimMixerDescription",
                                         "unbekanntes Gesetz \"%1\" (none, quarter-db, cubic, "
                                         "amplitude oder {\"db_per_unit\": Zahl})")
                 .arg(value.toString()));
    }
    if (value.isObject()) {
        const QJsonObject law = value.toObject();
        refuseUnknownKeys(law, place, {"db_per_unit"});
        const QJsonValue perUnit = law.value(QStringLiteral("db_per_unit"));
        if (!perUnit.isDouble() || !std::isfinite(perUnit.toDouble()) ||
            std::fabs(perUnit.toDouble()) > 100.0) {
            fail(place + QStringLiteral(".db_per_unit"),
                 QCoreApplication::translate("SimMixerDescription",
                                             "eine Zahl von -100 bis 100 erwartet"));
        }
        return SimLevelLaw{SimLevelLaw::Kind::DbPerUnit, perUnit.toDouble()};
    }
    fail(place, QCoreApplication::translate("SimMixerDescription", "Name oder Objekt erwartet"));
}

SimMixerControlDescription parseControl(const QJsonObject& object, const QString& where,
                                        std::uint32_t lineChannels) {
    refuseUnknownKeys(object, where,
                      {"type", "id", "flags", "uniform", "disabled", "items", "minimum", "maximum",
                       "steps", "shortName", "name", "value", "getResult", "setResult", "law"});
    SimMixerControlDescription desc;
    MixerControl& c = desc.control;
    c.type = typeField(object, where, false);
    c.controlId = unsignedField(object, "id", where, 0);
    c.items = unsignedField(object, "items", where, 0);
    c.flags = unsignedField(object, "flags", where, 0);
    if (boolField(object, "uniform", where)) {
        c.flags |= control::FlagUniform;
    }
    if (boolField(object, "disabled", where)) {
        c.flags |= control::FlagDisabled;
    }
    if (c.items > 0) {
        c.flags |= control::FlagMultiple;
    }
    c.minimum = signedField(object, "minimum", where, 0);
    c.maximum = signedField(object, "maximum", where, 0);
    c.steps = unsignedField(object, "steps", where, 0);
    c.name = textField(object, "name", where, controlTypeName(c.type), kMixerNameChars);
    c.shortName = textField(object, "shortName", where, c.name, kMixerShortNameChars);
    desc.getResult = resultField(object, "getResult", where);
    desc.setResult = resultField(object, "setResult", where);
    desc.law = lawField(object, where, c.type);

    if (c.items > 64) {
        fail(where + QStringLiteral(".items"),
             QCoreApplication::translate("SimMixerDescription", "höchstens 64"));
    }
    const std::size_t count =
        static_cast<std::size_t>(lineChannels) * (c.items == 0 ? 1u : c.items);
    const QJsonValue value = object.value(QStringLiteral("value"));
    const QString valuePlace = where + QStringLiteral(".value");
    if (value.isArray()) {
        // Either every channel's values, or one channel's for all channels.
        const QJsonArray values = value.toArray();
        const std::size_t perChannel = count / lineChannels;
        const auto given = static_cast<std::size_t>(values.size());
        if (given != count && given != perChannel) {
            fail(valuePlace,
                 QCoreApplication::translate("SimMixerDescription",
                                             "%1 oder %2 Werte erwartet (Kanäle × Einträge)")
                     .arg(perChannel)
                     .arg(count));
        }
        for (std::size_t i = 0; i < count; ++i) {
            desc.values.push_back(static_cast<std::uint32_t>(
                wholeNumber(values.at(static_cast<qsizetype>(i % given)), valuePlace,
                            std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::uint32_t>::max())));
        }
    } else {
        const auto initial = value.isUndefined()
                                 ? 0u
                                 : static_cast<std::uint32_t>(wholeNumber(
                                       value, valuePlace, std::numeric_limits<std::int32_t>::min(),
                                       std::numeric_limits<std::uint32_t>::max()));
        desc.values.assign(count, initial);
    }
    return desc;
}

SimMixerLineDescription parseLine(const QJsonObject& object, const QString& where, bool isSource) {
    if (isSource) {
        refuseUnknownKeys(object, where,
                          {"type", "lineId", "channels", "flags", "shortName", "name", "lineResult",
                           "controlsResult", "controls"});
    }
    SimMixerLineDescription desc;
    MixerLine& l = desc.line;
    l.componentType = typeField(object, where, true);
    l.lineId = unsignedField(object, "lineId", where, 0);
    l.channels = unsignedField(object, "channels", where, 2);
    if (l.channels == 0 || l.channels > 32) {
        fail(where + QStringLiteral(".channels"),
             QCoreApplication::translate("SimMixerDescription", "1 bis 32 erwartet"));
    }
    l.flags = unsignedField(object, "flags", where,
                            line::FlagActive | (isSource ? line::FlagSource : 0u));
    l.name = textField(object, "name", where, componentTypeName(l.componentType), kMixerNameChars);
    l.shortName = textField(object, "shortName", where, l.name, kMixerShortNameChars);
    desc.lineResult = resultField(object, "lineResult", where);
    desc.controlsResult = resultField(object, "controlsResult", where);
    const QJsonArray controls = arrayField(object, "controls", where);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QString place = where + QStringLiteral(".controls[%1]").arg(i);
        desc.controls.push_back(parseControl(objectAt(controls, i, place), place, l.channels));
    }
    l.controls = static_cast<std::uint32_t>(desc.controls.size());
    return desc;
}

std::uint32_t driverVersionField(const QJsonObject& object, const QString& where) {
    const QJsonValue value = object.value(QStringLiteral("driverVersion"));
    const QString place = where + QStringLiteral(".driverVersion");
    if (value.isUndefined()) {
        return 0;
    }
    if (value.isString() && value.toString().contains(QLatin1Char('.'))) {
        const QStringList parts = value.toString().split(QLatin1Char('.'));
        bool majorOk = false;
        bool minorOk = false;
        const int major = parts.value(0).toInt(&majorOk);
        const int minor = parts.value(1).toInt(&minorOk);
        if (parts.size() != 2 || !majorOk || !minorOk || major < 0 || major > 255 || minor < 0 ||
            minor > 255) {
            fail(place, QCoreApplication::translate("SimMixerDescription",
                                                    "\"Major.Minor\" mit Zahlen 0..255 erwartet"));
        }
        return static_cast<std::uint32_t>((major << 8) | minor);
    }
    return static_cast<std::uint32_t>(wholeNumber(value, place, 0, 0xFFFF));
}

SimMixerDeviceDescription parseDevice(const QJsonObject& object, const QString& where) {
    refuseUnknownKeys(object, where,
                      {"productName", "driverVersion", "capsResult", "openResult", "destinations"});
    SimMixerDeviceDescription device;
    device.caps.productName =
        textField(object, "productName", where, "Simulated Mixer", kMixerProductNameChars);
    device.caps.driverVersion = driverVersionField(object, where);
    device.capsResult = resultField(object, "capsResult", where);
    device.openResult = resultField(object, "openResult", where);

    std::uint32_t nextControlId = 1;
    const QJsonArray destinations = arrayField(object, "destinations", where);
    for (qsizetype d = 0; d < destinations.size(); ++d) {
        const QString place = where + QStringLiteral(".destinations[%1]").arg(d);
        const QJsonObject destObject = objectAt(destinations, d, place);
        refuseUnknownKeys(destObject, place,
                          {"type", "lineId", "channels", "flags", "shortName", "name", "lineResult",
                           "controlsResult", "controls", "sources"});
        SimMixerDestinationDescription dest;
        dest.line = parseLine(destObject, place, false);
        const QJsonArray sources = arrayField(destObject, "sources", place);
        for (qsizetype s = 0; s < sources.size(); ++s) {
            const QString sourcePlace = place + QStringLiteral(".sources[%1]").arg(s);
            dest.sources.push_back(parseLine(objectAt(sources, s, sourcePlace), sourcePlace, true));
        }

        // Identifiers not given are numbered as a driver would: a
        // destination's line is 0xFFFF0000 + d, source s of it (s << 16) + d,
        // and the controls count up through the device.
        const auto dIndex = static_cast<std::uint32_t>(d);
        auto numberLine = [&nextControlId](SimMixerLineDescription& lineDesc, std::uint32_t id) {
            if (lineDesc.line.lineId == 0) {
                lineDesc.line.lineId = id;
            }
            for (auto& c : lineDesc.controls) {
                if (c.control.controlId == 0) {
                    c.control.controlId = nextControlId;
                }
                nextControlId = std::max(nextControlId, c.control.controlId) + 1;
            }
        };
        dest.line.line.destination = dIndex;
        dest.line.line.connections = static_cast<std::uint32_t>(dest.sources.size());
        numberLine(dest.line, 0xFFFF0000u | dIndex);
        for (std::uint32_t s = 0; s < dest.sources.size(); ++s) {
            auto& source = dest.sources[s];
            source.line.destination = dIndex;
            source.line.source = s;
            numberLine(source, (s << 16) | dIndex);
        }
        device.destinations.push_back(std::move(dest));
    }
    device.caps.destinations = static_cast<std::uint32_t>(device.destinations.size());
    return device;
}

constexpr const char* kBuiltInCard = R"json({
  "productName": "Tavo Consumer Audio",
  "driverVersion": "5.10",
  "destinations": [
    {
      "type": "DST_SPEAKERS", "channels": 2, "shortName": "Volume", "name": "Volume Control",
      "controls": [
        { "type": "VOLUME", "name": "Master Volume", "maximum": 65535, "steps": 32,
          "value": [49152, 49152], "law": "cubic" },
        { "type": "MUTE", "name": "Master Mute", "uniform": true, "maximum": 1 },
        { "type": "BASS", "name": "Bass", "uniform": true, "maximum": 65535, "steps": 16,
          "value": 32767 },
        { "type": "TREBLE", "name": "Treble", "uniform": true, "maximum": 65535, "steps": 16,
          "value": 32767 },
        { "type": "UNSIGNED", "name": "Headphone Gain", "uniform": true, "maximum": 3,
          "steps": 3, "value": 0, "law": { "db_per_unit": 6 } }
      ],
      "sources": [
        { "type": "SRC_WAVEOUT", "shortName": "Wave", "name": "Wave",
          "controls": [
            { "type": "VOLUME", "name": "Wave Volume", "maximum": 65535, "steps": 32,
              "value": [49152, 49152], "law": "quarter-db" },
            { "type": "MUTE", "name": "Wave Mute", "uniform": true, "maximum": 1 } ] },
        { "type": "SRC_COMPACTDISC", "shortName": "CD", "name": "CD Audio",
          "controls": [
            { "type": "VOLUME", "name": "CD Volume", "maximum": 65535, "steps": 32,
              "value": [32768, 32768] },
            { "type": "MUTE", "name": "CD Mute", "uniform": true, "maximum": 1 } ] },
        { "type": "SRC_LINE", "shortName": "Line In", "name": "Line In",
          "controls": [
            { "type": "VOLUME", "name": "Line Volume", "maximum": 65535, "steps": 32,
              "value": [32768, 32768] },
            { "type": "MUTE", "name": "Line Mute", "uniform": true, "maximum": 1 } ] },
        { "type": "SRC_MICROPHONE", "channels": 1, "shortName": "Mic", "name": "Microphone",
          "controls": [
            { "type": "VOLUME", "name": "Mic Volume", "uniform": true, "maximum": 65535,
              "steps": 32, "value": 32768 },
            { "type": "MUTE", "name": "Mic Mute", "uniform": true, "maximum": 1, "value": 1 } ] }
      ]
    },
    {
      "type": "DST_WAVEIN", "channels": 2, "shortName": "Recording", "name": "Recording Control",
      "controls": [
        { "type": "VOLUME", "name": "Recording Volume", "maximum": 65535, "steps": 16,
          "value": [32768, 32768] },
        { "type": "MIXER", "name": "Recording Source", "uniform": true, "items": 3,
          "maximum": 1, "value": [1, 0, 0] }
      ],
      "sources": [
        { "type": "SRC_MICROPHONE", "channels": 1, "shortName": "Mic", "name": "Microphone",
          "controls": [
            { "type": "VOLUME", "name": "Mic Recording", "uniform": true, "maximum": 65535,
              "steps": 16, "value": 32768 },
            { "type": "ONOFF", "name": "Mic Select", "uniform": true, "maximum": 1,
              "value": 1 } ] },
        { "type": "SRC_LINE", "shortName": "Line In", "name": "Line In",
          "controls": [
            { "type": "VOLUME", "name": "Line Recording", "maximum": 65535, "steps": 16 } ] },
        { "type": "SRC_COMPACTDISC", "shortName": "CD", "name": "CD Audio",
          "controls": [
            { "type": "VOLUME", "name": "CD Recording", "maximum": 65535, "steps": 16 } ] }
      ]
    }
  ]
})json";

} // namespace

std::optional<std::vector<SimMixerDeviceDescription>> parseSimMixerDevices(const std::string& json,
                                                                           std::string& error) {
    QJsonParseError parseError{};
    const QJsonDocument document =
        QJsonDocument::fromJson(QByteArray::fromStdString(json), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QCoreApplication::translate("SimMixerDescription", "JSON-Fehler bei Zeichen %1: %2")
                    .arg(parseError.offset)
                    .arg(jsonErrorText(parseError.error))
                    .toStdString();
        return std::nullopt;
    }
    if (!document.isObject()) {
        error = QCoreApplication::translate("SimMixerDescription", "Ein JSON-Objekt erwartet")
                    .toStdString();
        return std::nullopt;
    }
    try {
        std::vector<SimMixerDeviceDescription> devices;
        const QJsonObject root = document.object();
        if (root.contains(QStringLiteral("devices"))) {
            refuseUnknownKeys(root, QStringLiteral("$"), {"devices"});
            const QJsonArray list = arrayField(root, "devices", QStringLiteral("$"));
            for (qsizetype i = 0; i < list.size(); ++i) {
                const QString place = QStringLiteral("devices[%1]").arg(i);
                devices.push_back(parseDevice(objectAt(list, i, place), place));
            }
        } else {
            devices.push_back(parseDevice(root, QStringLiteral("$")));
        }
        return devices;
    } catch (const DescriptionError& e) {
        error = e.what();
        return std::nullopt;
    }
}

const char* builtInSimMixerJson() {
    return kBuiltInCard;
}

std::vector<SimMixerDeviceDescription> builtInSimMixerDevices() {
    std::string error;
    auto devices = parseSimMixerDevices(kBuiltInCard, error);
    if (!devices) {
        throw std::logic_error("built-in mixer description: " + error);
    }
    return *devices;
}

} // namespace tavo::platform

#include "engine/ListenerDescription.h"

#include "platform/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace tavo::engine {

namespace {

constexpr std::array<int, 11> kTestFrequencies = {125,  250,  500,  750,  1000, 1500,
                                                  2000, 3000, 4000, 6000, 8000};

// Reading fails by throwing the reason; parseListener turns it into its
// result.
struct Refused {
    QString reason;
};

[[noreturn]] void refuse(const QString& place, const QString& what) {
    throw Refused{QStringLiteral("%1: %2").arg(place, what)};
}

void onlyKnownKeys(const QJsonObject& object, const QString& place,
                   std::initializer_list<const char*> known) {
    for (auto it = object.begin(); it != object.end(); ++it) {
        bool found = false;
        for (const char* key : known) {
            found = found || it.key() == QLatin1String(key);
        }
        if (!found) {
            refuse(place.isEmpty() ? it.key() : place + QLatin1Char('.') + it.key(),
                   QCoreApplication::translate("ListenerDescription", "unbekannter Eintrag"));
        }
    }
}

double number(const QJsonValue& value, const QString& place, double minimum, double maximum) {
    if (!value.isDouble() || !std::isfinite(value.toDouble())) {
        refuse(place, QCoreApplication::translate("ListenerDescription", "eine Zahl erwartet"));
    }
    const double x = value.toDouble();
    if (x < minimum || x > maximum) {
        refuse(place, QCoreApplication::translate("ListenerDescription",
                                                  "%1 liegt nicht zwischen %2 und %3")
                          .arg(x)
                          .arg(minimum)
                          .arg(maximum));
    }
    return x;
}

int integer(const QJsonValue& value, const QString& place, int minimum, int maximum) {
    const double x = number(value, place, minimum, maximum);
    if (x != std::floor(x)) {
        refuse(place,
               QCoreApplication::translate("ListenerDescription", "eine ganze Zahl erwartet"));
    }
    return static_cast<int>(x);
}

QJsonObject object(const QJsonValue& value, const QString& place) {
    if (!value.isObject()) {
        refuse(place, QCoreApplication::translate("ListenerDescription", "ein Objekt erwartet"));
    }
    return value.toObject();
}

int ear(const QJsonValue& value, const QString& place) {
    if (value == QJsonValue(QStringLiteral("left"))) {
        return 0;
    }
    if (value == QJsonValue(QStringLiteral("right"))) {
        return 1;
    }
    refuse(place,
           QCoreApplication::translate("ListenerDescription", "\"left\" oder \"right\" erwartet"));
}

// {"left": [11 numbers], "right": [11 numbers]}
std::array<ListenerDescription::PerFrequency, 2>
perEar(const QJsonValue& value, const QString& place, double minimum, double maximum) {
    const QJsonObject ears = object(value, place);
    onlyKnownKeys(ears, place, {"left", "right"});
    std::array<ListenerDescription::PerFrequency, 2> result{};
    for (int e = 0; e < 2; ++e) {
        const QString key = e == 0 ? QStringLiteral("left") : QStringLiteral("right");
        const QString at = place + QLatin1Char('.') + key;
        if (!ears.contains(key)) {
            refuse(at, QCoreApplication::translate("ListenerDescription", "fehlt"));
        }
        const QJsonValue list = ears.value(key);
        if (!list.isArray() || list.toArray().size() != 11) {
            refuse(at, QCoreApplication::translate(
                           "ListenerDescription",
                           "eine Liste von 11 Zahlen erwartet (125 bis 8000 Hz)"));
        }
        for (int i = 0; i < 11; ++i) {
            result[static_cast<std::size_t>(e)][static_cast<std::size_t>(i)] =
                number(list.toArray().at(i), at + QStringLiteral("[%1]").arg(i), minimum, maximum);
        }
    }
    return result;
}

bool boolean(const QJsonValue& value, const QString& place) {
    if (!value.isBool()) {
        refuse(place,
               QCoreApplication::translate("ListenerDescription", "true oder false erwartet"));
    }
    return value.toBool();
}

ListenerPulse pulse(const QJsonObject& entry, const QString& place,
                    std::initializer_list<const char*> known) {
    onlyKnownKeys(entry, place, known);
    for (const char* key : {"run", "ear", "frequency", "pulse"}) {
        if (!entry.contains(QLatin1String(key))) {
            refuse(place + QLatin1Char('.') + QLatin1String(key),
                   QCoreApplication::translate("ListenerDescription", "fehlt"));
        }
    }
    ListenerPulse at;
    at.run = integer(entry.value(QStringLiteral("run")), place + QStringLiteral(".run"), 1, 2);
    at.ear = ear(entry.value(QStringLiteral("ear")), place + QStringLiteral(".ear"));
    at.frequency = integer(entry.value(QStringLiteral("frequency")),
                           place + QStringLiteral(".frequency"), 1, 100000);
    if (!testFrequencyIndex(at.frequency)) {
        refuse(place + QStringLiteral(".frequency"),
               QCoreApplication::translate("ListenerDescription", "%1 Hz ist keine Testfrequenz")
                   .arg(at.frequency));
    }
    at.pulse =
        integer(entry.value(QStringLiteral("pulse")), place + QStringLiteral(".pulse"), 1, 100000);
    if (entry.contains(QStringLiteral("trial"))) {
        at.trial = boolean(entry.value(QStringLiteral("trial")), place + QStringLiteral(".trial"));
    }
    return at;
}

bool pressed(const QJsonValue& value, const QString& place) {
    if (value.isBool()) {
        return value.toBool();
    }
    return integer(value, place, 0, 1) == 1;
}

// The scale and what only a listener by hearing level has.
void readScale(const QJsonObject& root, ListenerDescription& d) {
    if (root.contains(QStringLiteral("scale"))) {
        const QJsonValue scale = root.value(QStringLiteral("scale"));
        if (scale == QJsonValue(QStringLiteral("hearing-level"))) {
            d.scale = ListenerScale::HearingLevel;
        } else if (scale != QJsonValue(QStringLiteral("shown"))) {
            refuse(QStringLiteral("scale"),
                   QCoreApplication::translate("ListenerDescription",
                                               "\"shown\" oder \"hearing-level\" erwartet"));
        }
    }
    if (root.contains(QStringLiteral("headphones"))) {
        if (d.scale != ListenerScale::HearingLevel) {
            refuse(
                QStringLiteral("headphones"),
                QCoreApplication::translate(
                    "ListenerDescription", "nur für einen Hörer mit \"scale\": \"hearing-level\""));
        }
        d.headphones = perEar(root.value(QStringLiteral("headphones")),
                              QStringLiteral("headphones"), 0.0, 160.0);
    }
}

// The options of a more human listener.
void readHumanOptions(const QJsonObject& root, ListenerDescription& d) {
    if (root.contains(QStringLiteral("psychometric_slope_db"))) {
        d.psychometricSlopeDb = number(root.value(QStringLiteral("psychometric_slope_db")),
                                       QStringLiteral("psychometric_slope_db"), 0.0, 20.0);
    }
    if (root.contains(QStringLiteral("latency_ms"))) {
        d.latencyMs = number(root.value(QStringLiteral("latency_ms")), QStringLiteral("latency_ms"),
                             0.0, 2000.0);
    }
    if (root.contains(QStringLiteral("false_press_rate"))) {
        d.falsePressRate = number(root.value(QStringLiteral("false_press_rate")),
                                  QStringLiteral("false_press_rate"), 0.0, 1.0);
    }
    if (root.contains(QStringLiteral("known_audiogram"))) {
        d.knownAudiogram = boolean(root.value(QStringLiteral("known_audiogram")),
                                   QStringLiteral("known_audiogram"));
    }
    if (root.contains(QStringLiteral("name"))) {
        const QJsonValue name = root.value(QStringLiteral("name"));
        if (!name.isString() || name.toString().size() > 255) {
            refuse(QStringLiteral("name"),
                   QCoreApplication::translate("ListenerDescription",
                                               "ein Text bis 255 Zeichen erwartet"));
        }
        d.name = name.toString();
    }
}

ListenerDescription read(const QJsonObject& root, const QString& folder) {
    onlyKnownKeys(root, {},
                  {"scale", "thresholds", "second_run_shift", "headphones", "psychometric_slope_db",
                   "latency_ms", "false_press_rate", "known_audiogram", "name", "trial_pulses",
                   "stop", "responses", "calibration"});
    ListenerDescription d;
    readScale(root, d);
    readHumanOptions(root, d);
    if (!root.contains(QStringLiteral("thresholds"))) {
        refuse(QStringLiteral("thresholds"),
               QCoreApplication::translate("ListenerDescription", "fehlt"));
    }
    d.thresholds = perEar(root.value(QStringLiteral("thresholds")), QStringLiteral("thresholds"),
                          -20.0, 200.0);
    if (root.contains(QStringLiteral("second_run_shift"))) {
        d.secondRunShift = perEar(root.value(QStringLiteral("second_run_shift")),
                                  QStringLiteral("second_run_shift"), -100.0, 100.0);
    }
    if (root.contains(QStringLiteral("trial_pulses"))) {
        d.trialPulses = integer(root.value(QStringLiteral("trial_pulses")),
                                QStringLiteral("trial_pulses"), 1, 100000);
    }
    if (root.contains(QStringLiteral("stop"))) {
        d.stop = pulse(object(root.value(QStringLiteral("stop")), QStringLiteral("stop")),
                       QStringLiteral("stop"), {"run", "ear", "frequency", "pulse", "trial"});
    }
    if (root.contains(QStringLiteral("responses"))) {
        const QJsonValue list = root.value(QStringLiteral("responses"));
        if (!list.isArray()) {
            refuse(QStringLiteral("responses"),
                   QCoreApplication::translate("ListenerDescription", "eine Liste erwartet"));
        }
        for (qsizetype i = 0; i < list.toArray().size(); ++i) {
            const QString place = QStringLiteral("responses[%1]").arg(i);
            const QJsonObject entry = object(list.toArray().at(i), place);
            ListenerResponse response;
            response.at =
                pulse(entry, place, {"run", "ear", "frequency", "pulse", "trial", "pressed"});
            if (!entry.contains(QStringLiteral("pressed"))) {
                refuse(place + QStringLiteral(".pressed"),
                       QCoreApplication::translate("ListenerDescription", "fehlt"));
            }
            response.pressed =
                pressed(entry.value(QStringLiteral("pressed")), place + QStringLiteral(".pressed"));
            d.responses.push_back(response);
        }
    }
    if (root.contains(QStringLiteral("calibration"))) {
        const QJsonValue file = root.value(QStringLiteral("calibration"));
        if (!file.isString() || file.toString().isEmpty()) {
            refuse(QStringLiteral("calibration"),
                   QCoreApplication::translate("ListenerDescription", "ein Dateiname erwartet"));
        }
        d.calibration = QDir(folder).absoluteFilePath(file.toString());
    }
    return d;
}

} // namespace

std::optional<int> testFrequencyIndex(int frequency) {
    for (std::size_t i = 0; i < kTestFrequencies.size(); ++i) {
        if (kTestFrequencies[i] == frequency) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<ListenerDescription> parseListener(const QByteArray& json, const QString& folder,
                                                 QString& error) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = QCoreApplication::translate("ListenerDescription",
                                            "kein gültiges JSON (Fehler bei Zeichen %1)")
                    .arg(parseError.offset);
        return std::nullopt;
    }
    if (!document.isObject()) {
        error = QCoreApplication::translate("ListenerDescription", "ein JSON-Objekt erwartet");
        return std::nullopt;
    }
    try {
        return read(document.object(), folder);
    } catch (const Refused& refused) {
        error = refused.reason;
        return std::nullopt;
    }
}

std::optional<ListenerDescription> loadListener(const QString& fileName, QString& error) {
    QFile file;
    if (!platform::openFile(fileName, QIODevice::ReadOnly, file, nullptr)) {
        error = QCoreApplication::translate("ListenerDescription",
                                            "Die Hörerdatei \"%1\" kann nicht gelesen werden.")
                    .arg(fileName);
        return std::nullopt;
    }
    // A listener file is a few hundred bytes; anything far larger is not one.
    const QByteArray bytes = file.read(1 << 20);
    QString reason;
    auto description = parseListener(bytes, QFileInfo(fileName).absolutePath(), reason);
    if (!description) {
        error = QCoreApplication::translate("ListenerDescription",
                                            "Die Hörerdatei \"%1\" ist ungültig: %2")
                    .arg(fileName, reason);
    }
    return description;
}

} // namespace tavo::engine

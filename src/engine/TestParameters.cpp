#include "engine/TestParameters.h"

#include "engine/LiveSettings.h"

#include <QLocale>

#include <cmath>
#include <optional>

namespace tavo::engine {

namespace {

std::optional<double> decimal(const QString& text) {
    bool ok = false;
    const double value = QLocale().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::optional<int> integer(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString refusal(const QString& field, const QString& allowed) {
    return QStringLiteral("Die Einstellung \u201E%1\u201C ist ungültig. Erlaubt %2. "
                          "Bitte korrigieren Sie sie in den Einstellungen; "
                          "der Test wird nicht gestartet.")
        .arg(field, allowed);
}

int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

int TestParameters::traceStep() const {
    const int time = roundHalfEven(maxTime);
    return time > 0 ? roundHalfEven(300.0 * pulsePeriod()) / time : 0;
}

std::variant<TestParameters, QString> readTestParameters(const LiveSettings& settings) {
    TestParameters p;

    const auto start = integer(settings.levelStartText());
    if (!start || *start < -10 || *start > 100) {
        return refusal(QStringLiteral("Anfangspegel"),
                       QStringLiteral("ist eine ganze Zahl von -10 bis 100 dB HL"));
    }
    p.levelStart = *start;

    const auto step = decimal(settings.levelStepText());
    if (!step || *step < 1.0 || *step > 10.0) {
        return refusal(QStringLiteral("Pegelschritt"), QStringLiteral("sind 1 bis 10 dB"));
    }
    p.levelStep = *step;

    const auto time = decimal(settings.maxTestTimeText());
    if (!time || *time < 10.0 || *time > 60.0) {
        return refusal(QStringLiteral("Testdauer pro Frequenz"),
                       QStringLiteral("sind 10 bis 60 Sekunden"));
    }
    p.maxTime = *time;

    const auto reversals = integer(settings.minReversalsText());
    if (!reversals || *reversals < 2 || *reversals > 10) {
        return refusal(QStringLiteral("Richtungswechsel"),
                       QStringLiteral("ist eine ganze Zahl von 2 bis 10"));
    }
    p.minReversals = *reversals;

    const auto pulse = decimal(settings.pulseDurationText());
    if (!pulse || *pulse < 0.0 || *pulse > 5.0) {
        return refusal(QStringLiteral("Signaldauer"), QStringLiteral("sind 0 bis 5 Sekunden"));
    }
    p.pulse = *pulse;

    const auto gap = decimal(settings.pauseDurationText());
    if (!gap || *gap < 0.0 || *gap > 5.0) {
        return refusal(QStringLiteral("Lückendauer"), QStringLiteral("sind 0 bis 5 Sekunden"));
    }
    p.gap = *gap;

    // A pulse period of 0 would play empty buffers as fast as the device
    // takes them, without ever reaching the time limit.
    if (p.pulsePeriod() <= 0.0) {
        return refusal(QStringLiteral("Signaldauer"),
                       QStringLiteral("sind Signal- und Lückendauer zusammen mehr als 0 Sekunden"));
    }

    p.trial = settings.trialRun();
    p.leftEarFirst = settings.leftEarFirst();
    p.resetOnNewFrequency = settings.resetLevelOnNewFrequency();
    p.resetOnNewSide = settings.resetLevelOnNewSide();
    p.reject1st = settings.reject1st();
    p.realTimeCalc = settings.realTimeCalc();
    p.practiceDeviation = settings.practiceDeviation();
    p.joystick = settings.joystickResponse();
    p.waveOutDevice = settings.waveOutDevice();
    for (int slot = 1; slot <= 11; ++slot) {
        p.frequencies[static_cast<std::size_t>(slot)] = settings.testFrequency(slot);
    }
    return p;
}

} // namespace tavo::engine

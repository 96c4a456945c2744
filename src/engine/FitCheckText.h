#pragma once

#include "engine/FitCheck.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace tavo::storage {
struct Settings;
}

namespace tavo::engine {

// A fit-check report with what it is about: the test and where its
// calibration came from.
struct FitCheckDocument {
    TestRecord record;
    FitCheckReport report;
    QString calibration; // file name, or empty when not known
};

// The report's parameters from the settings: the test's level step, minimum
// reversals and rules, the wanted level at the ear, and the exposure given
// (or else the settings' default; none when neither has one).
FitCheckParameters fitCheckParameters(const storage::Settings& settings,
                                      std::optional<double> exposure = std::nullopt);
// An exposure as typed ("95", "95,5"); nothing for an empty text.
std::optional<double> exposureOf(const QString& text);

FitCheckDocument fitCheckDocument(const TestRecord& record, const FitCheckParameters& parameters,
                                  const QString& calibration = {});

// The report as text in the program's language, one line each.
QStringList fitCheckText(const FitCheckDocument& document);
// The same numbers as JSON (docs/fit-check-json.md); its texts are German
// whatever the language.
QJsonObject fitCheckJson(const FitCheckDocument& document);

// How the figures are made, as the report names it.
QString fitCheckMethodText(bool practiceDeviation, Wording wording = Wording::Shown);

} // namespace tavo::engine

#include "archive/ArchiveFitCheck.h"

#include "archive/ArchiveConnection.h"

#include <QCoreApplication>

namespace tavo::archive {

namespace {

QString shown(const std::optional<double>& value, bool atLeast) {
    if (!value) {
        return {};
    }
    return (atLeast ? QStringLiteral("≥ ") : QString()) +
           engine::decibels(*value, engine::Wording::Stored);
}

// The verdict as the archive keeps and exports it: German whatever the
// language the program speaks, so the archive reads the same on every
// station.
QString storedVerdict(engine::Verdict verdict) {
    switch (verdict) {
    case engine::Verdict::Sufficient:
        return QStringLiteral("Ausreichend");
    case engine::Verdict::Insufficient:
        return QStringLiteral("Nicht ausreichend");
    case engine::Verdict::NoRating:
        break;
    }
    return QStringLiteral("Keine Bewertung");
}

} // namespace

FitCheckFigures fitCheckFiguresOf(const engine::FitCheckReport& report) {
    FitCheckFigures figures;
    const auto& exposure = report.parameters.exposure;
    figures.exposure = exposure ? engine::decibels(*exposure, engine::Wording::Stored) : QString();
    figures.parLeft = shown(report.ears[engine::kLeftEar].par, report.ears[0].atLeast);
    figures.parRight = shown(report.ears[engine::kRightEar].par, report.ears[1].atLeast);
    figures.par84Binaural = shown(report.binaural.par84(), report.binaural.atLeast);
    figures.verdict = storedVerdict(report.verdict);
    return figures;
}

FitCheckFigures fitCheckFiguresOf(const engine::TestRecord& record,
                                  const engine::FitCheckParameters& parameters) {
    return fitCheckFiguresOf(engine::evaluateFitCheck(record, parameters));
}

Result<void> writeFitCheck(Connection& db, std::int64_t testId, const FitCheckFigures& figures) {
    const auto done = db.run(QStringLiteral("UPDATE tests SET exposure = ?, par_left = ?, "
                                            "par_right = ?, par84_binaural = ?, verdict = ? "
                                            "WHERE id = ?"),
                             {figures.exposure, figures.parLeft, figures.parRight,
                              figures.par84Binaural, figures.verdict, qint64{testId}});
    if (!done) {
        return Result<void>::failure(done.error());
    }
    if (done->numRowsAffected() != 1) {
        return Result<void>::failure(
            QCoreApplication::translate("ArchiveFitCheck", "Im Archiv gibt es keinen Test %1.")
                .arg(testId));
    }
    return {};
}

} // namespace tavo::archive

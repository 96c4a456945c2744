#include "archive/TestArchiver.h"

#include "archive/ArchiveFitCheck.h"
#include "archive/Archivist.h"
#include "engine/AppState.h"
#include "engine/FitCheckText.h"
#include "engine/ProductInfo.h"
#include "storage/SettingsTable.h"
#include "storage/TestFile.h"

#include <QDateTime>
#include <QSysInfo>
#include <QUuid>

namespace tavo::archive {

namespace {

// The station's clock with its offset, so stations in other zones compare.
QString now() {
    const QDateTime local = QDateTime::currentDateTime();
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

} // namespace

Station Station::current() {
    Station station;
    station.hostName = QSysInfo::machineHostName();
    station.examiner = qEnvironmentVariable("USER");
    if (station.examiner.isEmpty()) {
        station.examiner = qEnvironmentVariable("USERNAME");
    }
    station.programVersion = engine::productName() + QLatin1Char(' ') + engine::productVersion();
    return station;
}

QString settingsText(const storage::Settings& settings) {
    QStringList lines;
    for (const auto rows : {storage::settingsTable(), storage::addedSettingsTable()}) {
        for (const auto& row : rows) {
            lines << QString::fromLatin1(row.valueName) + QLatin1Char('=') +
                         storage::valueText(row, settings);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

TestArchiver::TestArchiver(const engine::AppState& state, const storage::Settings& settings,
                           Archivist& archivist, Station station)
    : state_(state), settings_(settings), archivist_(archivist), station_(std::move(station)) {}

bool TestArchiver::refile(const FitCheckFigures& figures) {
    if (!lastTest_) {
        return false;
    }
    lastTest_->fitCheck = figures;
    archivist_.deliver(*lastTest_, archiveLocationOf(settings_));
    return true;
}

void TestArchiver::testStarted() {
    lastTest_.reset();
    entry_ = {};
    entry_.entryKey = QUuid::createUuid().toString(QUuid::WithoutBraces);
    entry_.startedAt = now();
    entry_.station = station_.hostName;
    entry_.examiner = station_.examiner;
    entry_.programVersion = station_.programVersion;
    // The settings read as the test starts hold for both runs.
    entry_.settings = settingsText(settings_);
    entry_.calibrationFile = state_.CalibrationFile;
    entry_.calibrationPerson = state_.CalibrationPerson;
    entry_.calibrationDate =
        (state_.CalibrationDate + QLatin1Char(' ') + state_.CalibrationTime).trimmed();
    entry_.calibrationHash = state_.CalibrationHash;
    archivist_.sendWaiting(archiveLocationOf(settings_));
}

void TestArchiver::runFinished(int run, bool interrupted) {
    if (entry_.entryKey.isEmpty() || (run == 1 && interrupted)) {
        return;
    }
    entry_.record = state_.Record;
    entry_.fileBytes = storage::encodeTestFile(entry_.record);
    // With the settings' noise at work; the report window may change it.
    entry_.fitCheck = fitCheckFiguresOf(entry_.record, engine::fitCheckParameters(settings_));
    if (run == 1) {
        entry_.state = TestState::Running;
    } else {
        entry_.state = interrupted ? TestState::Interrupted : TestState::Completed;
        entry_.endedAt = now();
    }
    archivist_.deliver(entry_, archiveLocationOf(settings_));
    if (run == 2) {
        lastTest_ = entry_;
        entry_.entryKey.clear();
    }
}

} // namespace tavo::archive

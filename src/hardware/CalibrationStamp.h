#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace tavo::hardware {

// When a calibration by ear was finished, as the calibration file and the
// information dialog show it: the system's short date and long time, the
// latter without a time zone ("07.12.26", "10:11:12").
struct CalibrationStampTexts {
    QString date;
    QString time;
};

CalibrationStampTexts calibrationStamp(const QDateTime& at, const QLocale& locale = QLocale());

} // namespace tavo::hardware

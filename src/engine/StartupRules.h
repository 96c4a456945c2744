#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tavo::engine {

// Joins the command-line parameters as the program always has: each
// parameter followed by one space, so a path with spaces that arrives as
// several parameters is whole again (with single spaces) and the text ends
// with a space when there is at least one parameter.
QString joinCommandLine(const QStringList& parameters);

// The file named by the joined command line: the text without its final
// space.
QString commandLineFileName(const QString& commandLineFile);

// True when the four characters before the final character of the joined
// command line, upper-cased, are ".AUD" or ".VKT" (a test file to open at
// start-up).
// A text shorter than five characters never matches.
bool namesTestFile(const QString& commandLineFile);

// True when the four characters before the final character are exactly
// ".vkk" (case-sensitive): a calibration file to load at start-up.
bool namesCalibrationFile(const QString& commandLineFile);

struct OsVersionNumbers {
    unsigned major = 0;
    unsigned minor = 0;
};

// The operating-system version as one number: major + minor / 10^k with k
// the smallest count of divisions by 10 (at least one) that brings the
// minor number below 1: 6.1, 10.0, 5.1. A refused version query counts as
// version 0.0.
double GetWindowsVersion(const std::optional<OsVersionNumbers>& queried);

// The first-run date and time texts of a run: "06-12-2026" and "9h5".
QString formatTestDate(int day, int month, int year);
QString formatTestTime(int hour, int minute);

} // namespace tavo::engine

#include "engine/StartupRules.h"

namespace tavo::engine {

QString joinCommandLine(const QStringList& parameters) {
    QString joined;
    for (const auto& parameter : parameters) {
        joined += parameter;
        joined += QLatin1Char(' ');
    }
    return joined;
}

QString commandLineFileName(const QString& commandLineFile) {
    return commandLineFile.isEmpty() ? QString() : commandLineFile.left(commandLineFile.size() - 1);
}

namespace {
// The four characters that precede the final character, or nothing when
// the text is too short to hold them.
std::optional<QString> extensionBeforeFinalSpace(const QString& commandLineFile) {
    if (commandLineFile.size() < 5) {
        return std::nullopt;
    }
    return commandLineFile.mid(commandLineFile.size() - 5, 4);
}
} // namespace

bool namesTestFile(const QString& commandLineFile) {
    const auto extension = extensionBeforeFinalSpace(commandLineFile);
    // ".vkt" too: the extension the program saves under, so that a test file
    // opened from the desktop (a double-click) opens.
    return extension && (extension->toUpper() == QLatin1String(".AUD") ||
                         extension->toUpper() == QLatin1String(".VKT"));
}

bool namesCalibrationFile(const QString& commandLineFile) {
    const auto extension = extensionBeforeFinalSpace(commandLineFile);
    return extension && *extension == QLatin1String(".vkk");
}

double GetWindowsVersion(const std::optional<OsVersionNumbers>& queried) {
    const OsVersionNumbers numbers = queried.value_or(OsVersionNumbers{});
    double minor = numbers.minor;
    do {
        minor /= 10.0;
    } while (minor >= 1.0);
    return numbers.major + minor;
}

QString formatTestDate(int day, int month, int year) {
    return QStringLiteral("%1-%2-%3")
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(year, 4, 10, QLatin1Char('0'));
}

QString formatTestTime(int hour, int minute) {
    return QStringLiteral("%1h%2").arg(hour).arg(minute);
}

} // namespace tavo::engine

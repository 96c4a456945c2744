#include "hardware/CalibrationStamp.h"

#include <QRegularExpression>

namespace tavo::hardware {

CalibrationStampTexts calibrationStamp(const QDateTime& at, const QLocale& locale) {
    // Qt's long time format names the time zone ("t", "tttt"); a calibration
    // stamp never has.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*")));
    return {locale.toString(at.date(), QLocale::ShortFormat),
            locale.toString(at.time(), format.trimmed())};
}

} // namespace tavo::hardware

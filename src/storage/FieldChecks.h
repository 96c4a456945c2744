#pragma once

#include <QLocale>
#include <QString>

namespace tavo::storage {

// The corrections applied when the user leaves a checked field of the
// settings: a value above the maximum becomes the maximum, below the minimum
// the minimum, and a text that is not a number the field's default. Each
// returns the field's new text (unchanged text when nothing is corrected).
// Decimal numbers use the locale's decimal separator.
QString checkReverseEdit(const QString& text);                          // integer 2..10, "6"
QString checkTestTimeEdit(const QString& text);                         // integer 10..60, "30"
QString checkBeepTimeEdit(const QString& text, const QLocale& locale);  // 0..5, "1"
QString checkPauseTimeEdit(const QString& text, const QLocale& locale); // 0..5, "1"
// The level fields are kept valid too, so that nothing later fails on them.
QString checkLevelStep(const QString& text, const QLocale& locale); // 1..10, "3"
QString checkLevelStart(const QString& text);                       // integer -10..100, "40"
// The fit-check report's noise: empty (no exposure) stays empty.
QString checkDefaultExposure(const QString& text, const QLocale& locale); // 70..130, ""
QString checkWantedLevel(const QString& text, const QLocale& locale);     // 60..85, "80"

} // namespace tavo::storage

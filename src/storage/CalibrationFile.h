#pragma once

#include "engine/AppState.h"
#include "storage/Decoded.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

namespace tavo::storage {

inline constexpr int kCalibratedSlots = 11; // slots 1..11

// Everything a calibration file holds: the four descriptive texts, when
// the calibration was finished, and slots 1..11 of both ears (index 0 is
// slot 1).
struct CalibrationFileContents {
    QString person;
    QString headphones;
    QString soundcard;
    QString comment;
    QString date;
    QString time;
    std::array<std::array<engine::TCalibrationPoint, kCalibratedSlots>, engine::kEars> points{};
};

// The refusal of a damaged calibration file. The constant holds the text as
// written here; calibrationFormatMessage() is the text the readers give and
// the user sees (translated when a catalogue is installed), so compare a
// reader's error with that.
inline constexpr char kCalibrationFormatText[] =
    QT_TRANSLATE_NOOP("CalibrationFile", "Not a valid Calibration Data File");
inline const QString kCalibrationFormatMessage = QString::fromUtf8(kCalibrationFormatText);
QString calibrationFormatMessage();

// File dialogs for calibration files, their texts as shown.
inline constexpr char kCalibrationFilterText[] =
    QT_TRANSLATE_NOOP("CalibrationFile", "Vorlandt Klarovent Kalibrierung (*.vkk)");
inline constexpr char kOpenCalibrationTitleText[] =
    QT_TRANSLATE_NOOP("CalibrationFile", "Open Calibration Data File");
inline constexpr char kSaveCalibrationTitleText[] =
    QT_TRANSLATE_NOOP("CalibrationFile", "Save Calibration Data File");
inline const QString kCalibrationSuffix = QStringLiteral("vkk");
QString calibrationFilter();
QString openCalibrationTitle();
QString saveCalibrationTitle();

inline constexpr qsizetype kCalibrationPointsSize = 2 * kCalibratedSlots * 24;
// The signature is a counted record too, and a reader takes any count up to
// 257 for it as long as its text is the signature.
inline constexpr qsizetype kMaxCalibrationFileSize = 7 * (255 + 6) + kCalibrationPointsSize;

// The calibration file's bytes: the signature record, six string records
// (texts cut to 255 characters, pad bytes 0), then the 22 points, left ear
// first.
QByteArray encodeCalibrationFile(const CalibrationFileContents& contents);

// Reads a calibration file's bytes as a whole. A wrong signature, a
// damaged string record or a file shorter than its layout is refused with
// "Not a valid Calibration Data File". Bytes after the layout are ignored.
Decoded<CalibrationFileContents> decodeCalibrationFile(QByteArrayView bytes);
// Whether the bytes begin with a calibration file's signature record ("Calibration
// Data"), also one whose count or length byte is damaged: the text is
// looked for where the record's header leaves it.
bool startsLikeCalibrationFile(QByteArrayView bytes);

// Puts a read calibration file into the application state: slots 1..11 of
// both ears, date and time; sets CalibrationLoaded.
void applyCalibrationFile(engine::AppState& state, const CalibrationFileContents& contents);

// Notes where the calibration in force came from: its file, who calibrated
// and the hash of the file's bytes (all empty for a calibration not saved).
void noteCalibrationSource(engine::AppState& state, const QString& fileName, const QString& person,
                           const QByteArray& bytes);

// Takes the finished calibration by ear into the application state: its
// date, time and table; sets CalibrationLoaded.
void applyNewCalibration(engine::AppState& state);

// What a save of the loaded calibration writes, with the dialog's texts.
CalibrationFileContents loadedCalibration(const engine::AppState& state, const QString& person,
                                          const QString& headphones, const QString& soundcard,
                                          const QString& comment);

} // namespace tavo::storage

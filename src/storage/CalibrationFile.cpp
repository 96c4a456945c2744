#include "storage/CalibrationFile.h"

#include "storage/StringRecord.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <algorithm>

namespace tavo::storage {

namespace {
const QByteArray kSignature = QByteArrayLiteral("Calibration Data");
} // namespace

QString calibrationFormatMessage() {
    return QCoreApplication::translate("CalibrationFile", kCalibrationFormatText);
}

QString calibrationFilter() {
    return QCoreApplication::translate("CalibrationFile", kCalibrationFilterText);
}

QString openCalibrationTitle() {
    return QCoreApplication::translate("CalibrationFile", kOpenCalibrationTitleText);
}

QString saveCalibrationTitle() {
    return QCoreApplication::translate("CalibrationFile", kSaveCalibrationTitleText);
}

QByteArray encodeCalibrationFile(const CalibrationFileContents& contents) {
    ByteWriter out;
    WriteStringRecord(out, QString::fromLatin1(kSignature));
    for (const QString& text : {contents.person, contents.headphones, contents.soundcard,
                                contents.comment, contents.date, contents.time}) {
        WriteStringRecord(out, text);
    }
    for (const auto& ear : contents.points) {
        for (const auto& point : ear) {
            out.int32(point.WaveSteps);
            out.int32(point.MasterSteps);
            out.int32(point.GainSteps);
            out.int32(point.Reserved);
            out.float64(point.Reference);
        }
    }
    return out.bytes();
}

bool startsLikeCalibrationFile(QByteArrayView bytes) {
    // The record's count (4 bytes) and length byte, then the text, within
    // the longest count a record may have.
    return bytes.first(std::min<qsizetype>(bytes.size(), 5 + kMaxRecordCount))
        .contains(QByteArrayView(kSignature));
}

Decoded<CalibrationFileContents> decodeCalibrationFile(QByteArrayView bytes) {
    using Result = Decoded<CalibrationFileContents>;
    ByteReader in(bytes);
    const auto signature = ReadStringRecordBytes(in);
    if (!signature || *signature != kSignature) {
        return Result::failure(calibrationFormatMessage());
    }
    CalibrationFileContents contents;
    for (QString* text : {&contents.person, &contents.headphones, &contents.soundcard,
                          &contents.comment, &contents.date, &contents.time}) {
        const auto record = ReadStringRecord(in);
        if (!record) {
            return Result::failure(calibrationFormatMessage());
        }
        *text = *record;
    }
    for (auto& ear : contents.points) {
        for (auto& point : ear) {
            const auto wave = in.int32();
            const auto master = in.int32();
            const auto gain = in.int32();
            const auto reserved = in.int32();
            const auto reference = in.float64();
            if (!wave || !master || !gain || !reserved || !reference) {
                return Result::failure(calibrationFormatMessage());
            }
            point = engine::TCalibrationPoint{*wave, *master, *gain, *reserved, *reference};
        }
    }
    return Result::success(std::move(contents));
}

void applyCalibrationFile(engine::AppState& state, const CalibrationFileContents& contents) {
    for (int ear = 0; ear < engine::kEars; ++ear) {
        for (int slot = 1; slot <= kCalibratedSlots; ++slot) {
            state.Calibration[ear][slot] = contents.points[ear][slot - 1];
        }
    }
    state.CalibrationDate = contents.date;
    state.CalibrationTime = contents.time;
    state.CalibrationLoaded = true;
}

void noteCalibrationSource(engine::AppState& state, const QString& fileName, const QString& person,
                           const QByteArray& bytes) {
    state.CalibrationFile = fileName;
    state.CalibrationPerson = person;
    state.CalibrationHash =
        bytes.isEmpty() ? QString()
                        : QString::fromLatin1(
                              QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

void applyNewCalibration(engine::AppState& state) {
    state.CalibrationDate = state.NewCalibrationDate;
    state.CalibrationTime = state.NewCalibrationTime;
    for (int ear = 0; ear < engine::kEars; ++ear) {
        for (int slot = 1; slot <= kCalibratedSlots; ++slot) {
            state.Calibration[ear][slot] = state.NewCalibration[ear][slot - 1];
        }
    }
    state.CalibrationLoaded = true;
}

CalibrationFileContents loadedCalibration(const engine::AppState& state, const QString& person,
                                          const QString& headphones, const QString& soundcard,
                                          const QString& comment) {
    CalibrationFileContents contents;
    contents.person = person;
    contents.headphones = headphones;
    contents.soundcard = soundcard;
    contents.comment = comment;
    contents.date = state.CalibrationDate;
    contents.time = state.CalibrationTime;
    for (int ear = 0; ear < engine::kEars; ++ear) {
        for (int slot = 1; slot <= kCalibratedSlots; ++slot) {
            contents.points[ear][slot - 1] = state.Calibration[ear][slot];
        }
    }
    return contents;
}

} // namespace tavo::storage

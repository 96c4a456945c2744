#pragma once

#include "storage/CalibrationFile.h"
#include "storage/Decoded.h"
#include "storage/TestFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QJsonObject>

namespace tavo::storage {

// The JSON forms of the two binary files (docs/file-formats-json.md).
// Readers refuse a document that lacks a field, has one it does not know,
// or has a value of the wrong kind or size, with a message naming the
// field ("runs[1].reversals.left[3].levels").

QJsonObject testFileToJson(const TestFileContents& contents);
Decoded<TestFileContents> testFileFromJson(const QJsonObject& json);

// Refused when a reference value is not a finite number (JSON has none).
Decoded<QJsonObject> calibrationFileToJson(const CalibrationFileContents& contents);
Decoded<CalibrationFileContents> calibrationFileFromJson(const QJsonObject& json);

// The "format" of a JSON document: "test" or "calibration".
inline const QString kTestJsonFormat = QStringLiteral("test");
inline const QString kCalibrationJsonFormat = QStringLiteral("calibration");

// Parses a JSON text whose top level is an object.
Decoded<QJsonObject> parseJsonObject(QByteArrayView text);

// The JSON text as `tavo` writes it: indented, UTF-8, ending in a newline.
QByteArray jsonText(const QJsonObject& json);

} // namespace tavo::storage

// The JSON forms of the test and calibration files.

#include "ByteVectors.h"
#include "storage/FileJson.h"

#include <QJsonArray>

#include <gtest/gtest.h>

#include <limits>

using namespace tavo;
using namespace tavo::storage;

namespace {

TestFileContents sampleTest() {
    TestFileContents contents;
    contents.data = {
        QStringLiteral("Jörg Weiß"), QStringLiteral("Büro €"), true, false, false, true};
    contents.run1 = testsupport::numberedRun(0);
    contents.run2 = testsupport::numberedRun(9);
    contents.run1.TestDate = QStringLiteral("06-12-2026");
    contents.run2.TestTime = QStringLiteral("9h40");
    return contents;
}

// Replaces the value at a path of object keys and array indexes.
QJsonValue edited(const QJsonValue& value, QStringList path, const QJsonValue& replacement) {
    if (path.isEmpty()) {
        return replacement;
    }
    const QString step = path.takeFirst();
    if (value.isArray()) {
        QJsonArray array = value.toArray();
        const int index = step.toInt();
        array[index] = edited(array[index], path, replacement);
        return array;
    }
    QJsonObject object = value.toObject();
    if (replacement.isUndefined() && path.isEmpty()) {
        object.remove(step);
    } else {
        object[step] = edited(object[step], path, replacement);
    }
    return object;
}

QString refusal(const QJsonObject& json, const QString& path, const QJsonValue& replacement) {
    const auto doc = edited(json, path.split(QLatin1Char('/')), replacement).toObject();
    const auto read = testFileFromJson(doc);
    EXPECT_FALSE(read) << path.toStdString();
    return read.error;
}

} // namespace

TEST(TestJson, RefusalsNameTheField) {
    const QJsonObject json = testFileToJson(sampleTest());
    EXPECT_EQ(refusal(json, QStringLiteral("runs"), QJsonValue::Undefined),
              QStringLiteral("Feld „runs“ fehlt"));
    EXPECT_EQ(refusal(json, QStringLiteral("ok"), QStringLiteral("-1")),
              QStringLiteral("Feld „ok“ hat die falsche Form (erwartet: true oder false)"));
    EXPECT_TRUE(refusal(json, QStringLiteral("runs/1/reversals/left/3/levels/19"), 1.5)
                    .contains(QStringLiteral("„runs[1].reversals.left[3].levels[19]“")));
    EXPECT_TRUE(refusal(json, QStringLiteral("runs/0/thresholds/right/0"), 2147483648.0)
                    .contains(QStringLiteral("„runs[0].thresholds.right[0]“")));
    EXPECT_TRUE(refusal(json, QStringLiteral("runs/0/reversals/right/2/count"), 21)
                    .contains(QStringLiteral("„runs[0].reversals.right[2].count“")));
    EXPECT_TRUE(
        refusal(json, QStringLiteral("runs/0/reversals/right/2/spread"), QJsonValue::Undefined)
            .contains(QStringLiteral("„runs[0].reversals.right[2].spread“ fehlt")));
    EXPECT_TRUE(refusal(json, QStringLiteral("runs/1/thresholds/left"), QJsonArray{1, 2, 3})
                    .contains(QStringLiteral("Liste mit 12 Einträgen")));
    EXPECT_TRUE(
        refusal(json, QStringLiteral("runs"), QJsonArray{}).contains(QStringLiteral("„runs“")));
    EXPECT_TRUE(refusal(json, QStringLiteral("format"), QStringLiteral("calibration"))
                    .contains(QStringLiteral("„format“")));
    EXPECT_TRUE(refusal(json, QStringLiteral("erstpruefng"), true)
                    .contains(QStringLiteral("Unbekanntes Feld „erstpruefng“")));
    EXPECT_FALSE(testFileFromJson(QJsonObject{}));
}

TEST(CalibrationJson, RoundTripAndRefusals) {
    CalibrationFileContents contents;
    contents.person = QStringLiteral("Anna Öztürk");
    contents.comment = QString(300, QLatin1Char('x'));
    contents.points[1][10] = {1, -2, 3, std::numeric_limits<std::int32_t>::min(), -2.4};
    contents.points[0][0].Reference = 1e-300;
    const auto json = calibrationFileToJson(contents);
    ASSERT_TRUE(json);
    const auto point = (*json.value)[QStringLiteral("right")][10];
    EXPECT_EQ(point[QStringLiteral("reserved")].toInt(), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(point[QStringLiteral("reference")].toDouble(), -2.4);

    const auto parsed = parseJsonObject(jsonText(*json.value));
    ASSERT_TRUE(parsed);
    const auto back = calibrationFileFromJson(*parsed.value);
    ASSERT_TRUE(back) << back.error.toStdString();
    EXPECT_EQ(encodeCalibrationFile(*back.value), encodeCalibrationFile(contents));

    QJsonObject wrong = *json.value;
    wrong.remove(QStringLiteral("left"));
    EXPECT_EQ(calibrationFileFromJson(wrong).error, QStringLiteral("Feld „left“ fehlt"));
    wrong = *json.value;
    QJsonArray right = wrong[QStringLiteral("right")].toArray();
    right[4] = QJsonObject{{QStringLiteral("wave"), 1}};
    wrong[QStringLiteral("right")] = right;
    EXPECT_EQ(calibrationFileFromJson(wrong).error, QStringLiteral("Feld „right[4].master“ fehlt"));

    // JSON has no form for a reference that is not a number.
    contents.points[0][3].Reference = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(calibrationFileToJson(contents));
}

TEST(JsonText, OnlyObjectsAreDocuments) {
    EXPECT_FALSE(parseJsonObject("[1, 2]"));
    EXPECT_FALSE(parseJsonObject("{\"format\": "));
    EXPECT_FALSE(parseJsonObject(""));
    EXPECT_TRUE(parseJsonObject("{}"));
}

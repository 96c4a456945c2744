#include "storage/FileJson.h"

#include "platform/SystemErrors.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace tavo::storage {

namespace {

using engine::kEars;
using engine::kMaxReversals;
using engine::kResultIndexes;

const std::array<QString, 2> kEarKeys = {QStringLiteral("left"), QStringLiteral("right")};

// A refused document; the message names the field.
struct Refused : std::runtime_error {
    explicit Refused(const QString& message)
        : std::runtime_error(message.toStdString()), text(message) {}
    QString text;
};

// Walks a document and keeps the path to the value at hand for messages.
class Field {
public:
    Field(QJsonValue value, QString path) : value_(std::move(value)), path_(std::move(path)) {}

    // An object with exactly these keys.
    Field member(const QString& key) const {
        const QJsonObject object = asObject();
        if (!object.contains(key)) {
            throw Refused(
                QCoreApplication::translate("FileJson", "Feld „%1“ fehlt").arg(join(key)));
        }
        return Field(object.value(key), join(key));
    }
    void expectKeys(std::initializer_list<QString> keys) const {
        const QJsonObject object = asObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (std::find(keys.begin(), keys.end(), it.key()) == keys.end()) {
                throw Refused(QCoreApplication::translate("FileJson", "Unbekanntes Feld „%1“")
                                  .arg(join(it.key())));
            }
        }
        for (const QString& key : keys) {
            member(key);
        }
    }
    // An array of exactly `size` elements.
    std::vector<Field> elements(qsizetype size) const {
        if (!value_.isArray() || value_.toArray().size() != size) {
            throw wrongShape(
                QCoreApplication::translate("FileJson", "Liste mit %1 Einträgen").arg(size));
        }
        std::vector<Field> list;
        const QJsonArray array = value_.toArray();
        for (qsizetype i = 0; i < size; ++i) {
            list.emplace_back(array.at(i), QStringLiteral("%1[%2]").arg(path_).arg(i));
        }
        return list;
    }
    QString text() const {
        if (!value_.isString()) {
            throw wrongShape(QCoreApplication::translate("FileJson", "Text"));
        }
        return value_.toString();
    }
    bool boolean() const {
        if (!value_.isBool()) {
            throw wrongShape(QCoreApplication::translate("FileJson", "true oder false"));
        }
        return value_.toBool();
    }
    std::int32_t int32(std::int32_t minimum = std::numeric_limits<std::int32_t>::min(),
                       std::int32_t maximum = std::numeric_limits<std::int32_t>::max()) const {
        const double number = value_.toDouble();
        if (!value_.isDouble() || std::trunc(number) != number || number < minimum ||
            number > maximum) {
            throw wrongShape(QCoreApplication::translate("FileJson", "ganze Zahl von %1 bis %2")
                                 .arg(minimum)
                                 .arg(maximum));
        }
        return static_cast<std::int32_t>(number);
    }
    double number() const {
        if (!value_.isDouble()) {
            throw wrongShape(QCoreApplication::translate("FileJson", "Zahl"));
        }
        return value_.toDouble();
    }

private:
    QJsonObject asObject() const {
        if (!value_.isObject()) {
            throw wrongShape(QCoreApplication::translate("FileJson", "Objekt"));
        }
        return value_.toObject();
    }
    QString join(const QString& key) const {
        return path_.isEmpty() ? key : path_ + QLatin1Char('.') + key;
    }
    Refused wrongShape(const QString& expected) const {
        return Refused(
            QCoreApplication::translate("FileJson", "Feld „%1“ hat die falsche Form (erwartet: %2)")
                .arg(path_.isEmpty() ? QCoreApplication::translate("FileJson", "(Dokument)")
                                     : path_,
                     expected));
    }

    QJsonValue value_;
    QString path_;
};

void expectFormat(const Field& root, const QString& format) {
    if (root.member(QStringLiteral("format")).text() != format) {
        throw Refused(
            QCoreApplication::translate("FileJson", "Feld „format“ muss „%1“ sein").arg(format));
    }
}

QJsonObject runToJson(const engine::TTestResult& run) {
    QJsonObject reversals;
    QJsonObject thresholds;
    for (int ear = 0; ear < kEars; ++ear) {
        QJsonArray lists;
        QJsonArray values;
        for (int index = 0; index < kResultIndexes; ++index) {
            const auto& list = run.Reversals[ear][index];
            QJsonArray levels;
            for (const auto level : list.Levels) {
                levels.append(level);
            }
            lists.append(QJsonObject{{QStringLiteral("count"), list.Count},
                                     {QStringLiteral("levels"), levels},
                                     {QStringLiteral("spread"), list.Spread}});
            values.append(run.Thresholds[ear][index]);
        }
        reversals.insert(kEarKeys[ear], lists);
        thresholds.insert(kEarKeys[ear], values);
    }
    return QJsonObject{{QStringLiteral("date"), run.TestDate},
                       {QStringLiteral("time"), run.TestTime},
                       {QStringLiteral("reversals"), reversals},
                       {QStringLiteral("thresholds"), thresholds}};
}

void runFromJson(const Field& field, engine::TTestResult& run) {
    field.expectKeys({QStringLiteral("date"), QStringLiteral("time"), QStringLiteral("reversals"),
                      QStringLiteral("thresholds")});
    run.TestDate = field.member(QStringLiteral("date")).text();
    run.TestTime = field.member(QStringLiteral("time")).text();
    const Field reversals = field.member(QStringLiteral("reversals"));
    const Field thresholds = field.member(QStringLiteral("thresholds"));
    reversals.expectKeys({kEarKeys[0], kEarKeys[1]});
    thresholds.expectKeys({kEarKeys[0], kEarKeys[1]});
    for (int ear = 0; ear < kEars; ++ear) {
        const auto lists = reversals.member(kEarKeys[ear]).elements(kResultIndexes);
        const auto values = thresholds.member(kEarKeys[ear]).elements(kResultIndexes);
        for (int index = 0; index < kResultIndexes; ++index) {
            const Field& list = lists[index];
            list.expectKeys(
                {QStringLiteral("count"), QStringLiteral("levels"), QStringLiteral("spread")});
            auto& target = run.Reversals[ear][index];
            // The same bound the test-file reader holds a file to.
            target.Count = list.member(QStringLiteral("count")).int32(0, kMaxReversals);
            const auto levels = list.member(QStringLiteral("levels")).elements(kMaxReversals);
            for (int k = 0; k < kMaxReversals; ++k) {
                target.Levels[k] = levels[k].int32();
            }
            target.Spread = list.member(QStringLiteral("spread")).int32();
            run.Thresholds[ear][index] = values[index].int32();
        }
    }
}

QJsonObject pointToJson(const engine::TCalibrationPoint& point) {
    return QJsonObject{{QStringLiteral("wave"), point.WaveSteps},
                       {QStringLiteral("master"), point.MasterSteps},
                       {QStringLiteral("gain"), point.GainSteps},
                       {QStringLiteral("reserved"), point.Reserved},
                       {QStringLiteral("reference"), point.Reference}};
}

engine::TCalibrationPoint pointFromJson(const Field& field) {
    field.expectKeys({QStringLiteral("wave"), QStringLiteral("master"), QStringLiteral("gain"),
                      QStringLiteral("reserved"), QStringLiteral("reference")});
    return engine::TCalibrationPoint{field.member(QStringLiteral("wave")).int32(),
                                     field.member(QStringLiteral("master")).int32(),
                                     field.member(QStringLiteral("gain")).int32(),
                                     field.member(QStringLiteral("reserved")).int32(),
                                     field.member(QStringLiteral("reference")).number()};
}

} // namespace

QJsonObject testFileToJson(const TestFileContents& contents) {
    const auto& data = contents.data;
    return QJsonObject{
        {QStringLiteral("format"), kTestJsonFormat},
        {QStringLiteral("person"), data.person},
        {QStringLiteral("location"), data.location},
        {QStringLiteral("erstpruefung"), data.erstpruefung},
        {QStringLiteral("screening"), data.screening},
        {QStringLiteral("ok"), data.ok},
        {QStringLiteral("nok"), data.nok},
        {QStringLiteral("runs"), QJsonArray{runToJson(contents.run1), runToJson(contents.run2)}}};
}

Decoded<TestFileContents> testFileFromJson(const QJsonObject& json) {
    try {
        const Field root(json, QString());
        expectFormat(root, kTestJsonFormat);
        root.expectKeys({QStringLiteral("format"), QStringLiteral("person"),
                         QStringLiteral("location"), QStringLiteral("erstpruefung"),
                         QStringLiteral("screening"), QStringLiteral("ok"), QStringLiteral("nok"),
                         QStringLiteral("runs")});
        TestFileContents contents;
        auto& data = contents.data;
        data.person = root.member(QStringLiteral("person")).text();
        data.location = root.member(QStringLiteral("location")).text();
        data.erstpruefung = root.member(QStringLiteral("erstpruefung")).boolean();
        data.screening = root.member(QStringLiteral("screening")).boolean();
        data.ok = root.member(QStringLiteral("ok")).boolean();
        data.nok = root.member(QStringLiteral("nok")).boolean();
        const auto runs = root.member(QStringLiteral("runs")).elements(2);
        runFromJson(runs[0], contents.run1);
        runFromJson(runs[1], contents.run2);
        return Decoded<TestFileContents>::success(std::move(contents));
    } catch (const Refused& refused) {
        return Decoded<TestFileContents>::failure(refused.text);
    }
}

Decoded<QJsonObject> calibrationFileToJson(const CalibrationFileContents& contents) {
    QJsonObject json{{QStringLiteral("format"), kCalibrationJsonFormat},
                     {QStringLiteral("person"), contents.person},
                     {QStringLiteral("headphones"), contents.headphones},
                     {QStringLiteral("soundcard"), contents.soundcard},
                     {QStringLiteral("comment"), contents.comment},
                     {QStringLiteral("date"), contents.date},
                     {QStringLiteral("time"), contents.time}};
    for (int ear = 0; ear < kEars; ++ear) {
        QJsonArray points;
        for (int slot = 0; slot < kCalibratedSlots; ++slot) {
            const auto& point = contents.points[ear][slot];
            if (!std::isfinite(point.Reference)) {
                return Decoded<QJsonObject>::failure(
                    QCoreApplication::translate(
                        "FileJson", "Der Bezugswert von %1[%2] ist keine endliche Zahl und hat in "
                                    "JSON keine Form")
                        .arg(kEarKeys[ear])
                        .arg(slot));
            }
            points.append(pointToJson(point));
        }
        json.insert(kEarKeys[ear], points);
    }
    return Decoded<QJsonObject>::success(json);
}

Decoded<CalibrationFileContents> calibrationFileFromJson(const QJsonObject& json) {
    try {
        const Field root(json, QString());
        expectFormat(root, kCalibrationJsonFormat);
        root.expectKeys({QStringLiteral("format"), QStringLiteral("person"),
                         QStringLiteral("headphones"), QStringLiteral("soundcard"),
                         QStringLiteral("comment"), QStringLiteral("date"), QStringLiteral("time"),
                         kEarKeys[0], kEarKeys[1]});
        CalibrationFileContents contents;
        contents.person = root.member(QStringLiteral("person")).text();
        contents.headphones = root.member(QStringLiteral("headphones")).text();
        contents.soundcard = root.member(QStringLiteral("soundcard")).text();
        contents.comment = root.member(QStringLiteral("comment")).text();
        contents.date = root.member(QStringLiteral("date")).text();
        contents.time = root.member(QStringLiteral("time")).text();
        for (int ear = 0; ear < kEars; ++ear) {
            const auto points = root.member(kEarKeys[ear]).elements(kCalibratedSlots);
            for (int slot = 0; slot < kCalibratedSlots; ++slot) {
                contents.points[ear][slot] = pointFromJson(points[slot]);
            }
        }
        return Decoded<CalibrationFileContents>::success(std::move(contents));
    } catch (const Refused& refused) {
        return Decoded<CalibrationFileContents>::failure(refused.text);
    }
}

Decoded<QJsonObject> parseJsonObject(QByteArrayView text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError) {
        return Decoded<QJsonObject>::failure(
            QCoreApplication::translate("FileJson", "Kein gültiges JSON (Zeichen %1): %2")
                .arg(error.offset)
                .arg(platform::jsonErrorText(error.error)));
    }
    if (!document.isObject()) {
        return Decoded<QJsonObject>::failure(
            QCoreApplication::translate("FileJson", "Das JSON-Dokument muss ein Objekt sein"));
    }
    return Decoded<QJsonObject>::success(document.object());
}

QByteArray jsonText(const QJsonObject& json) {
    return QJsonDocument(json).toJson(QJsonDocument::Indented);
}

} // namespace tavo::storage

// `tavo` as a user meets it when something is wrong: missing, unreadable
// and damaged inputs and outputs that cannot be written end with 1, refused
// arguments with 2, each with one line on stderr that names the command and
// the file and, for a damaged file, the kind of file it is. Also the
// choices a user makes by name or notation: picture and sound formats by
// suffix, a decimal comma, a level that clips.

#include "engine/AppState.h"
#include "engine/ToneSynthesis.h"
#include "engine/WavFile.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "storage/CalibrationFile.h"
#include "storage/Registry.h"
#include "storage/TestFile.h"
#include "support/TavoTool.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace tavo;
using testsupport::runTavo;
using testsupport::ToolRun;

namespace {

const QString kDamagedTest = QStringLiteral("keine gültige Testdatei");
const QString kDamagedCalibration = QStringLiteral("keine gültige Kalibrierungsdatei");

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the tool promises for every failure and refusal: one line on
// stderr, "tavo COMMAND: ...", and no results on stdout (a simulated test
// shows its messages while it runs, but no outcome when it then fails).
void expectOneLine(const ToolRun& run, const QStringList& arguments) {
    const std::string call = arguments.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << call << "\n" << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("tavo %1: ").arg(arguments.first())))
        << call << "\n"
        << run.err.toStdString();
    if (arguments.first() == QLatin1String("simulate")) {
        EXPECT_FALSE(run.out.contains(QStringLiteral("run 1: "))) << call;
    } else {
        EXPECT_EQ(run.out, QString()) << call;
    }
}

class TavoExitCodes : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        good = testsupport::writeRealisticTest(dir, QStringLiteral("good.vkt"));
        ASSERT_FALSE(good.isEmpty());
        storage::CalibrationFileContents calibration;
        for (auto& ear : calibration.points) {
            for (auto& point : ear) {
                point.WaveSteps = 20;
                point.MasterSteps = 500;
            }
        }
        const QByteArray calibrationBytes = storage::encodeCalibrationFile(calibration);
        write("good.vkk", calibrationBytes);
        // A calibration file under a test file's name, and both kinds cut
        // short: their signatures are intact, the rest is missing.
        write("calibration.vkt", calibrationBytes);
        write("cut-calibration.vkt", calibrationBytes.left(60));
        write("cut-test.vkk", contentsOf(good).left(300));
        write("cut-test.vkt", contentsOf(good).left(300));
        write("nonsense.vkt", "nonsense");
        write("nonsense.AUD", "nonsense");
        write("nonsense.vkk", "nonsense");
        write("nonsense.json", "{\"format\":");
        // Starts like a settings file but the program's reader refuses it.
        write("damaged.reg", "REGEDIT4\n\nkein Schlüssel\n");
        QDir(dir.path()).mkdir(QStringLiteral("folder.vkt"));

        platform::RegFileSettingsStore store(path("good.reg"));
        ASSERT_TRUE(storage::seedSettingsStore(store, nullptr));
        store.openKey(false);
        store.writeInteger(QStringLiteral("FirstRun"), 0);
        ASSERT_TRUE(store.closeKey());
        write("listener.json", "{\"thresholds\": {\"left\": [10,10,10,10,10,10,10,10,10,10,10],"
                               " \"right\": [10,10,10,10,10,10,10,10,10,10,10]}}");
    }

    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void write(const char* name, const QByteArray& bytes) const {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList simulate(const char* settings, const char* calibration, const char* listener,
                         const char* out) const {
        return {text("simulate"),      text("--settings"), path(settings),
                text("--calibration"), path(calibration),  text("--listener"),
                path(listener),        text("--out"),      path(out)};
    }
    QStringList tone(const QStringList& options) const {
        return QStringList{text("tone"),    text("--frequency"), text("1000"),
                           text("--pulse"), text("0.2"),         text("--gap"),
                           text("0"),       text("--ear"),       text("left")} +
               options;
    }
    // The files this test made beside the inputs (outputs that must not be).
    QStringList outputs() const {
        return QDir(dir.path())
            .entryList(QDir::Files | QDir::Hidden)
            .filter(QRegularExpression(QStringLiteral("^(out|\\.)")));
    }

    QTemporaryDir dir;
    QString good;
};

struct FailureCase {
    QStringList arguments;
    QString message;         // part of the one line
    QString notMessage = {}; // what the line must not say
};

void expectFailures(const std::vector<FailureCase>& cases, int exitCode) {
    for (const auto& [arguments, message, notMessage] : cases) {
        const std::string call = arguments.join(QLatin1Char(' ')).toStdString();
        const ToolRun run = runTavo(arguments, true);
        EXPECT_EQ(run.exitCode, exitCode) << call << "\n" << run.err.toStdString();
        expectOneLine(run, arguments);
        EXPECT_TRUE(run.err.contains(message)) << call << "\n" << run.err.toStdString();
        if (!notMessage.isEmpty()) {
            EXPECT_FALSE(run.err.contains(notMessage)) << call << "\n" << run.err.toStdString();
        }
    }
}

} // namespace

TEST_F(TavoExitCodes, MissingAndUnreadableInputsFailWithOne) {
    const QString missing = path("missing.vkt");
    const QString folder = path("folder.vkt"); // opening a folder fails like an unreadable file
    expectFailures(
        {
            {{text("show"), missing}, missing},
            {{text("show"), folder}, folder},
            {{text("convert"), missing, path("out.json")}, missing},
            {{text("convert"), path("missing.vkk"), path("out.json")}, path("missing.vkk")},
            {{text("convert"), path("missing.json"), path("out.vkt")}, path("missing.json")},
            {{text("render"), folder, text("--out"), path("out.png")}, folder},
            {{text("render"), good, text("--settings"), path("missing.reg"), text("--out"),
              path("out.png")},
             path("missing.reg")},
            {{text("settings"), text("--simulate"), text("--store"), path("missing.reg")},
             path("missing.reg")},
            {simulate("missing.reg", "good.vkk", "listener.json", "out.vkt"), path("missing.reg")},
            {simulate("good.reg", "missing.vkk", "listener.json", "out.vkt"), path("missing.vkk")},
            {simulate("good.reg", "good.vkk", "missing.json", "out.vkt"), path("missing.json")},
        },
        1);
    EXPECT_EQ(outputs(), QStringList());
}

TEST_F(TavoExitCodes, DamagedInputsFailWithOneAndAreNamedByTheirKind) {
    const QString png = path("out.png");
    expectFailures(
        {
            // By name where the contents say nothing, by signature where
            // they do, whatever the name.
            {{text("show"), path("nonsense.vkt")}, kDamagedTest, kDamagedCalibration},
            {{text("show"), path("nonsense.AUD")}, kDamagedTest, kDamagedCalibration},
            {{text("show"), path("nonsense.vkk")}, kDamagedCalibration, kDamagedTest},
            {{text("show"), path("cut-test.vkk")}, kDamagedTest, kDamagedCalibration},
            {{text("show"), path("cut-calibration.vkt")}, kDamagedCalibration, kDamagedTest},
            {{text("convert"), path("nonsense.AUD"), path("out.json")},
             kDamagedTest,
             kDamagedCalibration},
            {{text("convert"), path("cut-test.vkt"), path("out.txt")},
             kDamagedTest,
             kDamagedCalibration},
            {{text("convert"), path("nonsense.vkk"), path("out.json")},
             kDamagedCalibration,
             kDamagedTest},
            {{text("convert"), path("cut-calibration.vkt"), path("out.json")},
             kDamagedCalibration,
             kDamagedTest},
            // A good file of the other kind is called what it is.
            {{text("convert"), path("calibration.vkt"), path("out.json")},
             text("ist eine Kalibrierungsdatei, keine Testdatei")},
            {{text("convert"), path("nonsense.json"), path("out.vkt")}, path("nonsense.json")},
            {{text("render"), path("cut-test.vkt"), text("--out"), png},
             kDamagedTest,
             kDamagedCalibration},
            {{text("render"), path("good.vkk"), text("--out"), png},
             text("ist eine Kalibrierungsdatei, keine Testdatei")},
            {{text("render"), good, text("--settings"), path("nonsense.vkt"), text("--out"), png},
             text("keine Einstellungsdatei")},
            {{text("settings"), text("--simulate"), text("--store"), path("nonsense.vkk")},
             text("keine Einstellungsdatei")},
            {{text("settings"), text("--simulate"), text("--store"), path("damaged.reg")},
             text("keine gültige Einstellungsdatei")},
            {simulate("damaged.reg", "good.vkk", "listener.json", "out.vkt"),
             text("keine gültige Einstellungsdatei")},
            {simulate("good.reg", "cut-calibration.vkt", "listener.json", "out.vkt"),
             kDamagedCalibration, kDamagedTest},
            {simulate("good.reg", "good.vkk", "nonsense.json", "out.vkt"), path("nonsense.json")},
        },
        1);
    EXPECT_EQ(outputs(), QStringList());
}

TEST_F(TavoExitCodes, OutputsThatCannotBeWrittenFailWithOneAndLeaveNothing) {
    const QString nowhere = path("missing/out");
    expectFailures(
        {
            {{text("convert"), good, nowhere + text(".json")}, nowhere},
            {{text("render"), good, text("--out"), path("out.png"), text("--table"),
              nowhere + text(".jpg")},
             nowhere},
            {tone({text("--level"), text("-20"), text("--out"), nowhere + text(".wav")}), nowhere},
            {simulate("good.reg", "good.vkk", "listener.json", "missing/out.vkt"), nowhere},
        },
        1);
    EXPECT_EQ(outputs(), QStringList());
}

TEST_F(TavoExitCodes, RefusedArgumentsEndWithTwoBeforeAnyFileIsTouched) {
    expectFailures(
        {
            // Formats follow the name; only the known suffixes are taken.
            {{text("render"), good, text("--out"), path("out.gif")}, text(".png, .jpg, .jpeg")},
            {{text("render"), good, text("--out"), path("out.png"), text("--table"),
              path("out.bmp")},
             text("--table")},
            {{text("render"), good, text("--pdf"), path("out.png")}, text(".pdf")},
            {tone({text("--level"), text("-20"), text("--out"), path("out.mp3")}), text(".wav")},
            // Arguments are judged before the input is read.
            {{text("render"), path("missing.vkt"), text("--out"), path("out.tiff")},
             text("out.tiff")},
            {{text("convert"), path("missing.vkt"), path("out.vkk")}, text("Umwandlung")},
            // A second value would silently win.
            {tone({text("--level"), text("-20"), text("--level=-30"), text("--out"),
                   path("out.wav")}),
             text("--level")},
            {{text("settings"), text("--simulate"), text("--simulate")}, text("--simulate")},
            // Everything that is missing, at once.
            {{text("tone")},
             text("Es fehlen die Optionen --frequency, --level, --pulse, --gap, --ear und --out")},
            {{text("play"), text("--simulate"), text("--level"), text("-20")},
             text("--device, --frequency, --ear und --seconds")},
            {{text("simulate"), text("--out"), path("out.vkt")}, text("--settings und --listener")},
            {tone({text("--level"), text("-20,5,1"), text("--out"), path("out.wav")}),
             text("-20,5,1")},
            {tone({text("--level"), text("61"), text("--out"), path("out.wav")}), text("61")},
            {{text("show"), good, good}, text("genau ein")},
        },
        2);
    EXPECT_EQ(outputs(), QStringList());
}

TEST_F(TavoExitCodes, AudIsATestFileNameForShowAndConvert) {
    QFile::copy(good, path("good.AUD"));
    const auto shown = runTavo({text("show"), path("good.AUD")});
    EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.startsWith(text("Testdatei:")));
    for (const char* name : {"out.json", "out.txt"}) {
        const auto run = runTavo({text("convert"), path("good.AUD"), path(name)});
        EXPECT_EQ(run.exitCode, 0) << name << run.err.toStdString();
    }
    const auto back = runTavo({text("convert"), path("out.json"), path("out.aud")});
    ASSERT_EQ(back.exitCode, 0) << back.err.toStdString();
    EXPECT_EQ(contentsOf(path("out.aud")), contentsOf(good));
}

TEST_F(TavoExitCodes, RenderWritesTheFormatItsNamesSay) {
    const auto run = runTavo({text("render"), good, text("--out"), path("out.JPG"), text("--table"),
                              path("out.png"), text("--width"), text("400")},
                             true);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(contentsOf(path("out.JPG")).startsWith("\xFF\xD8\xFF"));
    EXPECT_TRUE(contentsOf(path("out.png")).startsWith("\x89PNG"));
    const QImage jpeg(path("out.JPG"), "JPEG");
    EXPECT_EQ(jpeg.size(), QSize(400, 301));
    // The same drawing as the PNG, but for the compression's small errors.
    const auto png = runTavo(
        {text("render"), good, text("--out"), path("out2.png"), text("--width"), text("400")},
        true);
    ASSERT_EQ(png.exitCode, 0);
    const QImage exact(path("out2.png"));
    ASSERT_EQ(exact.size(), jpeg.size());
    // JPEG keeps the brightness of every pixel and smears only the colour of
    // thin lines: in brightness, few pixels are far off, while another
    // picture (a blank one misses every line) has many.
    int far = 0;
    int farFromBlank = 0;
    const int background = qGray(exact.pixel(1, 1));
    for (int y = 0; y < exact.height(); ++y) {
        for (int x = 0; x < exact.width(); ++x) {
            const int brightness = qGray(exact.pixel(x, y));
            far += std::abs(brightness - qGray(jpeg.pixel(x, y))) > 48 ? 1 : 0;
            farFromBlank += std::abs(brightness - background) > 48 ? 1 : 0;
        }
    }
    EXPECT_LT(far * 20, farFromBlank);
}

TEST_F(TavoExitCodes, ADecimalCommaIsADecimalMark) {
    // The same options with a comma and with a full stop.
    const QStringList common = {text("tone"), text("--frequency"), text("750"), text("--ear"),
                                text("right")};
    const auto a =
        runTavo(common + QStringList{text("--level"), text("-20,5"), text("--pulse"), text("0,3"),
                                     text("--gap=0,25"), text("--out"), path("a.wav")});
    const auto b =
        runTavo(common + QStringList{text("--level"), text("-20.5"), text("--pulse"), text("0.3"),
                                     text("--gap=0.25"), text("--out"), path("b.wav")});
    ASSERT_EQ(a.exitCode, 0) << a.err.toStdString();
    ASSERT_EQ(b.exitCode, 0) << b.err.toStdString();
    engine::ToneBuffer expected;
    engine::CreateSound({0, 1}, 0.0, 750, expected, -20.5, 0.3, 0.25);
    const QByteArray file = contentsOf(path("a.wav"));
    EXPECT_EQ(file.mid(44), QByteArray(reinterpret_cast<const char*>(expected.data()),
                                       qsizetype(expected.size())));
    EXPECT_EQ(file, contentsOf(path("b.wav")));
    const auto play = runTavo({text("play"), text("--simulate"), text("--device"), text("0"),
                               text("--frequency"), text("1000"), text("--level"), text("-40,5"),
                               text("--ear"), text("left"), text("--seconds"), text("0,1")});
    EXPECT_EQ(play.exitCode, 0) << play.err.toStdString();
}

TEST_F(TavoExitCodes, ALevelThatClipsIsWarnedAboutAndSaturated) {
    const QString warning = text("Pegel übersteuert: Spitzen werden begrenzt");
    // level, --second-run-offset, whether the peak passes full scale
    const std::vector<std::tuple<double, bool, bool>> levels = {
        {6.0, false, true}, {0.0, false, false}, {-3.0, true, true}, {-5.0, true, false}};
    for (const auto& [level, offset, clips] : levels) {
        QStringList options = {text("--level"), QString::number(level), text("--out"),
                               path("clip.wav")};
        if (offset) {
            options << text("--second-run-offset");
        }
        const auto run = runTavo(tone(options));
        ASSERT_EQ(run.exitCode, 0) << level << run.err.toStdString();
        EXPECT_EQ(run.err, clips ? text("tavo tone: ") + warning + QLatin1Char('\n') : QString())
            << level << " " << offset;
        // Written all the same, saturated as the synthesis does it.
        engine::ToneBuffer expected;
        engine::CreateSound({1, 0}, offset ? engine::kSecondRunOffsetDb : 0.0, 1000, expected,
                            level, 0.2, 0.0);
        EXPECT_EQ(
            contentsOf(path("clip.wav")).mid(44),
            QByteArray(reinterpret_cast<const char*>(expected.data()), qsizetype(expected.size())))
            << level;
    }
    for (const char* level : {"3", "0"}) {
        const auto play = runTavo({text("play"), text("--simulate"), text("--device"), text("0"),
                                   text("--frequency"), text("1000"), text("--level"), text(level),
                                   text("--ear"), text("left"), text("--seconds"), text("0.1")});
        EXPECT_EQ(play.exitCode, 0) << play.err.toStdString();
        EXPECT_EQ(play.err, qstrcmp(level, "3") == 0
                                ? text("tavo play: ") + warning + QLatin1Char('\n')
                                : QString());
    }
}

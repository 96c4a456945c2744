// `tavo render`: the realistic two-run test drawn at another size than the
// window's, without a display, probed at the coordinates of the rules.

#include "engine/Evaluation.h"
#include "platform/regfile/RegFileSettingsStore.h"
#include "storage/FileJson.h"
#include "storage/Registry.h"
#include "storage/TestFile.h"
#include "ui/AudiogramProbes.h"

#include "support/TavoTool.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace tavo;
using testsupport::anyIn;
using testsupport::hatched;

namespace {

struct Run {
    int exitCode = -1;
    QStringList lines;
    QString err;
};

// As a user without a display runs it.
Run tavoRender(const QStringList& arguments) {
    const auto run = testsupport::runTavo(QStringList{QStringLiteral("render")} + arguments, true);
    return {run.exitCode, run.out.split(QLatin1Char('\n')), run.err};
}

struct RenderTest : ::testing::Test {
    void SetUp() override {
        QFile json(qEnvironmentVariable("TAVO_SOURCE_DIR") +
                   QStringLiteral("/tests/data/two_runs_noise_notch.json"));
        ASSERT_TRUE(json.open(QIODevice::ReadOnly));
        const auto object = storage::parseJsonObject(json.readAll());
        ASSERT_TRUE(object);
        auto contents = storage::testFileFromJson(*object.value);
        ASSERT_TRUE(contents);
        QFile file(path("test.vkt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(storage::encodeTestFile(*contents.value));
        state = testsupport::graphState(); // the default colours but for the window
        state.Record.Test1Result = contents.value->run1;
        state.Record.Test2Result = contents.value->run2;
        state.Record.ResultsValid = true;
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    engine::AppState state;
};

} // namespace

TEST_F(RenderTest, DrawsTheRealisticTestAt600By240) {
    const auto run = tavoRender({path("test.vkt"), QStringLiteral("--out"), path("a.png"),
                                 QStringLiteral("--table"), path("t.png"), QStringLiteral("--pdf"),
                                 path("p.pdf"), QStringLiteral("--width"), QStringLiteral("600"),
                                 QStringLiteral("--height"), QStringLiteral("240")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const auto summary = engine::CalcAVP(state);
    EXPECT_EQ(run.lines.value(0), ui::dateLineText(state));
    EXPECT_EQ(run.lines.value(1), QStringLiteral("OSPL: %1 dB  OSPR: %2 dB  APV: %3 dB")
                                      .arg(summary.ospl, summary.ospr, summary.apv));

    const QImage image(path("a.png"));
    ASSERT_EQ(image.size(), QSize(600, 240));
    EXPECT_EQ(QImage(path("t.png")).size(), QSize(600, 49));
    const QRgb grey = testsupport::slot(state, 2);
    const QRgb olive = testsupport::slot(state, 3);
    // Eight columns of 35.1875 in panels of 281.5: the right panel starts
    // at 311.5 and the left one ends at 301.5, both drawn at the even pixel.
    for (const int x :
         {20, 55, 90, 126, 161, 196, 231, 266, 302, 312, 347, 382, 417, 452, 487, 523, 558, 593}) {
        EXPECT_EQ(image.pixel(x, 15), grey) << x;
    }
    for (const int x : {303, 311, 313}) {
        EXPECT_EQ(image.pixel(x, 15), olive) << x;
    }
    EXPECT_EQ(image.pixel(200, 70), grey);  // 0 dB HL
    EXPECT_EQ(image.pixel(200, 230), grey); // 80 dB HL
    // Five reversals at 8000 Hz left and a spread of 12 at 6000 Hz right.
    ui::AudiogramGeometry g(600, 240);
    g.setColumns(8);
    EXPECT_TRUE(hatched(image, g, 0, 8, grey, olive));
    EXPECT_TRUE(hatched(image, g, 1, 7, grey, olive));
    EXPECT_FALSE(hatched(image, g, 0, 1, grey, olive));
    EXPECT_FALSE(hatched(image, g, 1, 8, grey, olive));
    for (const int slot : {0, 1, 5, 6}) {
        EXPECT_TRUE(anyIn(image, image.rect(), testsupport::slot(state, slot))) << slot;
    }
    // Both runs start their first trace at the initial level, the design
    // value 40 dB HL; the second lies on top.
    EXPECT_EQ(image.pixel(20, 150), testsupport::slot(state, 1));

    QFile pdf(path("p.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 450")); // 600 pixels at 96 per inch
}

TEST_F(RenderTest, TakesOptionsAndColoursFromTheSettingsStore) {
    platform::RegFileSettingsStore store(path("s.reg"));
    ASSERT_TRUE(storage::seedSettingsStore(store, nullptr));
    store.openKey(false);
    store.writeInteger(QStringLiteral("Show Reversal Graph"), 0);
    store.writeInteger(QStringLiteral("Mark Suspicious Results"), 0);
    store.writeInteger(QStringLiteral("Colour Audiogram Background"), 0x00C0FF);
    store.closeKey();

    auto run = tavoRender({path("test.vkt"), QStringLiteral("--out"), path("a.png"),
                           QStringLiteral("--settings"), path("s.reg")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QImage image(path("a.png"));
    ASSERT_EQ(image.size(), QSize(969, 301));
    const QRgb orange = qRgb(0xFF, 0xC0, 0x00);
    EXPECT_EQ(image.pixel(300, 50), orange);
    EXPECT_FALSE(anyIn(image, image.rect(), testsupport::slot(state, 0)));
    ui::AudiogramGeometry g(969, 301);
    g.setColumns(8);
    EXPECT_FALSE(hatched(image, g, 0, 8, testsupport::slot(state, 2), orange));
    EXPECT_TRUE(anyIn(image, image.rect(), testsupport::slot(state, 5)));

    run = tavoRender(
        {path("test.vkt"), QStringLiteral("--out"), path("a.png"), QStringLiteral("--printing")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(path("a.png")).pixel(300, 50), qRgb(255, 255, 255));
}

TEST_F(RenderTest, RefusesWhatItCannotDraw) {
    EXPECT_EQ(tavoRender({path("test.vkt")}).exitCode, 2); // no output named
    QFile bad(path("bad.vkt"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a test file");
    bad.close();
    const auto run = tavoRender({path("bad.vkt"), QStringLiteral("--out"), path("b.png")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("keine gültige Testdatei")));
    EXPECT_FALSE(QFile::exists(path("b.png")));
    EXPECT_EQ(tavoRender({path("test.vkt"), QStringLiteral("--out"), path("b.png"),
                          QStringLiteral("--width"), QStringLiteral("20")})
                  .exitCode,
              2);
    EXPECT_FALSE(QFile::exists(path("b.png")));
}

TEST_F(RenderTest, AnOutputThatCannotBeWrittenLeavesNoOtherBehind) {
    // A new picture is not made, an existing one not replaced, when the
    // PDF cannot be written.
    auto run = tavoRender({path("test.vkt"), QStringLiteral("--out"), path("a.png"),
                           QStringLiteral("--pdf"), path("missing/p.pdf")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QFile::exists(path("a.png")));
    QFile old(path("a.png"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old picture");
    old.close();
    run = tavoRender({path("test.vkt"), QStringLiteral("--out"), path("a.png"),
                      QStringLiteral("--table"), path("missing/t.png")});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("the old picture"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // test, a.png
}

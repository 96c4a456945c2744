// The audiogram painter, probed pixel by pixel at the coordinates the
// geometry rules give, in the window's box of 969 x 301.

#include "ui/AudiogramProbes.h"

#include <gtest/gtest.h>

using namespace tavo;
using testsupport::anyIn;
using testsupport::hatched;
using testsupport::measure;
using testsupport::px;
using testsupport::render;
using testsupport::slot;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

// Measured at both ears at the given result indexes.
void measureBoth(engine::TTestResult& run, std::initializer_list<int> indexes) {
    for (const int index : indexes) {
        measure(run, engine::kLeftEar, index, {30, 20, 30, 20, 30, 20});
        measure(run, engine::kRightEar, index, {30, 20, 30, 20, 30, 20});
    }
}

} // namespace

TEST(AudiogramPainter, EmptyStateShowsTheGridAndTheRowLabelsOnly) {
    const auto state = testsupport::graphState();
    const testsupport::GraphSettings settings; // no frequency ticked
    const auto out = render(state, settings);
    const QRgb grey = slot(state, 2);
    const QRgb olive = slot(state, 3);
    const ui::AudiogramGeometry g(969, 301);

    // 0 dB HL at y = 85; lines end one pixel before the panel's right edge.
    EXPECT_EQ(out.audiogram.pixel(200, 85), grey);
    EXPECT_EQ(out.audiogram.pixel(200, 84), olive);
    EXPECT_EQ(out.audiogram.pixel(200, 86), olive);
    EXPECT_EQ(out.audiogram.pixel(485, 85), grey);
    EXPECT_EQ(out.audiogram.pixel(486, 85), olive);
    EXPECT_EQ(out.audiogram.pixel(961, 85), grey);
    EXPECT_EQ(out.audiogram.pixel(962, 85), olive);
    EXPECT_EQ(out.audiogram.pixel(200, 286), grey);  // 80 dB HL
    EXPECT_EQ(out.audiogram.pixel(496, 150), grey);  // the right panel's left edge
    EXPECT_EQ(out.audiogram.pixel(486, 150), olive); // no column lines
    // Twelve labels -30 .. 80 in the margin; the thirteenth line is clipped.
    for (int j = 0; j < 12; ++j) {
        EXPECT_TRUE(anyIn(out.audiogram, QRect(0, px(g.levelLabelTop(j)), 20, 14), kBlack)) << j;
    }
    EXPECT_FALSE(anyIn(out.audiogram, QRect(30, 0, 939, 301), kBlack));
    for (const int index : {0, 1, 5, 6}) {
        EXPECT_FALSE(anyIn(out.audiogram, out.audiogram.rect(), slot(state, index)));
    }
    EXPECT_FALSE(anyIn(out.audiogram, out.audiogram.rect(), qRgb(255, 0, 255)));

    // The table: "Test1" and "Test2" on the window's colour, nothing else.
    EXPECT_TRUE(anyIn(out.table, QRect(0, 5, 60, 15), kBlack));
    EXPECT_TRUE(anyIn(out.table, QRect(0, 25, 60, 15), kBlack));
    EXPECT_FALSE(anyIn(out.table, QRect(60, 0, 909, 49), kBlack));
    EXPECT_EQ(out.table.pixel(500, 30), slot(state, 4));
    EXPECT_EQ(out.dateLine, QString());
    EXPECT_EQ(out.calcAVPCalls, 0);
}

TEST(AudiogramPainter, ColumnsComeFromTheTicksUntilResultsAreValid) {
    auto state = testsupport::graphState();
    testsupport::GraphSettings settings;
    settings.slots = {2, 3, 5}; // 250, 500, 1000 Hz
    measureBoth(state.Record.Test1Result, {0, 4, 7});
    measure(state.Record.Test1Result, engine::kRightEar, 10, {40, 30}); // one ear only
    state.Record.Test1Result.TestDate = QStringLiteral("01-02-2025");
    state.Record.Test1Result.TestTime = QStringLiteral("9h5");
    state.Record.Test2Result.TestDate = QStringLiteral("01-02-2025");
    state.Record.Test2Result.TestTime = QStringLiteral("10h30");
    const QRgb grey = slot(state, 2);

    // Three ticked columns of 155.33: lines at 20, 175, 331, 486, labelled.
    auto out = render(state, settings);
    for (const int x : {175, 331, 486, 651, 807}) {
        EXPECT_EQ(out.audiogram.pixel(x, 150), grey) << x;
    }
    EXPECT_NE(out.audiogram.pixel(136, 150), grey);
    EXPECT_TRUE(anyIn(out.audiogram, QRect(88, 291, 20, 10), kBlack)); // "250"
    EXPECT_EQ(out.calcAVPCalls, 0);
    EXPECT_EQ(out.dateLine, QString());

    // With results: the four frequencies the first run measured, whatever
    // is ticked, even one measured at one ear only. Columns of 116.5 put
    // lines on halves, drawn at the even pixel.
    state.Record.ResultsValid = true;
    out = render(state, settings);
    for (const int x : {136, 253, 370, 486}) {
        EXPECT_EQ(out.audiogram.pixel(x, 150), grey) << x;
        EXPECT_EQ(out.audiogram.pixel(x + 476, 150), grey) << x + 476; // x0(1) - x0(0) = 476
    }
    EXPECT_NE(out.audiogram.pixel(137, 150), grey);
    EXPECT_NE(out.audiogram.pixel(369, 150), grey);
    EXPECT_NE(out.audiogram.pixel(175, 150), grey);
    EXPECT_EQ(out.calcAVPCalls, 1);
    EXPECT_EQ(out.dateLine, QStringLiteral("Testdatum Test 1: 01-02-2025 Uhrzeit: 9h5 Test 2: "
                                           "01-02-2025 Uhrzeit: 10h30."));
}

TEST(AudiogramPainter, HatchesInaccurateFirstRunResultsOnly) {
    auto state = testsupport::graphState();
    auto& run1 = state.Record.Test1Result;
    measure(run1, engine::kLeftEar, 1, {30, 20, 30, 20, 30, 20}, 10);     // spread 10: accurate
    measure(run1, engine::kLeftEar, 2, std::vector<int>(20, 30), 11);     // 11: inaccurate
    measure(run1, engine::kLeftEar, 3, {30, 20, 30, 20, 30, 20}, 5);      // the minimum of 6
    measure(run1, engine::kLeftEar, 4, {30, 20, 30, 20, 30}, 5);          // one short
    measure(run1, engine::kRightEar, 1, {30, 20, 30, 20, 30, 20});        // the rest: none
    measure(state.Record.Test2Result, engine::kLeftEar, 1, {30, 20}, 40); // never judged
    state.Record.ResultsValid = true;
    testsupport::GraphSettings settings;
    settings.hatching = true;
    ui::AudiogramGeometry g(969, 301);
    g.setColumns(4);
    const QRgb grey = slot(state, 2);
    const auto columns = [&](const QImage& image, int panel) {
        std::vector<int> marked;
        for (int r = 1; r <= 4; ++r) {
            if (hatched(image, g, panel, r, grey, slot(state, 3))) {
                marked.push_back(r);
            }
        }
        return marked;
    };

    auto out = render(state, settings);
    EXPECT_EQ(columns(out.audiogram, 0), std::vector<int>({2, 4}));
    EXPECT_EQ(columns(out.audiogram, 1), std::vector<int>({2, 3, 4}));
    // The hatch leaves the box colour between its lines.
    EXPECT_TRUE(
        anyIn(out.audiogram, QRect(px(g.columnLine(0, 1)) + 1, 100, 20, 5), slot(state, 3)));

    settings.minimum = QStringLiteral("5");
    EXPECT_EQ(columns(render(state, settings).audiogram, 0), std::vector<int>({2}));
    settings.minimum = QStringLiteral("sechs"); // unreadable: the design value 6
    EXPECT_EQ(columns(render(state, settings).audiogram, 0), std::vector<int>({2, 4}));
    settings.hatching = false;
    EXPECT_TRUE(columns(render(state, settings).audiogram, 0).empty());
}

TEST(AudiogramPainter, ThresholdSymbolsTableValuesAndLabels) {
    auto state = testsupport::graphState();
    auto& run1 = state.Record.Test1Result;
    measureBoth(run1, {0, 1, 2, 3, 4, 5, 6, 7, 8}); // nine columns of 51.78
    for (int index = 0; index < 9; ++index) {
        run1.Thresholds[0][index] = engine::kNoThreshold;
        run1.Thresholds[1][index] = engine::kNoThreshold;
    }
    run1.Thresholds[0][0] = 20;
    run1.Thresholds[1][1] = 30;
    run1.Thresholds[0][2] = 40;
    state.Record.ResultsValid = true;
    testsupport::GraphSettings settings;
    settings.thresholds = true;
    const auto out = render(state, settings);
    const QRgb blue = slot(state, 5);
    ui::AudiogramGeometry g(969, 301);
    g.setColumns(9);

    // Left cross at cx = 45.89, cy = 135.42: strokes from (43, 132) and
    // (48, 132) down six pixels, their end points left out.
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(out.audiogram.pixel(43 + i, 132 + i), blue) << i;
        EXPECT_EQ(out.audiogram.pixel(48 - i, 132 + i), blue) << i;
    }
    EXPECT_NE(out.audiogram.pixel(49, 138), blue);
    EXPECT_NE(out.audiogram.pixel(42, 138), blue);
    // Joined to the cross of column 3 (the right ear's threshold counts
    // column 2), through column 2 at about y = 160.
    EXPECT_TRUE(anyIn(out.audiogram, QRect(px(g.columnCentre(0, 2)), 157, 1, 7), blue));
    EXPECT_EQ(out.audiogram.pixel(px(g.columnCentre(0, 3) - 3), px(g.levelY(40)) - 3), blue);

    // The right ear's circle in column 2; none where the threshold is 1000.
    EXPECT_EQ(out.audiogram.pixel(571, 161), blue);
    EXPECT_FALSE(anyIn(out.audiogram, QRect(496, 20, 52, 260), blue));

    // Table values start at their column centres; 1000 leaves the cell empty.
    const auto value = [&](int panel, int r, int y) {
        return anyIn(out.table, QRect(px(g.tableValueLeft(panel, r)), y, 12, 14), kBlack);
    };
    EXPECT_TRUE(value(0, 1, 5));
    EXPECT_FALSE(value(0, 2, 5));
    EXPECT_TRUE(value(0, 3, 5));
    EXPECT_FALSE(value(1, 1, 5));
    EXPECT_TRUE(value(1, 2, 5));
    EXPECT_FALSE(value(0, 1, 25));
    // Frequency labels of the measured columns, 10 pixels left of centre.
    EXPECT_TRUE(anyIn(out.audiogram, QRect(px(g.frequencyLabelLeft(1, 9)), 291, 12, 10), kBlack));
}

TEST(AudiogramPainter, CirclesByTheirBoundsAndFill) {
    auto state = testsupport::graphState();
    measure(state.Record.Test1Result, engine::kRightEar, 4, {30, 20, 30, 20, 30, 20}, 0, 31);
    state.Record.ResultsValid = true;
    testsupport::GraphSettings settings;
    settings.thresholds = true;
    // A box 180 high has 1.5 pixels per dB: 31 dB HL lies at cy = 101.5 and
    // one column of 466 puts cx at 729. The circle's rows run from
    // round(cy - 3) = 98 to round(cy) + 3 = 105, excluded; its columns from
    // 726 to 732, excluded.
    const QSize box(969, 180);
    const auto circle = render(state, settings, box).audiogram;
    const QRgb blue = slot(state, 5);
    EXPECT_EQ(circle.pixel(726, 102), blue);
    EXPECT_EQ(circle.pixel(731, 102), blue);
    EXPECT_FALSE(anyIn(circle, QRect(725, 95, 1, 12), blue));
    EXPECT_FALSE(anyIn(circle, QRect(732, 95, 1, 12), blue));
    EXPECT_TRUE(anyIn(circle, QRect(726, 98, 6, 1), blue));
    EXPECT_FALSE(anyIn(circle, QRect(724, 97, 10, 1), blue));
    EXPECT_TRUE(anyIn(circle, QRect(726, 104, 6, 1), blue));
    EXPECT_FALSE(anyIn(circle, QRect(724, 105, 10, 1), blue));

    // Filled with slot 3 after hatching, otherwise with the box colour.
    const auto centre = [&](bool hatching, bool printing) {
        settings.hatching = hatching;
        return render(state, settings, box, printing).audiogram.pixel(729, 102);
    };
    EXPECT_EQ(centre(false, false), slot(state, 3));
    EXPECT_EQ(centre(true, false), slot(state, 3));
    EXPECT_EQ(centre(false, true), kWhite);
    EXPECT_EQ(centre(true, true), slot(state, 3));

    const auto paper = render(state, settings, box, true);
    EXPECT_EQ(paper.audiogram.pixel(300, 50), kWhite);
    EXPECT_EQ(paper.table.pixel(500, 30), kWhite);
    EXPECT_EQ(paper.audiogram.pixel(300, 85), slot(state, 2));
}

TEST(AudiogramPainter, TracesCarryTheirEndHeightUnlessBeyond100dB) {
    auto state = testsupport::graphState();
    testsupport::GraphSettings settings;
    settings.reversals = true;
    settings.levelStart = QStringLiteral("-20"); // y = 35.08
    state.Record.ResultsValid = true;
    // Two columns of 233: the second starts at x = 253.
    const auto secondStart = [&](int lastLevel) {
        measure(state.Record.Test1Result, engine::kLeftEar, 2, {30, lastLevel});
        measure(state.Record.Test1Result, engine::kLeftEar, 4, {40, 50});
        return render(state, settings).audiogram.pixel(253, 35);
    };
    const QRgb navy = slot(state, 0);
    EXPECT_EQ(secondStart(110), navy);
    EXPECT_NE(secondStart(90), navy);
    EXPECT_NE(secondStart(100), navy); // y 336 is not beyond 336.08
    EXPECT_EQ(secondStart(101), navy);

    const auto first = render(state, settings);
    EXPECT_EQ(first.audiogram.pixel(20, 35), navy);   // the first starts at the initial level
    EXPECT_EQ(first.audiogram.pixel(136, 161), navy); // reversal 1 of 2 at x0 + colW/2, 30 dB
    settings.levelStart = QStringLiteral("abc");      // unreadable: the design value 40
    // 40 dB HL lies at y 184.84; the line climbs from there to the reversal.
    EXPECT_EQ(render(state, settings).audiogram.pixel(20, 186), navy);

    // The second run lies on top of the first.
    state.Record.Test2Result = state.Record.Test1Result;
    settings.levelStart = QStringLiteral("-20");
    const auto both = render(state, settings);
    EXPECT_EQ(both.audiogram.pixel(20, 35), slot(state, 1));
    EXPECT_EQ(both.audiogram.pixel(136, 161), slot(state, 1));
    settings.reversals = false;
    const auto none = render(state, settings);
    EXPECT_FALSE(anyIn(none.audiogram, none.audiogram.rect(), navy));
    EXPECT_FALSE(anyIn(none.audiogram, none.audiogram.rect(), slot(state, 1)));
}

TEST(AudiogramPainter, SecondRunValuesStandInTheFirstRunsColumns) {
    auto state = testsupport::graphState();
    measureBoth(state.Record.Test1Result, {2, 4});
    measure(state.Record.Test2Result, engine::kLeftEar, 4, {30, 20}, 0, 25);
    state.Record.ResultsValid = true;
    const auto out = render(state, testsupport::GraphSettings{});
    ui::AudiogramGeometry g(969, 301);
    g.setColumns(2);
    EXPECT_FALSE(anyIn(out.table, QRect(px(g.tableValueLeft(0, 1)), 25, 12, 14), kBlack));
    EXPECT_TRUE(anyIn(out.table, QRect(px(g.tableValueLeft(0, 2)), 25, 12, 14), kBlack));
}

// The audiogram's dB/Hz-to-pixel geometry: scale values as 32-bit floats,
// rounding (ties to even) only at the pixel.

#include "ui/AudiogramGeometry.h"

#include <gtest/gtest.h>

using tavo::ui::AudiogramGeometry;

TEST(AudiogramGeometry, TheWindowsBoxOf969By301) {
    AudiogramGeometry g(969, 301);
    EXPECT_FLOAT_EQ(g.rowH(), 25.083334F);
    EXPECT_FLOAT_EQ(g.pxdB(), 2.5083334F);
    EXPECT_EQ(g.half(), 466.0F);
    EXPECT_EQ(AudiogramGeometry::px(g.levelY(0)), 85);
    EXPECT_EQ(AudiogramGeometry::px(g.levelY(80)), 286);
    EXPECT_EQ(AudiogramGeometry::px(g.gridLineY(3)), 85); // 0 dB HL on the fourth line
    EXPECT_EQ(AudiogramGeometry::px(g.gridBottom()), 286);
    EXPECT_GT(AudiogramGeometry::px(g.gridLineY(12)), 301); // the thirteenth line: off the box
    // The panels: 20 .. 486, a 10-pixel gap, 496 .. W - 7.
    EXPECT_EQ(g.panelLeft(0), 20.0);
    EXPECT_EQ(g.panelLeft(1), 496.0);
    g.setColumns(9);
    EXPECT_NEAR(g.colW(), 51.78, 0.005);
    EXPECT_EQ(g.colW(), 466.0F / 9.0F); // a float, not a double
    EXPECT_EQ(AudiogramGeometry::px(g.columnLine(1, 9)), 969 - 7);
    // A label starts 10 pixels left of the column centre; a table value at it.
    EXPECT_DOUBLE_EQ(g.frequencyLabelLeft(1, 4), g.columnCentre(1, 4) - 10.0);
    EXPECT_DOUBLE_EQ(g.tableValueLeft(1, 4), g.columnCentre(1, 4));
    // The hatch rectangle's right edge (excluded) is one past the grid line.
    EXPECT_DOUBLE_EQ(g.hatchLeft(0, 2), g.columnLine(0, 1));
    EXPECT_DOUBLE_EQ(g.hatchRight(0, 2), g.columnLine(0, 2) + 1.0);
    // 100 dB HL is compared unrounded.
    EXPECT_NEAR(g.levelLimitY(), 336.083, 0.001);
}

TEST(AudiogramGeometry, RoundsHalvesToTheEvenPixel) {
    EXPECT_EQ(AudiogramGeometry::px(2.5), 2);
    EXPECT_EQ(AudiogramGeometry::px(3.5), 4);
    EXPECT_EQ(AudiogramGeometry::px(-2.5), -2);
    EXPECT_EQ(AudiogramGeometry::px(2.5000001), 3);
    // Absurd levels from a damaged file stay representable.
    EXPECT_EQ(AudiogramGeometry::px(1e12), 1 << 20);
    EXPECT_EQ(AudiogramGeometry::px(-1e12), -(1 << 20));

    // Halves appear at the drawing call: a box of 600 puts the right panel
    // at 311.5, drawn at 312.
    const AudiogramGeometry g(600, 240);
    EXPECT_EQ(AudiogramGeometry::px(g.panelLeft(1)), 312);
}

TEST(AudiogramGeometry, WithoutColumnsThereIsNoColumnWidth) {
    AudiogramGeometry g(969, 301);
    g.setColumns(0);
    EXPECT_EQ(g.columns(), 0);
    EXPECT_EQ(g.colW(), 0.0F);
    g.setColumns(-3);
    EXPECT_EQ(g.columns(), 0);
    g.setColumns(11);
    EXPECT_EQ(AudiogramGeometry::px(g.columnLine(0, 11)), 486);
}

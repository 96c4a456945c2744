#pragma once

namespace tavo::ui {

// Where decibels and frequency columns lie in an audiogram box of a given
// size. The box holds two panels side by side (panel 0 the left ear, panel 1
// the right ear), twelve grid rows of 10 dB each with 0 dB HL on the fourth
// grid line, and the frequencies as columns of equal width.
//
// The four scale values are kept as 32-bit floats, as the audiogram has
// always computed them; the coordinates built from them are evaluated in
// double and rounded (ties to even) only by px(), at the drawing call.
class AudiogramGeometry {
public:
    AudiogramGeometry(int width, int height);

    // The number of frequency columns per panel. With none there is no
    // column width (0) and nothing can be placed in a column.
    void setColumns(int count);
    int columns() const { return columns_; }

    int width() const { return width_; }
    int height() const { return height_; }
    float rowH() const { return rowH_; } // H / 12
    float pxdB() const { return pxdB_; } // H / 120
    float half() const { return half_; } // (W - 37) / 2, one panel's width
    float colW() const { return colW_; } // half / columns

    // x0(p) = 20 + p*half + 10*p: the panel's left edge.
    double panelLeft(int panel) const;
    // x0(p) + u*colW: the grid line u (0 .. columns) of a panel.
    double columnLine(int panel, int u) const;
    // x0(p) + (r - 0.5)*colW: the centre of column r (counted from 1).
    double columnCentre(int panel, int r) const;
    // p*half + 10 + (r - 0.5)*colW + 10*p: a frequency label, 10 pixels
    // left of its column's centre.
    double frequencyLabelLeft(int panel, int r) const;
    // p*half + 20 + (r - 0.5)*colW + 10*p: a threshold table value.
    double tableValueLeft(int panel, int r) const;
    // p*half + 20 + (r - 1)*colW + 10*p and p*half + 21 + r*colW + 10*p:
    // the hatched rectangle of column r; the right edge is excluded, so the
    // outline lies on the column's grid lines.
    double hatchLeft(int panel, int r) const;
    double hatchRight(int panel, int r) const;

    // 3*rowH + 10 + dB*pxdB: the height of a level in dB HL.
    double levelY(double dB) const;
    // j*rowH + 10: grid line j (0 .. 12; line 3 is 0 dB HL).
    double gridLineY(int j) const;
    // j*rowH + 2: the level label of grid line j.
    double levelLabelTop(int j) const;
    // 11*rowH + 10: the lower end of the vertical lines.
    double gridBottom() const;
    // 11*rowH + 15: the top of the frequency labels.
    double frequencyLabelTop() const;
    // 11*rowH + 11: the lower edge (excluded) of a hatched column.
    double hatchBottom() const;
    // The height of 100 dB HL, not rounded: a trace that ends below it
    // starts the next frequency at the initial level again.
    double levelLimitY() const { return levelY(100.0); }

    // Rounds a coordinate to the nearest pixel, halves to the even
    // neighbour. Values far outside any box are held at +-2^20, so absurd
    // levels from a damaged file cannot overflow.
    static int px(double value);

private:
    int width_;
    int height_;
    int columns_ = 0;
    float rowH_;
    float pxdB_;
    float half_;
    float colW_ = 0.0F;
};

} // namespace tavo::ui

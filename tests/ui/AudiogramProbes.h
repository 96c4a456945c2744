#pragma once

// Helpers for probing rendered audiograms: a state with distinct colours,
// settings with plain values, and checks on single pixels and columns.

#include "engine/AppState.h"
#include "engine/ColourValue.h"
#include "storage/SettingsTable.h"
#include "ui/AudiogramGeometry.h"
#include "ui/AudiogramPainter.h"

#include <QImage>
#include <QPainter>

#include <set>
#include <vector>

namespace tavo::testsupport {

// Every colour slot plain and distinct.
inline constexpr storage::ColourTable kGraphColours = {0x800000, 0x000080, 0x808080, 0x008080,
                                                       0xC0C0C0, 0xFF0000, 0x0000FF};

// What the audiogram reads of the settings, nothing drawn but the grid to
// start with.
struct GraphSettings {
    std::set<int> slots; // ticked test frequencies
    bool reversals = false;
    bool thresholds = false;
    bool hatching = false;
    QString levelStart = QStringLiteral("0");
    QString minimum = QStringLiteral("6");

    storage::Settings value() const {
        storage::Settings settings = storage::designSettings();
        for (int s = 1; s <= 11; ++s) {
            settings.testFrequency[static_cast<std::size_t>(s)] = slots.count(s) != 0;
        }
        settings.showReversals = reversals;
        settings.showThresholds = thresholds;
        settings.markSuspicious = hatching;
        settings.levelStart = levelStart;
        settings.minReversals = minimum;
        settings.colours = kGraphColours;
        return settings;
    }
};

// No results.
inline engine::AppState graphState() {
    engine::AppState state;
    engine::clearResult(state.Record.Test1Result);
    engine::clearResult(state.Record.Test2Result);
    return state;
}

inline QRgb slot(const engine::AppState&, int index) {
    return engine::toQColor(kGraphColours[static_cast<std::size_t>(index)]).rgb();
}

// One ear's result at a result index: the reversal levels, spread and
// threshold.
inline void measure(engine::TTestResult& run, int ear, int index, std::vector<int> levels,
                    int spread = 0, int threshold = 20) {
    auto& list = run.Reversals[ear][index];
    list.Count = static_cast<int>(levels.size());
    for (std::size_t k = 0; k < levels.size(); ++k) {
        list.Levels[k] = levels[k];
    }
    list.Spread = spread;
    run.Thresholds[ear][index] = threshold;
}

struct Rendered {
    QImage audiogram;
    QImage table;
    QString dateLine;
    int calcAVPCalls = 0;
};

inline Rendered render(const engine::AppState& state, const GraphSettings& settings,
                       QSize size = {969, 301}, bool printing = false) {
    Rendered out{
        QImage(size, QImage::Format_RGB32), QImage(size.width(), 49, QImage::Format_RGB32), {}, 0};
    // Anything the painter leaves shows up as magenta.
    out.audiogram.fill(Qt::magenta);
    out.table.fill(Qt::magenta);
    QPainter audiogram(&out.audiogram);
    QPainter table(&out.table);
    out.dateLine = ui::pbxAudiogramPaint(state, settings.value(),
                                         {{&audiogram, size}, {&table, out.table.size()}, printing},
                                         [&out] { ++out.calcAVPCalls; });
    return out;
}

inline int px(double value) {
    return ui::AudiogramGeometry::px(value);
}

// Whether the box shows colour `rgb` anywhere in a rectangle.
inline bool anyIn(const QImage& image, QRect area, QRgb rgb) {
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == rgb) {
                return true;
            }
        }
    }
    return false;
}

// Whether column r of a panel is hatched: grey pixels inside it that are
// not grid lines, each continuing down to the right (the forward diagonal)
// unless something was drawn over the hatch there.
inline bool hatched(const QImage& image, const ui::AudiogramGeometry& g, int panel, int r,
                    QRgb grey, QRgb background) {
    const int left = px(g.columnLine(panel, r - 1)) + 1;
    const int right = px(g.columnLine(panel, r)) - 1;
    const auto gridRow = [&](int y) {
        for (int j = 0; j < 12; ++j) {
            if (y == px(g.gridLineY(j))) {
                return true;
            }
        }
        return false;
    };
    int found = 0;
    for (int y = 11; y < px(g.gridBottom()) - 1; ++y) {
        for (int x = left; x < right; ++x) {
            if (image.pixel(x, y) != grey || gridRow(y)) {
                continue;
            }
            ++found;
            if (image.pixel(x + 1, y + 1) == background) {
                return false;
            }
        }
    }
    return found > 0;
}

} // namespace tavo::testsupport

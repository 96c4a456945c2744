#include "engine/LiveTrace.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tavo::engine {

namespace {

// Keeps results of absurd inputs representable (and far off the graph).
constexpr double kFarOff = 1.0e6;

int roundHalfEven(double value) {
    // nearbyint rounds to even in the default rounding mode.
    const double rounded = std::nearbyint(std::clamp(value, -kFarOff, kFarOff));
    return std::isnan(rounded) ? 0 : static_cast<int>(rounded);
}

} // namespace

int traceY(double currentLevel) {
    return roundHalfEven((currentLevel + 100.0) * 3.0 + 40.0);
}

int levelDbHl(double currentLevel) {
    return roundHalfEven(currentLevel + 100.0);
}

int traceX(int pulse, int traceStep) {
    const std::int64_t x =
        kTraceLeft + static_cast<std::int64_t>(pulse) * static_cast<std::int64_t>(traceStep);
    return static_cast<int>(std::clamp<std::int64_t>(x, -1'000'000, 1'000'000));
}

bool recordTracePoint(TracePoints& trace, int pulse, int y) {
    if (pulse < 0 || pulse > kLastTraceEntry) {
        return false;
    }
    trace.LiveTrace[static_cast<std::size_t>(pulse)] = y;
    return true;
}

int recordedPulses(const TracePoints& trace) {
    return std::clamp(trace.PulseCount, 0, kLastTraceEntry);
}

bool liveTraceFull(int pulseCount, int traceStep) {
    return static_cast<std::int64_t>(traceStep) * pulseCount >= kTraceSpan ||
           pulseCount >= kLastTraceEntry;
}

void paintAxes(QPainter& painter, const QColor& background, const QColor& grid,
               const QColor& text) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, kGraphWidth, kGraphHeight, background);

    const QPen gridPen(grid, 0);
    const QFontMetrics metrics = painter.fontMetrics();
    const auto writeAt = [&](int x, int y, const QString& label) {
        painter.setPen(text);
        painter.drawText(QRect(x, y, metrics.horizontalAdvance(label) + 2, metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop, label);
    };
    for (int i = 0; i <= 11; ++i) {
        const int y = 30 * i + 10;
        painter.setPen(gridPen);
        painter.drawLine(22, y, 325, y);
        writeAt(3, 30 * i + 4, QString::number(10 * i - 10));
    }
    painter.setPen(gridPen);
    painter.drawLine(24, 10, 24, 340);
    painter.drawLine(24, 340, 326, 340);
    writeAt(26, 4, QStringLiteral("dB"));
    painter.restore();
}

void paintTrace(QPainter& painter, const TracePoints& trace, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 0));
    const int pulses = recordedPulses(trace);
    for (int a = 1; a <= pulses; ++a) {
        const auto from = static_cast<std::size_t>(a - 1);
        painter.drawLine(traceX(a - 1, trace.TraceStep), trace.LiveTrace[from],
                         traceX(a, trace.TraceStep), trace.LiveTrace[from + 1]);
    }
    painter.restore();
}

} // namespace tavo::engine

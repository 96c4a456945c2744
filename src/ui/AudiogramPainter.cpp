#include "ui/AudiogramPainter.h"

#include "engine/AppState.h"
#include "engine/ColourValue.h"
#include "engine/Evaluation.h"
#include "storage/Settings.h"
#include "storage/SettingsTable.h"
#include "ui/AudiogramGeometry.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

namespace tavo::ui {

namespace {

using engine::TTestResult;

// Result indexes 0..10 are the eleven test frequencies; index 11, the
// 1000 Hz retest, is never drawn.
constexpr int kDrawnIndexes = engine::kResultIndexes - 1;
constexpr int kGridLines = 13; // the thirteenth (90 dB HL) lies below the box
constexpr std::uint32_t kWindowText = 0xFF000008;
constexpr int kAxesSlot = 2;
constexpr int kAudiogramBackgroundSlot = 3;
constexpr int kWindowSlot = 4;
constexpr int kFirstThresholdSlot = 5;

std::optional<int> integerText(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

bool measured(const TTestResult& run, int index) {
    return run.Reversals[engine::kLeftEar][index].Count > 0 ||
           run.Reversals[engine::kRightEar][index].Count > 0;
}

bool hasThreshold(const TTestResult& run, int ear, int index) {
    return run.Thresholds[ear][index] != engine::kNoThreshold;
}

QFont boxFont(int pixels) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    // A bitmap font's crisp glyphs, and no grey fringes near the grid.
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// One box as the painting sees it: its painter, clipped to the box, with the
// pen and brush that the steps set. Drawing into a box that is not painted
// this time does nothing. Lines leave out their end point and rectangles
// and ellipses their right and lower edges, as the grid rules count pixels.
class Box {
public:
    Box(const PaintBox& box, int fontPixels, const QColor& background)
        : painter_(box.painter), size_(box.size), background_(background), brush_(background) {
        if (painter_ == nullptr) {
            return;
        }
        painter_->save();
        painter_->setClipRect(QRect(QPoint(0, 0), size_), Qt::IntersectClip);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
        painter_->setBackgroundMode(Qt::TransparentMode);
        painter_->setFont(boxFont(fontPixels));
        setPen(engine::toQColor(kWindowText));
        painter_->setBrush(brush_);
    }
    ~Box() {
        if (painter_ != nullptr) {
            painter_->restore();
        }
    }
    Box(const Box&) = delete;
    Box& operator=(const Box&) = delete;

    void clear() {
        if (painter_ != nullptr) {
            painter_->fillRect(QRect(QPoint(0, 0), size_), background_);
        }
    }

    void setPen(const QColor& colour) {
        pen_ = QPen(colour, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
        if (painter_ != nullptr) {
            painter_->setPen(pen_);
        }
    }

    void setBrush(const QBrush& brush) {
        brush_ = brush;
        if (painter_ != nullptr) {
            painter_->setBrush(brush_);
        }
    }

    // A line from (x1, y1) towards (x2, y2) that stops one pixel short, so
    // that a line drawn on from the end point paints it once. The pixels
    // are chosen here rather than by the paint engine, which leaves out
    // whichever end lies further right or down.
    void line(int x1, int y1, int x2, int y2) {
        if (painter_ == nullptr) {
            return;
        }
        const std::int64_t dx = std::abs(x2 - x1);
        const std::int64_t dy = std::abs(y2 - y1);
        const bool alongX = dx >= dy;
        const std::int64_t major = alongX ? dx : dy;
        const std::int64_t minor = alongX ? dy : dx;
        const int majorStep = (alongX ? x2 >= x1 : y2 >= y1) ? 1 : -1;
        const int minorStep = (alongX ? y2 >= y1 : x2 >= x1) ? 1 : -1;
        const int majorStart = alongX ? x1 : y1;
        const int minorStart = alongX ? y1 : x1;
        const int majorExtent = alongX ? size_.width() : size_.height();
        const int minorExtent = alongX ? size_.height() : size_.width();
        // Only the steps that land inside the box are walked.
        const std::int64_t first =
            std::max<std::int64_t>(0, majorStep > 0 ? -majorStart : majorStart - (majorExtent - 1));
        const std::int64_t last = std::min<std::int64_t>(
            major - 1, majorStep > 0 ? majorExtent - 1 - majorStart : majorStart);
        std::optional<QRect> run;
        const auto flush = [&] {
            if (run) {
                painter_->fillRect(*run, pen_.color());
                run.reset();
            }
        };
        for (std::int64_t i = first; i <= last; ++i) {
            const int a = majorStart + majorStep * static_cast<int>(i);
            const int b =
                minorStart + minorStep * static_cast<int>((2 * i * minor + major) / (2 * major));
            if (b < 0 || b >= minorExtent) {
                flush();
                continue;
            }
            const QRect pixel = alongX ? QRect(a, b, 1, 1) : QRect(b, a, 1, 1);
            const bool continues = run && (alongX ? run->top() == b : run->left() == b) &&
                                   (alongX ? (a == run->left() - 1 || a == run->right() + 1)
                                           : (a == run->top() - 1 || a == run->bottom() + 1));
            if (continues) {
                *run = run->united(pixel);
            } else {
                flush();
                run = pixel;
            }
        }
        flush();
    }

    // From the first point through the others; the last is not painted.
    void polyline(const std::vector<QPoint>& points) {
        for (std::size_t k = 1; k < points.size(); ++k) {
            line(points[k - 1].x(), points[k - 1].y(), points[k].x(), points[k].y());
        }
    }

    // Corners (x1, y1) and (x2, y2), the right and lower edges excluded:
    // outlined by the pen, filled with the brush.
    void rectangle(int x1, int y1, int x2, int y2) {
        if (painter_ == nullptr || x2 - x1 < 1 || y2 - y1 < 1) {
            return;
        }
        if (x2 - x1 > 2 && y2 - y1 > 2) {
            painter_->fillRect(QRect(x1 + 1, y1 + 1, x2 - x1 - 2, y2 - y1 - 2), brush_);
        }
        line(x1, y1, x2 - 1, y1);
        line(x2 - 1, y1, x2 - 1, y2 - 1);
        line(x2 - 1, y2 - 1, x1, y2 - 1);
        line(x1, y2 - 1, x1, y1);
    }

    void ellipse(int x1, int y1, int x2, int y2) {
        if (painter_ != nullptr) {
            painter_->drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
        }
    }

    // A text whose top left corner is (x, y), in the window text colour on
    // the colour of the current brush.
    void text(int x, int y, const QString& text) {
        if (painter_ == nullptr) {
            return;
        }
        const QFontMetrics metrics = painter_->fontMetrics();
        painter_->fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                           brush_.color());
        painter_->setPen(engine::toQColor(kWindowText));
        painter_->drawText(QPoint(x, y + metrics.ascent()), text);
        painter_->setPen(pen_);
    }

private:
    QPainter* painter_;
    QSize size_;
    QColor background_;
    QBrush brush_;
    QPen pen_;
};

int px(double value) {
    return AudiogramGeometry::px(value);
}

class Painting {
public:
    Painting(const engine::AppState& state, const storage::Settings& settings,
             const AudiogramCanvas& canvas)
        : state_(state), settings_(settings),
          geometry_(canvas.audiogram.size.width(), canvas.audiogram.size.height()),
          audiogram_(canvas.audiogram, 15,
                     canvas.printing ? QColor(Qt::white) : colour(kAudiogramBackgroundSlot)),
          table_(canvas.table, 14, canvas.printing ? QColor(Qt::white) : colour(kWindowSlot)) {}

    QString run(const std::function<void()>& CalcAVP) {
        PaintAxes();
        const QString date = dateLineText(state_);
        layOutColumns(CalcAVP);
        // Without columns nothing has a place: the grid stays alone.
        writeTable(geometry_.columns() > 0);
        if (geometry_.columns() > 0) {
            if (settings_.markSuspicious) {
                markInaccurate();
            }
            DrawTestRecord(state_.Record.Test1Result, 0);
            DrawTestRecord(state_.Record.Test2Result, 1);
        }
        return date;
    }

private:
    QColor colour(int slot) const {
        return engine::toQColor(settings_.colours[static_cast<std::size_t>(slot)]);
    }

    // Step 1: the backgrounds, the panels' left edges, the grid lines and
    // the level labels in the margin.
    void PaintAxes() {
        table_.clear();
        audiogram_.clear();
        audiogram_.setPen(colour(kAxesSlot));
        for (int panel = 0; panel < engine::kEars; ++panel) {
            const int left = px(geometry_.panelLeft(panel));
            audiogram_.line(left, 10, left, px(geometry_.gridBottom()));
            const int right = px(geometry_.panelLeft(panel) + double{geometry_.half()});
            for (int j = 0; j < kGridLines; ++j) {
                const int y = px(geometry_.gridLineY(j));
                audiogram_.line(left, y, right, y);
                audiogram_.text(0, px(geometry_.levelLabelTop(j)), QString::number(10 * j - 30));
            }
        }
    }

    // Step 3: with results the frequencies the first run measured,
    // otherwise the ticked test frequencies, labelled here.
    void layOutColumns(const std::function<void()>& CalcAVP) {
        std::vector<int> columns;
        if (state_.Record.ResultsValid) {
            if (CalcAVP) {
                CalcAVP();
            }
            for (int index = 0; index < kDrawnIndexes; ++index) {
                if (measured(state_.Record.Test1Result, index)) {
                    columns.push_back(index);
                }
            }
        } else {
            for (int index = 0; index < kDrawnIndexes; ++index) {
                if (settings_.testFrequency[static_cast<std::size_t>(index + 1)]) {
                    columns.push_back(index);
                }
            }
        }
        geometry_.setColumns(static_cast<int>(columns.size()));
        if (columns.empty()) {
            return;
        }
        if (!state_.Record.ResultsValid) {
            for (int panel = 0; panel < engine::kEars; ++panel) {
                int r = 0;
                for (const int index : columns) {
                    ++r;
                    frequencyLabel(panel, r, index);
                }
            }
        }
        audiogram_.setPen(colour(kAxesSlot));
        for (int panel = 0; panel < engine::kEars; ++panel) {
            for (int u = 0; u <= geometry_.columns(); ++u) {
                const int x = px(geometry_.columnLine(panel, u));
                audiogram_.line(x, 10, x, px(geometry_.gridBottom()));
            }
        }
    }

    void frequencyLabel(int panel, int r, int index) {
        audiogram_.text(
            px(geometry_.frequencyLabelLeft(panel, r)), px(geometry_.frequencyLabelTop()),
            QString::number(state_.TestFrequencies[static_cast<std::size_t>(index + 1)]));
    }

    // Step 4: the row labels, and under each column the first run's
    // frequency label and both runs' thresholds, in the first run's columns.
    void writeTable(bool withColumns) {
        const auto& run1 = state_.Record.Test1Result;
        const auto& run2 = state_.Record.Test2Result;
        for (int panel = 0; panel < engine::kEars; ++panel) {
            table_.text(0, 5, QCoreApplication::translate("AudiogramPainter", "Test1"));
            table_.text(0, 25, QCoreApplication::translate("AudiogramPainter", "Test2"));
            if (!withColumns) {
                continue;
            }
            int r = 0;
            for (int index = 0; index < kDrawnIndexes; ++index) {
                if (!measured(run1, index)) {
                    continue;
                }
                ++r;
                frequencyLabel(panel, r, index);
                const int x = px(geometry_.tableValueLeft(panel, r));
                if (hasThreshold(run1, panel, index)) {
                    table_.text(x, 5, QString::number(run1.Thresholds[panel][index]));
                }
                if (hasThreshold(run2, panel, index)) {
                    table_.text(x, 25, QString::number(run2.Thresholds[panel][index]));
                }
            }
        }
    }

    // Step 5: hatch the first run's columns whose result at that ear is
    // inaccurate: spread above 10 dB, or fewer reversals than the minimum
    // (which includes no reversals at all).
    void markInaccurate() {
        const auto& run1 = state_.Record.Test1Result;
        audiogram_.setBrush(QBrush(colour(kAxesSlot), Qt::FDiagPattern));
        audiogram_.setPen(colour(kAxesSlot));
        for (int panel = 0; panel < engine::kEars; ++panel) {
            int r = 0;
            for (int index = 0; index < kDrawnIndexes; ++index) {
                if (!measured(run1, index)) {
                    continue;
                }
                ++r;
                const auto& list = run1.Reversals[panel][index];
                const bool inaccurate = list.Spread > engine::kInaccurateSpread ||
                                        list.Count < minimumReversals(settings_.minReversals);
                if (inaccurate) {
                    audiogram_.rectangle(px(geometry_.hatchLeft(panel, r)), 10,
                                         px(geometry_.hatchRight(panel, r)),
                                         px(geometry_.hatchBottom()));
                }
            }
        }
        audiogram_.setBrush(QBrush(colour(kAudiogramBackgroundSlot)));
        audiogram_.setPen(colour(kAxesSlot));
    }

    // Step 6, one run: the level traces, then the thresholds. Each column
    // counter follows the run's own results.
    void DrawTestRecord(const TTestResult& record, int run) {
        if (settings_.showReversals) {
            for (int ear = 0; ear < engine::kEars; ++ear) {
                drawTraces(record, run, ear);
            }
        }
        if (settings_.showThresholds) {
            for (int ear = 0; ear < engine::kEars; ++ear) {
                drawThresholds(record, run, ear);
            }
        }
    }

    // The reversal levels of a frequency spread evenly over its column, the
    // last on its right edge; each frequency starts at the height where the
    // previous one of that ear ended, unless that lay beyond 100 dB HL.
    void drawTraces(const TTestResult& record, int run, int ear) {
        const int startY = px(geometry_.levelY(initialLevel(settings_.levelStart)));
        int yS = startY;
        int r = 0;
        for (int index = 0; index < kDrawnIndexes; ++index) {
            if (!measured(record, index)) {
                continue;
            }
            ++r;
            const auto& list = record.Reversals[ear][index];
            if (list.Count <= 0) {
                continue;
            }
            const int n = std::min(list.Count, engine::kMaxReversals);
            const double step = double{geometry_.colW()} / n;
            audiogram_.setPen(colour(run));
            const double left = geometry_.columnLine(ear, r - 1);
            std::vector<QPoint> points{QPoint(px(left), yS)};
            for (int k = 1; k <= n; ++k) {
                points.emplace_back(
                    px(left + k * step),
                    px(geometry_.levelY(list.Levels[static_cast<std::size_t>(k - 1)])));
            }
            audiogram_.polyline(points);
            yS = points.back().y();
            if (yS > geometry_.levelLimitY()) {
                yS = startY;
            }
        }
    }

    // Crosses for the left ear, circles for the right, joined in frequency
    // order.
    void drawThresholds(const TTestResult& record, int run, int ear) {
        std::optional<QPoint> previous;
        int r = 0;
        for (int index = 0; index < kDrawnIndexes; ++index) {
            if (!hasThreshold(record, engine::kLeftEar, index) &&
                !hasThreshold(record, engine::kRightEar, index)) {
                continue;
            }
            ++r;
            if (!hasThreshold(record, ear, index)) {
                continue;
            }
            audiogram_.setPen(colour(kFirstThresholdSlot + run));
            const double cx = geometry_.columnCentre(ear, r);
            const double cy = geometry_.levelY(record.Thresholds[ear][index]);
            const int y = px(cy);
            if (ear == engine::kLeftEar) {
                audiogram_.line(px(cx - 3), y - 3, px(cx + 3), y + 3);
                audiogram_.line(px(cx + 2), y - 3, px(cx - 4), y + 3);
            } else {
                audiogram_.ellipse(px(cx - 3), px(cy - 3), px(cx + 3), y + 3);
            }
            const QPoint centre(px(cx), y);
            if (previous) {
                audiogram_.line(previous->x(), previous->y(), centre.x(), centre.y());
            }
            previous = centre;
        }
    }

    const engine::AppState& state_;
    const storage::Settings& settings_;
    AudiogramGeometry geometry_;
    Box audiogram_;
    Box table_;
};

} // namespace

int initialLevel(const QString& levelStartText) {
    return integerText(levelStartText).value_or(storage::designText("Start Level (dB HL)").toInt());
}

int minimumReversals(const QString& reverseEditText) {
    return integerText(reverseEditText).value_or(storage::designText("Min. Reversals").toInt());
}

QString dateLineText(const engine::AppState& state) {
    if (!state.Record.ResultsValid) {
        return {};
    }
    return QCoreApplication::translate("AudiogramPainter",
                                       "Testdatum Test 1: %1 Uhrzeit: %2 Test 2: %3 Uhrzeit: %4.")
        .arg(state.Record.Test1Result.TestDate, state.Record.Test1Result.TestTime,
             state.Record.Test2Result.TestDate, state.Record.Test2Result.TestTime);
}

QString pbxAudiogramPaint(const engine::AppState& state, const storage::Settings& settings,
                          const AudiogramCanvas& canvas, const std::function<void()>& CalcAVP) {
    Painting painting(state, settings, canvas);
    return painting.run(CalcAVP);
}

} // namespace tavo::ui

#pragma once

#include "engine/LiveTrace.h"
#include "engine/TestWindowView.h"

#include <QColor>
#include <QDialog>
#include <QImage>
#include <QPoint>

class QLabel;
class QPushButton;

namespace tavo::storage {
struct Settings;
}

namespace tavo::engine {

struct AppState;

// The real-time audiogram window shown during a test: the level trace of the
// current ear and frequency as it is played, the current level, the response
// button's indicator and one button that ends the trial or stops the test.
// Created once at start-up and kept hidden until a run shows it; the test
// procedure drives it through the operations below.
//
// The graph is drawn into a picture the window keeps (`graphImage`), so the
// segments drawn one by one during a run stay until the next frequency
// clears them; GraphPaint draws it all again from the points it was told
// (the window's own record of its trace). The keys go to the response
// button it is given; the window keeps no state of the test.
class TfrmTest final : public QDialog, public TestWindowView {
    Q_OBJECT
public:
    TfrmTest(AppState& state, const storage::Settings& settings, QWidget* parent = nullptr);

    // --- Operations of the test procedure ---
    void showTestWindow() override;
    void hideTestWindow() override;
    bool testWindowVisible() const override;
    void setButtonCaption(const QString& caption) override;
    void SetCaption(const QString& caption) override;
    // Start of a frequency: clear the graph and draw the grid, put the pen at
    // (25, y(level)) in the colour of the ear, LiveTrace[0] := y.
    void StartTrace(int ear, double level, int traceStep) override;
    // The segment from the previous point to (25 + pulse x TraceStep,
    // y(level)), and LiveTrace[pulse] := y while the trace has room.
    void DrawPulse(int pulse, double level) override;
    // The trial's trace from the left edge again: LiveTrace[0] := y(level).
    void WrapTrace(double level) override;
    // lblLevel := round(CurrentLevel + 100).
    void SetLevel(double currentLevel) override;

    // --- Drawing ---
    // Clears the graph and draws grid and axes; the trace's pen keeps its
    // position and colour.
    void PaintAxes();
    // Axes and the whole recorded trace of the current frequency, in the
    // current colours. Also for the settings dialog after a colour change.
    void GraphPaint();
    const QImage& graphImage() const { return graph_; }

    // --- Event handlers ---
    void FormCreate();
    void NextClick();
    void FormClose();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void FormKeyUp(int key, Qt::KeyboardModifiers shift);

    // --- ResponseWindow ---
    void showResponse(bool down) override;
    // Where the keys go (the running test's button); nothing: nowhere.
    void setResponseButton(ResponseButton* button) { button_ = button; }
    const TracePoints& trace() const { return trace_; }

    QWidget* Graph = nullptr;
    QWidget* Shape1 = nullptr;
    QWidget* light = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblLevel = nullptr;
    QPushButton* Next = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void lineTo(const QPoint& from, const QPoint& to);

    AppState& state_;
    const storage::Settings& settings_;
    ResponseButton* button_ = nullptr;
    TracePoints trace_;
    QImage graph_;
    // The trace's pen on the graph: where the last line ended and its colour.
    QPoint penPosition_;
    QColor penColour_;
};

} // namespace tavo::engine

#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace tavo::engine {
struct AppState;
}
namespace tavo::storage {
struct Settings;
}

namespace tavo::ui {

// One of the two boxes the audiogram painter draws: the painter to draw
// with (nothing: the box is not drawn this time) and the box's size in
// pixels. The painter's origin is the box's top left corner.
struct PaintBox {
    QPainter* painter = nullptr;
    QSize size;
};

// The audiogram box (pbxAudiogram) and the threshold table box (pbxResults).
// The audiogram box's size sets the geometry of both, so it is needed even
// when only the table is drawn; the table box has the audiogram box's width
// in the window. Two different painters, or one box at a time.
struct AudiogramCanvas {
    PaintBox audiogram;
    PaintBox table;
    // Paper: the backgrounds of both boxes are white.
    bool printing = false;
};

// Draws the results of the two runs: the grid of both panels with its
// level labels, the frequency columns, the threshold table, the hatching of
// inaccurate first-run results, and each run's level traces and threshold
// symbols, from the application state and the settings as they are now.
// Keeps nothing between calls. When results are present, `CalcAVP` is
// called (before the columns are laid out) so the summary figures follow.
// Returns the text of the date line ("Testdatum Test 1: ..."; empty without
// results).
QString pbxAudiogramPaint(const engine::AppState& state, const storage::Settings& settings,
                          const AudiogramCanvas& canvas, const std::function<void()>& CalcAVP = {});

// The date line for the state's two runs; empty while the results are not
// valid.
QString dateLineText(const engine::AppState& state);

// The level the traces start from, from the "LevelStart" text; a text that
// is not an integer counts as the design value, as the settings dialog
// corrects it on leaving the field.
int initialLevel(const QString& levelStartText);

// The minimum number of reversals from the "ReverseEdit" text; a text that
// is not an integer counts as the design value.
int minimumReversals(const QString& reverseEditText);

} // namespace tavo::ui

#pragma once

#include "engine/FitCheckText.h"

#include <QByteArray>
#include <QSizeF>

class QPainter;

namespace tavo::ui {

// The fit-check report as one page, for the window, the printer and PDF
// alike: the page is `size` in pixels at 96 per inch (A4 portrait is
// kFitCheckPage), scaled by whoever shows it.
inline const QSizeF kFitCheckPage(794, 1123);
void paintFitCheck(QPainter& painter, const engine::FitCheckDocument& document);

// The page as a PDF file (A4).
QByteArray fitCheckPdf(const engine::FitCheckDocument& document);

} // namespace tavo::ui

#pragma once

class QApplication;

namespace tavo::ui {

// The layout names Windows fonts. Each gets a face this machine has whose
// widths fit the designed boxes: Liberation Sans is metric-compatible with
// Arial, and narrow enough for "MS Sans Serif" and "Tahoma" at their pixel
// sizes.
void substituteLayoutFonts();

// The program's icon for every window, in each size it is drawn in, and the
// launcher's name, by which the desktop matches windows to the menu entry.
void installProgramIcon();

} // namespace tavo::ui

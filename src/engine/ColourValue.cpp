#include "engine/ColourValue.h"

#include <QGuiApplication>
#include <QPalette>

namespace tavo::engine {

namespace {

QPalette::ColorRole systemColourRole(std::uint32_t index) {
    switch (index) {
    case 5: // window
        return QPalette::Base;
    case 6: // window frame
        return QPalette::Shadow;
    case 7:  // menu text
    case 8:  // window text
    case 19: // caption text of inactive windows
        return QPalette::WindowText;
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlighted text
        return QPalette::HighlightedText;
    case 16: // button shadow
        return QPalette::Dark;
    case 17: // grey text
        return QPalette::PlaceholderText;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // dark 3-D shadow
        return QPalette::Shadow;
    case 22: // 3-D light
        return QPalette::Midlight;
    case 23: // tool-tip text
        return QPalette::ToolTipText;
    case 24: // tool-tip background
        return QPalette::ToolTipBase;
    case 4: // menu
        return QPalette::Window;
    default: // 15 button face, and whatever else has no counterpart
        return QPalette::Button;
    }
}

} // namespace

QColor toQColor(std::uint32_t value) {
    if ((value >> 24) == 0xFFu) {
        return QGuiApplication::palette().color(QPalette::Active, systemColourRole(value & 0xFFu));
    }
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

std::uint32_t fromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | (static_cast<std::uint32_t>(rgb.green()) << 8) |
           (static_cast<std::uint32_t>(rgb.blue()) << 16);
}

} // namespace tavo::engine

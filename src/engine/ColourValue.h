#pragma once

#include <QColor>

#include <cstdint>

namespace tavo::engine {

// The colour a stored colour value stands for: 0x00BBGGRR is a plain colour
// (red in the low byte); a value with the high byte 0xFF is a system colour
// whose low byte is the Windows system colour index (15 = button face), taken
// from the application's palette.
QColor toQColor(std::uint32_t value);

// A plain colour as a stored colour value, 0x00BBGGRR.
std::uint32_t fromQColor(const QColor& colour);

} // namespace tavo::engine

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tavo::storage {

// Texts in the program's files are single bytes in Windows-1252, the ANSI
// code page of the German Windows installations whose files we exchange.

// Encodes a text; every character Windows-1252 cannot hold (one per code
// point, so a character outside the basic plane gives one "?") becomes "?".
QByteArray toWindows1252(const QString& text);

// Decodes bytes. The five bytes Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same number, as
// Windows decodes them, so that every byte survives a decode and re-encode.
QString fromWindows1252(QByteArrayView bytes);

} // namespace tavo::storage

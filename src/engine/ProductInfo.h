#pragma once

#include <QString>

namespace tavo::engine {

// The product texts of the program's string table.
inline QString productName() {
    return QStringLiteral("Vorlandt Klarovent");
}
inline QString productVersion() {
    return QStringLiteral("1.0");
}
inline QString vendorName() {
    return QStringLiteral("Ardel Kanvo");
}

} // namespace tavo::engine

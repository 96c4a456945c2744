#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QObject;

namespace tavo::platform {

// Opens a file or page in the desktop's program for it (xdg-open). Returns
// at once; when it turns out that it could not be opened (no xdg-open, or
// xdg-open found no program for it), `failed` runs from the event loop with
// a reason for the user. A program that opens it stays open after ours ends.
// `context` owns what runs meanwhile.
void openWithDesktop(const QUrl& url, QObject* context,
                     std::function<void(const QString& reason)> failed);

} // namespace tavo::platform

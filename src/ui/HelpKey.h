#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QWidget;

namespace tavo::platform {
class Messages;
}

namespace tavo::ui {

// F1 anywhere in the program: the German manual (docs/manual, installed
// with the program) in the desktop's browser, at the section of the window
// that has the keyboard.
class HelpKey final : public QObject {
public:
    HelpKey(platform::Messages& messages, QObject* parent);

    // How a page is opened; the desktop's browser by default. `failed` is
    // called, now or later, with the reason when it could not be opened.
    std::function<void(const QUrl& page, std::function<void(const QString& reason)> failed)> open;

    // Shows the section of a window (by its object name); the manual's start
    // for anything else.
    void showHelp(const QWidget* window);

    // The section of the manual about a window.
    static QString sectionFor(const QWidget* window);
    // The manual's page, where the program finds it: installed beside the
    // program, else in the source tree it was built from; the English one
    // (en/) while the program speaks English.
    static std::optional<QUrl> manualPage(const QString& section);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    platform::Messages& messages_;
};

} // namespace tavo::ui

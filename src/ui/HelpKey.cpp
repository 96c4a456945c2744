#include "ui/HelpKey.h"

#include "platform/DesktopOpen.h"
#include "platform/Messages.h"
#include "ui/ProgramLanguage.h"

#include <algorithm>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QWidget>

#include <array>
#include <utility>

namespace tavo::ui {

namespace {

constexpr std::array<std::pair<const char*, const char*>, 8> kSections{{
    {"frmMain", "start"},
    {"frmSettings", "einstellungen"},
    {"frmPassword", "einstellungen"},
    {"frmTest", "hoertest"},
    {"frmBioCal", "kalibrierung"},
    {"frmCompatibilityTest", "kompatibilitaet"},
    {"frmCalibrationInfo", "kalibrierungsinfo"},
    {"frmSplash", "start"},
}};

} // namespace

HelpKey::HelpKey(platform::Messages& messages, QObject* parent)
    : QObject(parent), messages_(messages) {
    open = [this](const QUrl& page, std::function<void(const QString& reason)> failed) {
        platform::openWithDesktop(page, this, std::move(failed));
    };
}

QString HelpKey::sectionFor(const QWidget* window) {
    if (window != nullptr) {
        for (const auto& [name, section] : kSections) {
            if (window->objectName() == QLatin1String(name)) {
                return QString::fromLatin1(section);
            }
        }
    }
    return QStringLiteral("start");
}

std::optional<QUrl> HelpKey::manualPage(const QString& section) {
    const QStringList places{
        QDir(QCoreApplication::applicationDirPath())
            .filePath(QStringLiteral("../") + QStringLiteral(TAVO_MANUAL_INSTALL_DIR)),
        QStringLiteral(TAVO_MANUAL_SOURCE_DIR)};
    // The English manual lives in en/ beside the German one; a language
    // without a manual of its own gets the German.
    QStringList pages{QStringLiteral("index.html")};
    if (programLanguage() == platform::Language::English) {
        pages.prepend(QStringLiteral("en/index.html"));
    }
    for (const QString& place : places) {
        const auto found =
            std::find_if(pages.cbegin(), pages.cend(), [&place](const QString& name) {
                return QFileInfo(QDir(place).filePath(name)).isFile();
            });
        if (found != pages.cend()) {
            const QFileInfo page(QDir(place).filePath(*found));
            QUrl url = QUrl::fromLocalFile(page.canonicalFilePath());
            url.setFragment(section);
            return url;
        }
    }
    return std::nullopt;
}

void HelpKey::showHelp(const QWidget* window) {
    const auto page = manualPage(sectionFor(window));
    if (!page) {
        messages_.show(
            QCoreApplication::translate("HelpKey", "Das Handbuch ist nicht installiert."), {},
            platform::MessageType::Error);
        return;
    }
    // Said when it turns out that no browser opened it, naming the file so
    // that the user can open it another way.
    const QString file = page->toLocalFile();
    const auto failed = [this, file](const QString& reason) {
        messages_.show(QCoreApplication::translate("HelpKey",
                                                   "Das Handbuch konnte nicht geöffnet werden: "
                                                   "kein Browser gefunden.\n%1\n%2")
                           .arg(file, reason),
                       {}, platform::MessageType::Error);
    };
    if (!open) {
        failed(QString());
        return;
    }
    open(*page, failed);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        // Once per key, whichever widget it went to first.
        QWidget* window = QApplication::activeWindow();
        if (window == nullptr) {
            if (auto* widget = qobject_cast<QWidget*>(watched)) {
                window = widget->window();
            }
        }
        showHelp(window);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tavo::ui

#include "platform/dbus/DBusScreenSaver.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

namespace tavo::platform {

namespace {
const char* const kService = "org.freedesktop.ScreenSaver";
const char* const kPath = "/org/freedesktop/ScreenSaver";
const char* const kInterface = "org.freedesktop.ScreenSaver";
} // namespace

DBusScreenSaver::~DBusScreenSaver() {
    release();
}

void DBusScreenSaver::inhibit() {
    if (inhibited_) {
        return;
    }
    inhibited_ = true;
    auto bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusInterface screenSaver(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                               QString::fromLatin1(kInterface), bus);
    if (!screenSaver.isValid()) {
        return;
    }
    const QDBusReply<std::uint32_t> reply =
        screenSaver.call(QStringLiteral("Inhibit"), QStringLiteral("Vorlandt Klarovent"),
                         QCoreApplication::translate("DBusScreenSaver", "Hörtest"));
    if (reply.isValid()) {
        cookie_ = reply.value();
        haveCookie_ = true;
    }
}

void DBusScreenSaver::release() {
    if (!inhibited_) {
        return;
    }
    inhibited_ = false;
    if (!haveCookie_) {
        return;
    }
    haveCookie_ = false;
    auto bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return;
    }
    QDBusInterface screenSaver(QString::fromLatin1(kService), QString::fromLatin1(kPath),
                               QString::fromLatin1(kInterface), bus);
    if (screenSaver.isValid()) {
        screenSaver.call(QStringLiteral("UnInhibit"), cookie_);
    }
}

} // namespace tavo::platform

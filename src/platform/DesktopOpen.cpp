#include "platform/DesktopOpen.h"

#include <QCoreApplication>
#include <QProcess>

namespace tavo::platform {

namespace {

// xdg-open runs in the background of a small shell that waits for it up to
// three seconds (it leaves its exit status in a file): one that failed by
// then says why; one still running has started a program (some desktops'
// xdg-open stays until the browser closes) and is left to it, so ending our
// program never ends the browser. The shell's own tools come from the
// system's standard path, whatever the user's PATH holds.
constexpr const char* kOpener = R"sh(
command -v xdg-open >/dev/null 2>&1 || exit 127
status=$(command -p mktemp) || exit 126
( xdg-open "$1" >/dev/null 2>&1; code=$?; [ -e "$status" ] && echo "$code" >"$status" ) &
i=0
while [ "$i" -lt 30 ]; do
    if [ -s "$status" ]; then
        read -r code <"$status"
        command -p rm -f "$status"
        exit "$code"
    fi
    command -p sleep 0.1
    i=$((i + 1))
done
command -p rm -f "$status"
exit 0
)sh";

QString reasonFor(int status) {
    switch (status) {
    case 127:
        return QCoreApplication::translate("DesktopOpen",
                                           "xdg-open ist nicht installiert (Paket xdg-utils).");
    case 2:
        return QCoreApplication::translate("DesktopOpen", "Die Datei gibt es nicht.");
    case 3:
        return QCoreApplication::translate(
            "DesktopOpen", "Kein Programm gefunden, das sie anzeigen kann (kein Browser).");
    default:
        return QCoreApplication::translate("DesktopOpen", "xdg-open meldet den Fehler %1.")
            .arg(status);
    }
}

} // namespace

void openWithDesktop(const QUrl& url, QObject* context,
                     std::function<void(const QString& reason)> failed) {
    auto* shell = new QProcess(context);
    QObject::connect(shell, &QProcess::finished, shell,
                     [shell, failed](int status, QProcess::ExitStatus how) {
                         if (how != QProcess::NormalExit || status != 0) {
                             failed(how == QProcess::NormalExit
                                        ? reasonFor(status)
                                        : QCoreApplication::translate("DesktopOpen",
                                                                      "xdg-open ist abgestürzt."));
                         }
                         shell->deleteLater();
                     });
    QObject::connect(shell, &QProcess::errorOccurred, shell,
                     [shell, failed](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             failed(QCoreApplication::translate(
                                 "DesktopOpen", "Die Shell /bin/sh lässt sich nicht starten."));
                             shell->deleteLater();
                         }
                     });
    shell->start(QStringLiteral("/bin/sh"),
                 {QStringLiteral("-c"), QString::fromLatin1(kOpener), QStringLiteral("tavo-open"),
                  url.toString(QUrl::FullyEncoded)});
}

} // namespace tavo::platform

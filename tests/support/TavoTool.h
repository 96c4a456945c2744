#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace tavo::testsupport {

// One run of the console tool, as a user runs it.
struct ToolRun {
    int exitCode = -1; // -1: crashed or timed out
    QString out;
    QString err;

    // The lines of stdout (without the empty text after the last newline).
    QStringList lines() const {
        QStringList all = out.split(QLatin1Char('\n'));
        if (!all.isEmpty() && all.last().isEmpty()) {
            all.removeLast();
        }
        return all;
    }
};

// Runs the `tavo` of this build ($TAVO_BUILD_DIR). `withoutDisplay` removes
// every display variable, as on a server without a desktop.
// `environment`, when given, is the whole environment the tool runs in.
inline ToolRun runTavo(const QStringList& arguments, bool withoutDisplay = false,
                       QProcessEnvironment environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    if (withoutDisplay) {
        for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
            environment.remove(QString::fromLatin1(name));
        }
    }
    process.setProcessEnvironment(environment);
    process.start(qEnvironmentVariable("TAVO_BUILD_DIR") + QStringLiteral("/src/cli/tavo"),
                  arguments);
    ToolRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace tavo::testsupport

#include "platform/SoundServerControl.h"

#include "platform/SoundServerProbe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace tavo::testsupport {

namespace {

// A process that outlives the test and must not hold its output open
// (ctest would wait for it).
bool startDetached(const QString& program, const QStringList& arguments, qint64* pid) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    return process.startDetached(pid);
}

QByteArray procStat(qint64 pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    return stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
}

// Running, not a zombie ("pid (name) Z ...").
bool processAlive(qint64 pid) {
    const QByteArray line = procStat(pid);
    const auto close = line.lastIndexOf(')');
    return close >= 0 && line.mid(close + 2, 1) != "Z";
}

} // namespace

qint64 soundServerPid(QString& why) {
    const auto listed =
        runTool(QStringLiteral("pgrep"), {QStringLiteral("-x"), QStringLiteral("pulseaudio")});
    if (!listed) {
        why = QStringLiteral("no pulseaudio process runs (pgrep -x pulseaudio)");
        return 0;
    }
    QStringList pids;
    for (const QString& line : listed->split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // A server killed a moment ago may linger as a zombie.
        if (processAlive(line.trimmed().toLongLong())) {
            pids.append(line.trimmed());
        }
    }
    if (pids.size() != 1) {
        why = QStringLiteral("%1 pulseaudio processes run; which one serves ALSA's default is "
                             "not clear")
                  .arg(pids.size());
        return 0;
    }
    return pids.first().trimmed().toLongLong();
}

StoppedServer::StoppedServer(qint64 pid, int safetySeconds) : pid_(pid) {
    // The safety net first: once the server is stopped, nothing may keep it so.
    if (!startDetached(QStringLiteral("sh"),
                       {QStringLiteral("-c"),
                        QStringLiteral("sleep %1; kill -CONT %2").arg(safetySeconds).arg(pid)},
                       &safety_)) {
        safety_ = 0;
        return;
    }
    stopped_ = ::kill(static_cast<pid_t>(pid_), SIGSTOP) == 0;
}

void StoppedServer::resume() {
    if (stopped_) {
        ::kill(static_cast<pid_t>(pid_), SIGCONT);
        stopped_ = false;
    }
    if (safety_ != 0) {
        // The helper runs in a session of its own: end its sleep with it.
        const pid_t group = ::getpgid(static_cast<pid_t>(safety_));
        ::kill(group > 0 && group != ::getpgrp() ? -group : static_cast<pid_t>(safety_), SIGKILL);
        safety_ = 0;
    }
}

StoppedServer::~StoppedServer() {
    resume();
}

bool startSoundServer(QString& error) {
    if (soundServerAnswers()) {
        return true;
    }
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tavo-pulse.XXXXXX"));
    if (!dir.isValid()) {
        error = QStringLiteral("no temporary folder");
        return false;
    }
    // The server outlives this test; so do its script and log.
    dir.setAutoRemove(false);
    const QString script = dir.filePath(QStringLiteral("ci.pa"));
    const QString log = dir.filePath(QStringLiteral("pulse.log"));
    {
        QFile pa(script);
        if (!pa.open(QIODevice::WriteOnly)) {
            error = QStringLiteral("cannot write ") + script;
            return false;
        }
        // norewinds=1: without it the monitor repeats frames at the start
        // of a stream, and the recording tests compare frame by frame.
        pa.write("load-module module-native-protocol-unix auth-anonymous=1\n"
                 "load-module module-null-sink sink_name=ci_sink norewinds=1 rate=44100 "
                 "channels=2\n"
                 "set-default-sink ci_sink\n");
        QFile logFile(log);
        logFile.open(QIODevice::WriteOnly);
    }
    // The daemon drops its privileges to the user "pulse".
    const auto readable = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                          QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QFile::setPermissions(dir.path(), readable | QFileDevice::ExeOwner | QFileDevice::ExeGroup |
                                          QFileDevice::ExeOther);
    QFile::setPermissions(script, readable);
    QFile::setPermissions(log, readable | QFileDevice::WriteGroup | QFileDevice::WriteOther);
    const QStringList arguments = {QStringLiteral("--system"),
                                   QStringLiteral("-n"),
                                   QStringLiteral("-F"),
                                   script,
                                   QStringLiteral("--daemonize=no"),
                                   QStringLiteral("--exit-idle-time=-1"),
                                   QStringLiteral("--disallow-exit"),
                                   QStringLiteral("--log-target=file:") + log};
    // A daemon that starts while its killed predecessor is not yet reaped
    // takes the pid file for a running server and gives up: then again.
    QElapsedTimer timer;
    timer.start();
    for (int attempt = 0; attempt < 5 && timer.elapsed() < 15000; ++attempt) {
        qint64 pid = 0;
        if (!startDetached(QStringLiteral("pulseaudio"), arguments, &pid)) {
            error = QStringLiteral("pulseaudio cannot be started");
            return false;
        }
        QElapsedTimer started;
        started.start();
        while (started.elapsed() < 10000) {
            if (soundServerAnswers()) {
                return true;
            }
            if (!processAlive(pid)) {
                break;
            }
            QThread::msleep(100);
        }
        QThread::msleep(500);
    }
    error = QStringLiteral("the new server does not answer; see ") + log;
    return false;
}

KilledServer::KilledServer(qint64 pid) : pid_(pid) {
    killed_ = ::kill(static_cast<pid_t>(pid), SIGKILL) == 0;
}

bool KilledServer::restart(QString& error) {
    restarted_ = true;
    // Its pid file names it until it has been reaped; a new server would
    // take it for a running one.
    QElapsedTimer timer;
    timer.start();
    while (killed_ && !procStat(pid_).isEmpty() && timer.elapsed() < 5000) {
        QThread::msleep(20);
    }
    return startSoundServer(error);
}

KilledServer::~KilledServer() {
    if (!restarted_) {
        QString error;
        restart(error);
    }
}

} // namespace tavo::testsupport

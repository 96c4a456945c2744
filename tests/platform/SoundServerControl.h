#pragma once

#include <QString>

// Stops, kills and starts the PulseAudio server the real-audio tests play
// through, to see how the program copes with a sound server that stops
// answering or goes away. Tests that use it hold the sound_server lock and
// leave a running, answering server behind.
namespace tavo::testsupport {

// The process id of the one running PulseAudio daemon (pgrep -x
// pulseaudio); 0 when there is none or more than one (then nobody can tell
// which of them ALSA's `default` reaches). `why` says which.
qint64 soundServerPid(QString& why);

// Holds the server stopped (SIGSTOP) until resume() or the end of the
// scope. Should the test process die before, a detached helper continues
// the server after `safetySeconds`; resume() ends that helper.
class StoppedServer {
public:
    explicit StoppedServer(qint64 pid, int safetySeconds = 30);
    ~StoppedServer();
    StoppedServer(const StoppedServer&) = delete;
    StoppedServer& operator=(const StoppedServer&) = delete;

    bool stopped() const { return stopped_; }
    void resume();

private:
    qint64 pid_;
    qint64 safety_ = 0;
    bool stopped_ = false;
};

// Starts a server as scripts/test does (system mode, `-F ci.pa` from a
// fresh /tmp/tavo-pulse.* folder, a null sink ci_sink as the default sink)
// unless one answers already, and waits up to 10 s until it answers.
bool startSoundServer(QString& error);

// Kills the server (SIGKILL) and starts a fresh one at the end of the
// scope (or on restart()), so the tests after this one find a server.
class KilledServer {
public:
    explicit KilledServer(qint64 pid);
    ~KilledServer();
    KilledServer(const KilledServer&) = delete;
    KilledServer& operator=(const KilledServer&) = delete;

    bool killed() const { return killed_; }
    // True when a server answers afterwards.
    bool restart(QString& error);

private:
    qint64 pid_;
    bool killed_ = false;
    bool restarted_ = false;
};

} // namespace tavo::testsupport

#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace tavo::platform {

// Calls into a sound server's client libraries that can hang: a server that
// has been stopped (SIGSTOP) accepts the connection and never answers, and
// ALSA's pulse plug-in waits for it without a time limit. Such calls run on
// one worker thread of their own, one after the other, and the caller waits
// for each at most a limit. A call that does not come back in time is a
// failure; the worker stays with it, and every call after it fails at once
// until it has come back (when the server runs again).
//
// A call must own everything it touches (copies, shared pointers): after a
// time-out the caller goes on and may be gone when the call returns.
//
// The server is one for the whole process, and so is this worker. It also
// remembers when the server last failed to answer (here or in a handshake of
// the endpoint volume), so that a start-up that has already waited for it
// once does not wait again for every device.
class ServerCalls {
public:
    static constexpr std::chrono::milliseconds kLimit{2000};
    static constexpr std::chrono::milliseconds kLimitAfterSilence{300};

    static ServerCalls& instance();

    // Runs `call` on the worker; true when it finished within the limit
    // (kLimit, or kLimitAfterSilence when the server was silent lately).
    bool run(std::function<void()> call);
    // A call is still waiting for the server.
    bool stuck() const;
    // Lets go of something whose release talks to the server (a mixer
    // handle): on the worker, after whatever waits there, never here.
    void release(std::shared_ptr<void> thing);

    // The server did not answer (a call timed out, a handshake went
    // unanswered), or did (a handshake succeeded). Silence is remembered
    // for ten seconds.
    static void noteSilence();
    static void noteAnswer();
    static bool silentLately();

    ServerCalls(const ServerCalls&) = delete;
    ServerCalls& operator=(const ServerCalls&) = delete;

private:
    ServerCalls();
    ~ServerCalls();
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

} // namespace tavo::platform

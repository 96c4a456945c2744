#include "platform/ServerCalls.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace tavo::platform {

namespace {

using Clock = std::chrono::steady_clock;

// When the server last did not answer (nanoseconds on the steady clock; 0:
// it has answered since).
std::atomic<std::int64_t> lastSilence{0};
constexpr std::chrono::seconds kSilenceRemembered{10};

std::int64_t now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

} // namespace

// What the caller and the worker share; the worker's thread keeps it alive
// for as long as it runs, even past the end of the process's statics.
struct ServerCalls::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::function<void()>> queue;
    std::uint64_t started = 0;  // calls taken by the worker
    std::uint64_t finished = 0; // calls it has come back from
    bool busy = false;
    bool stop = false;
};

ServerCalls& ServerCalls::instance() {
    static ServerCalls calls;
    return calls;
}

ServerCalls::ServerCalls() : shared_(std::make_shared<Shared>()) {
    std::thread([shared = shared_] {
        std::unique_lock lock(shared->mutex);
        for (;;) {
            shared->changed.wait(lock, [&] { return shared->stop || !shared->queue.empty(); });
            if (shared->queue.empty()) {
                return;
            }
            auto call = std::move(shared->queue.front());
            shared->queue.pop_front();
            shared->busy = true;
            ++shared->started;
            lock.unlock();
            call();
            lock.lock();
            shared->busy = false;
            ++shared->finished;
            shared->changed.notify_all();
        }
    }).detach();
}

ServerCalls::~ServerCalls() {
    // A worker stuck in the server is left where it is; an idle one ends.
    std::lock_guard lock(shared_->mutex);
    shared_->stop = true;
    shared_->changed.notify_all();
}

bool ServerCalls::run(std::function<void()> call) {
    const auto limit = silentLately() ? kLimitAfterSilence : kLimit;
    std::unique_lock lock(shared_->mutex);
    if (shared_->busy || !shared_->queue.empty()) {
        return false; // still waiting for the server from an earlier call
    }
    shared_->queue.push_back(std::move(call));
    const std::uint64_t mine = shared_->started + 1;
    shared_->changed.notify_all();
    const bool done =
        shared_->changed.wait_for(lock, limit, [&] { return shared_->finished >= mine; });
    lock.unlock();
    // A call that came back says nothing of the server (it may have been
    // refused at once); only a handshake that succeeds clears the silence.
    if (!done) {
        noteSilence();
    }
    return done;
}

void ServerCalls::release(std::shared_ptr<void> thing) {
    std::lock_guard lock(shared_->mutex);
    shared_->queue.push_back([thing = std::move(thing)]() mutable { thing.reset(); });
    shared_->changed.notify_all();
}

bool ServerCalls::stuck() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->busy || !shared_->queue.empty();
}

void ServerCalls::noteSilence() {
    lastSilence.store(now());
}

void ServerCalls::noteAnswer() {
    lastSilence.store(0);
}

bool ServerCalls::silentLately() {
    const std::int64_t at = lastSilence.load();
    return at != 0 &&
           now() - at <
               std::chrono::duration_cast<std::chrono::nanoseconds>(kSilenceRemembered).count();
}

} // namespace tavo::platform

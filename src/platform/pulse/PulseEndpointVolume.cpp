#include "platform/pulse/PulseEndpointVolume.h"

#include "platform/ServerCalls.h"

#include <pulse/pulseaudio.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <string>

namespace tavo::platform {

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTimeout = std::chrono::milliseconds(1500);
// After the server has just been found silent, a start-up does not wait
// for it that long again.
constexpr auto kTimeoutAfterSilence = std::chrono::milliseconds(300);

// A blocking connection to the server, driven by a private main loop. Every
// wait is bounded, so a server that hangs cannot hang the program.
class Connection {
public:
    Connection() {
        loop_ = pa_mainloop_new();
        if (loop_ == nullptr) {
            return;
        }
        pa_proplist* props = pa_proplist_new();
        pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Vorlandt Klarovent");
        context_ = pa_context_new_with_proplist(pa_mainloop_get_api(loop_), nullptr, props);
        pa_proplist_free(props);
        if (context_ == nullptr ||
            pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
            return;
        }
        const bool settled = iterateUntil([this] {
            const auto state = pa_context_get_state(context_);
            return state == PA_CONTEXT_READY || !PA_CONTEXT_IS_GOOD(state);
        });
        ready_ = settled && pa_context_get_state(context_) == PA_CONTEXT_READY;
        // A server that took the connection and never answered is stopped.
        if (!settled) {
            ServerCalls::noteSilence();
        } else if (ready_) {
            ServerCalls::noteAnswer();
        }
    }
    ~Connection() {
        if (context_ != nullptr) {
            pa_context_disconnect(context_);
            pa_context_unref(context_);
        }
        if (loop_ != nullptr) {
            pa_mainloop_free(loop_);
        }
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool ready() const { return ready_; }
    // Still connected (the server may have gone away since).
    bool alive() const {
        return ready_ && context_ != nullptr && pa_context_get_state(context_) == PA_CONTEXT_READY;
    }
    pa_context* context() const { return context_; }

    template <typename Done> bool iterateUntil(Done done) {
        const auto deadline =
            Clock::now() + (ServerCalls::silentLately() ? kTimeoutAfterSilence : kTimeout);
        while (!done()) {
            if (Clock::now() > deadline) {
                return false;
            }
            // Wake at least every 10 ms to look at the deadline.
            if (pa_mainloop_prepare(loop_, 10000) < 0 || pa_mainloop_poll(loop_) < 0 ||
                pa_mainloop_dispatch(loop_) < 0) {
                return false;
            }
        }
        return true;
    }

    // Waits for an operation to finish; false on timeout or failure.
    bool finish(pa_operation* operation) {
        if (operation == nullptr) {
            return false;
        }
        const bool ok = iterateUntil(
            [operation] { return pa_operation_get_state(operation) != PA_OPERATION_RUNNING; });
        if (!ok) {
            pa_operation_cancel(operation);
        }
        pa_operation_unref(operation);
        return ok;
    }

private:
    pa_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    bool ready_ = false;
};

struct SinkQuery {
    std::string defaultSink;
    pa_cvolume volume{};
    bool found = false;
    bool succeeded = false;
};

class PulseEndpointVolume final : public EndpointVolume {
public:
    bool setMasterLevelScalar(float level) override {
        if (!(level >= 0.0f && level <= 1.0f)) {
            return false;
        }
        return onConnection([level](Connection& connection) { return apply(connection, level); });
    }

    std::optional<float> masterLevelScalar() override {
        SinkQuery query;
        if (!onConnection(
                [&query](Connection& connection) { return readDefaultSink(connection, query); })) {
            return std::nullopt;
        }
        return static_cast<float>(static_cast<double>(pa_cvolume_max(&query.volume)) /
                                  static_cast<double>(PA_VOLUME_NORM));
    }

private:
    // One connection for the whole session (the level changes before every
    // frequency and with every slider step); a connection the server has
    // dropped is made again, once.
    template <typename Work> bool onConnection(Work work) {
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (!connection_ || !connection_->alive()) {
                connection_ = std::make_unique<Connection>();
            }
            if (connection_->ready() && work(*connection_)) {
                return true;
            }
            if (connection_->alive()) {
                return false; // the server answered and refused
            }
        }
        return false;
    }

    // The default sink's name and volume.
    static bool readDefaultSink(Connection& connection, SinkQuery& query) {
        auto* info = pa_context_get_server_info(
            connection.context(),
            [](pa_context*, const pa_server_info* server, void* user) {
                auto* q = static_cast<SinkQuery*>(user);
                if (server != nullptr && server->default_sink_name != nullptr) {
                    q->defaultSink = server->default_sink_name;
                }
            },
            &query);
        if (!connection.finish(info) || query.defaultSink.empty()) {
            return false;
        }
        auto* sink = pa_context_get_sink_info_by_name(
            connection.context(), query.defaultSink.c_str(),
            [](pa_context*, const pa_sink_info* sinkInfo, int eol, void* user) {
                auto* q = static_cast<SinkQuery*>(user);
                if (eol == 0 && sinkInfo != nullptr) {
                    q->volume = sinkInfo->volume;
                    q->found = true;
                }
            },
            &query);
        return connection.finish(sink) && query.found;
    }

    static bool apply(Connection& connection, float level) {
        SinkQuery query;
        if (!readDefaultSink(connection, query)) {
            return false;
        }
        // The master level is the loudest channel's; the balance between the
        // channels stays as the user set it.
        pa_cvolume volume = query.volume;
        const auto raw = static_cast<pa_volume_t>(
            std::lround(static_cast<double>(level) * static_cast<double>(PA_VOLUME_NORM)));
        if (!pa_cvolume_valid(&volume) || pa_cvolume_scale(&volume, raw) == nullptr) {
            return false;
        }
        auto* set = pa_context_set_sink_volume_by_name(
            connection.context(), query.defaultSink.c_str(), &volume,
            [](pa_context*, int success, void* user) {
                static_cast<SinkQuery*>(user)->succeeded = success != 0;
            },
            &query);
        return connection.finish(set) && query.succeeded;
    }

    std::unique_ptr<Connection> connection_;
};

} // namespace

bool PulseEndpointVolumeService::serverAnswers() {
    Connection connection;
    return connection.ready();
}

std::unique_ptr<EndpointVolume> PulseEndpointVolumeService::activateDefault() {
    if (!serverAnswers()) {
        return nullptr;
    }
    return std::make_unique<PulseEndpointVolume>();
}

} // namespace tavo::platform

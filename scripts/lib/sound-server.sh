# Starts and stops the PulseAudio server the tests play through: system
# mode, a null sink (sample-exact, no sound hardware needed) as the default
# sink. Sourced by scripts/test.

TAVO_PULSE_PID=""

tavo_start_sound_server() {
    if pactl info >/dev/null 2>&1; then
        echo "A sound server already answers; the tests use it."
        return 0
    fi
    local dir
    dir=$(mktemp -d /tmp/tavo-pulse.XXXXXX)
    # The daemon drops its privileges to the user "pulse": let it read the
    # script and write its log.
    chmod 755 "$dir"
    : > "$dir/pulse.log"
    chmod 666 "$dir/pulse.log"
    cat > "$dir/ci.pa" <<'PA'
load-module module-native-protocol-unix auth-anonymous=1
load-module module-null-sink sink_name=ci_sink norewinds=1 rate=44100 channels=2
set-default-sink ci_sink
PA
    chmod 644 "$dir/ci.pa"
    # norewinds=1 matters: without it the sink's monitor repeats frames at
    # the start of a stream and the recorded tone no longer equals the
    # played one.
    pulseaudio --system -n -F "$dir/ci.pa" --daemonize=no --exit-idle-time=-1 \
        --disallow-exit --log-target=file:"$dir/pulse.log" &
    TAVO_PULSE_PID=$!
    local i
    for i in $(seq 1 100); do
        if pactl info >/dev/null 2>&1; then
            echo "PulseAudio server started (null sink ci_sink)."
            return 0
        fi
        sleep 0.1
    done
    echo "PulseAudio server did not start; see $dir/pulse.log" >&2
    return 1
}

tavo_stop_sound_server() {
    if [ -n "$TAVO_PULSE_PID" ]; then
        kill "$TAVO_PULSE_PID" 2>/dev/null || true
        wait "$TAVO_PULSE_PID" 2>/dev/null || true
        TAVO_PULSE_PID=""
        # A test that kills the server starts a new one of its own; it goes
        # too (only when this script started the first).
        pkill -x pulseaudio 2>/dev/null || true
    fi
}

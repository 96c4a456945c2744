# Starts and stops a CUPS scheduler of the tests' own (a private
# configuration in a temporary folder, reached through CUPS_SERVER) with one
# PostScript queue that prints into a file. Sourced by scripts/test. Needs
# root (the scheduler drops to the user "lp"); otherwise the printing tests
# skip and say why.

TAVO_CUPS_PID=""
TAVO_CUPS_DIR=""

tavo_start_print_server() {
    if [ "$(id -u)" -ne 0 ] || [ ! -x /usr/sbin/cupsd ]; then
        echo "No print server for the tests (needs root and cupsd)."
        return 0
    fi
    TAVO_CUPS_DIR=$(mktemp -d /tmp/tavo-cups.XXXXXX)
    local dir="$TAVO_CUPS_DIR"
    mkdir -p "$dir/spool" "$dir/tmp" "$dir/cache" "$dir/state" "$dir/ppd"
    cat > "$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
CONF
    cat > "$dir/cups-files.conf" <<CONF
FileDevice Yes
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/error_log
AccessLog $dir/access_log
PageLog $dir/page_log
User lp
Group lp
CONF
    chmod 755 "$dir"
    chown -R lp:lp "$dir/spool" "$dir/tmp" "$dir/cache" "$dir/state"
    : > "$dir/printed.ps"
    chmod 666 "$dir/printed.ps"
    /usr/sbin/cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" > "$dir/cupsd.out" 2>&1 &
    TAVO_CUPS_PID=$!
    export CUPS_SERVER="$dir/cups.sock"
    local i
    for i in $(seq 1 50); do
        if lpstat -r 2>/dev/null | grep -q "is running"; then
            break
        fi
        sleep 0.1
    done
    if ! lpadmin -p tavo-ci -E -v "file://$dir/printed.ps" \
            -m drv:///sample.drv/generic.ppd >/dev/null 2>&1; then
        echo "The tests' print queue could not be set up; see $dir" >&2
        unset CUPS_SERVER
        return 0
    fi
    export TAVO_PRINT_QUEUE=tavo-ci
    export TAVO_PRINT_OUTPUT="$dir/printed.ps"
    echo "CUPS scheduler started (queue tavo-ci into $dir/printed.ps)."
}

tavo_stop_print_server() {
    if [ -n "$TAVO_CUPS_PID" ]; then
        kill "$TAVO_CUPS_PID" 2>/dev/null || true
        wait "$TAVO_CUPS_PID" 2>/dev/null || true
        TAVO_CUPS_PID=""
    fi
}

# Starts and stops a PostgreSQL cluster of the tests' own: its own data
# folder, port and Unix socket in a temporary folder, no TCP. The archive
# tests find it through TAVO_PG_HOST (the socket folder), TAVO_PG_PORT,
# TAVO_PG_USER and TAVO_PG_DATABASE. Sourced by scripts/test. Needs root
# (the server runs as the user "postgres"); otherwise the PostgreSQL tests
# skip and say why. A test that stops and starts a server of its own calls
# `tavo_start_db_server PORT` and `tavo_db_ctl DIR PORT stop|start`.

TAVO_PG_DIR=""
TAVO_PG_BIN=""

tavo_db_ctl() {
    local dir=$1 port=$2 action=$3
    TAVO_PG_BIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
    runuser -u postgres -- "$TAVO_PG_BIN/pg_ctl" -D "$dir/data" \
        -o "-k $dir -p $port -c listen_addresses='' -c fsync=off" \
        -l "$dir/pg.log" -m fast -w "$action" >/dev/null 2>&1
}

tavo_start_db_server() {
    TAVO_PG_BIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
    if [ "$(id -u)" -ne 0 ] || [ -z "$TAVO_PG_BIN" ] || ! id postgres >/dev/null 2>&1; then
        echo "No PostgreSQL server for the tests (needs root and the postgresql package)."
        return 0
    fi
    TAVO_PG_DIR=$(mktemp -d /tmp/tavo-pg.XXXXXX)
    chown postgres:postgres "$TAVO_PG_DIR"
    chmod 700 "$TAVO_PG_DIR"
    local port=${1:-55432}
    if ! runuser -u postgres -- "$TAVO_PG_BIN/initdb" -D "$TAVO_PG_DIR/data" -A trust -U tavo \
            --no-sync >"$TAVO_PG_DIR/initdb.log" 2>&1 ||
       ! tavo_db_ctl "$TAVO_PG_DIR" "$port" start; then
        echo "The tests' PostgreSQL server did not start; see $TAVO_PG_DIR" >&2
        return 0
    fi
    # The socket folder must be reachable for every user the tests run as.
    chmod 755 "$TAVO_PG_DIR"
    if ! "$TAVO_PG_BIN/psql" -h "$TAVO_PG_DIR" -p "$port" -U tavo -d postgres -q \
            -c 'create database archiv' >/dev/null 2>&1; then
        echo "The tests' archive database could not be made; see $TAVO_PG_DIR" >&2
        return 0
    fi
    export TAVO_PG_HOST="$TAVO_PG_DIR" TAVO_PG_PORT="$port" TAVO_PG_USER=tavo \
           TAVO_PG_DATABASE=archiv
}

tavo_stop_db_server() {
    if [ -n "$TAVO_PG_DIR" ] && [ -d "$TAVO_PG_DIR/data" ]; then
        runuser -u postgres -- "$TAVO_PG_BIN/pg_ctl" -D "$TAVO_PG_DIR/data" -m fast -w stop \
            >/dev/null 2>&1 || true
        rm -rf "$TAVO_PG_DIR"
    fi
    TAVO_PG_DIR=""
}

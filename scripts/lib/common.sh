# Shared by scripts/run and scripts/test. Sourced, not executed.

TAVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Installs the Debian packages of scripts/lib/packages.txt that are missing:
# the "build" and "run" sections for the program (tavo_install_packages
# program), every section for the test suite (tavo_install_packages all).
# Idempotent: asks dpkg first and only runs apt-get (update + install) when
# something is actually missing.
tavo_install_packages() {
    local which="${1:-all}" wanted missing=() pkg
    if [ "$which" = program ]; then
        wanted=$(awk '/^# tests/ { skip = 1 } /^# (build|run)/ { skip = 0 }
                      !skip && !/^[[:space:]]*(#|$)/' "$TAVO_ROOT/scripts/lib/packages.txt")
    else
        wanted=$(grep -vE '^\s*(#|$)' "$TAVO_ROOT/scripts/lib/packages.txt")
    fi
    for pkg in $wanted; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures and builds one CMake preset (release, asan, ...); with more
# arguments only those targets.
tavo_build() {
    local preset="$1"
    shift
    cmake --preset "$preset" -S "$TAVO_ROOT" >/dev/null
    if [ $# -gt 0 ]; then
        cmake --build --preset "$preset" -j "$(nproc)" --target "$@"
    else
        cmake --build --preset "$preset" -j "$(nproc)"
    fi
}

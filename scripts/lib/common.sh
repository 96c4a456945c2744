# Shared by scripts/run and scripts/test. Sourced, not executed.

TAVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

# Installs the Debian packages of scripts/lib/packages.txt that are missing:
# the "build" and "run" sections for the program (tavo_install_packages
# program), those and the "package" section for the Debian package
# (tavo_install_packages package), every section for the test suite
# (tavo_install_packages all). Idempotent: asks dpkg first and only runs
# apt-get (update + install) when something is actually missing.
tavo_install_packages() {
    local which="${1:-all}" wanted missing=() pkg sections
    case "$which" in
        program) sections='build|run' ;;
        package) sections='build|run|package' ;;
        *) sections='[a-z]+' ;;
    esac
    wanted=$(awk -v sections="^($sections)\$" '
                 /^# [a-z]+$/ { skip = $2 !~ sections }
                 !skip && !/^[[:space:]]*(#|$)/' "$TAVO_ROOT/scripts/lib/packages.txt")
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

#!/usr/bin/env bash
# Installs the package for real, double-clicks its files and removes it
# again, in a throwaway copy-on-write overlay of this machine's root file
# system (in memory, in a mount namespace of its own): the machine itself
# stays as it was. Needs root; check-package.sh runs it in `unshare --mount`.
#
#   install-in-overlay.sh PACKAGE.deb TEST_FILE CALIBRATION_FILE APP_ID TEST_TYPE CALIBRATION_TYPE
#
# Exits 0 when every check passed, 1 when one failed, 77 when no overlay
# could be mounted here.
set -euo pipefail
deb="$1" test_file="$2" calibration_file="$3"

layer="$(mktemp -d "${TMPDIR:-/tmp}/tavo-overlay.XXXXXX")"
if ! mount -t tmpfs tavo-overlay "$layer" ||
    ! mkdir -p "$layer"/{upper,work,root} ||
    ! mount -t overlay overlay -o "lowerdir=/,upperdir=$layer/upper,workdir=$layer/work" \
        "$layer/root" 2>/dev/null ||
    [ "$(findmnt -n -o FSTYPE "$layer/root")" != overlay ]; then
    echo "no overlay mount possible here"
    exit 77
fi
mount --bind /dev "$layer/root/dev"
mount -t proc proc "$layer/root/proc"
mount -t tmpfs tmp "$layer/root/tmp"
guest="$layer/root/var/tmp/tavo-install"
rm -rf "$guest"
mkdir -p "$guest"
cp "$deb" "$guest/package.deb"
cp "$test_file" "$guest/Hörtest Meier.vkt"
cp "$calibration_file" "$guest/kopfhoerer.vkk"

# Everything from here on runs inside the overlay.
chroot "$layer/root" /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin \
    HOME=/root LC_ALL=C.UTF-8 DEBIAN_FRONTEND=noninteractive XDG_CURRENT_DESKTOP=X-Generic \
    /bin/bash -s -- "${@:4}" <<'INSIDE'
set -uo pipefail
app_id="$1" test_type="$2" calibration_type="$3"
cd /var/tmp/tavo-install
failed=0
fail() { echo "FAILED (installed): $*"; failed=1; }

if [[ "$(dpkg-query -W -f='${Status}' tavoaudiometer 2>/dev/null)" == *" installed" ]]; then
    echo "tavoaudiometer is installed on this machine; removing it in the overlay first"
    dpkg --purge tavoaudiometer >/dev/null
fi
if ! dpkg -i package.deb >install.log 2>&1; then
    cat install.log
    fail "dpkg -i"
fi
[ "$(dpkg-query -W -f='${Status}' tavoaudiometer)" = "install ok installed" ] ||
    fail "not installed: $(dpkg-query -W -f='${Status}' tavoaudiometer)"

# The triggers of shared-mime-info and desktop-file-utils have run.
[ -f "/usr/share/mime/$test_type.xml" ] || fail "the MIME database does not know $test_type"
for type in "$test_type" "$calibration_type"; do
    grep -q "^$type=.*$app_id.desktop" /usr/share/applications/mimeinfo.cache ||
        fail "mimeinfo.cache does not name the launcher for $type"
    [ "$(xdg-mime query default "$type")" = "$app_id.desktop" ] ||
        fail "the default application for $type is '$(xdg-mime query default "$type")'"
done
if [ -f /usr/share/icons/hicolor/icon-theme.cache ]; then
    grep -qa "$app_id" /usr/share/icons/hicolor/icon-theme.cache ||
        fail "the icon cache does not know $app_id"
fi
[ "$(xdg-mime query filetype "Hörtest Meier.vkt")" = "$test_type" ] || fail "type of a .vkt"
cp kopfhoerer.vkk ohne-endung
[ "$(xdg-mime query filetype ohne-endung)" = "$calibration_type" ] ||
    fail "type of a calibration file without extension"

# A double-click: xdg-open runs the launcher's Exec line with the file. A
# stand-in for the program, first in PATH, notes what it was given.
cat >/usr/local/bin/TavoAudiometer <<'STANDIN'
#!/bin/sh
printf '%s\n' "$@" >/var/tmp/tavo-install/opened
STANDIN
chmod 755 /usr/local/bin/TavoAudiometer
for file in "Hörtest Meier.vkt" kopfhoerer.vkk; do
    rm -f opened
    DISPLAY=:0 xdg-open "$PWD/$file" >/dev/null 2>&1 || fail "xdg-open $file"
    [ "$(cat opened 2>/dev/null)" = "$PWD/$file" ] ||
        fail "double-click on $file started: '$(cat opened 2>/dev/null)'"
done
rm /usr/local/bin/TavoAudiometer

# The installed programs, manual pages and completion.
tavo --help >/dev/null || fail "tavo --help"
tavo show kopfhoerer.vkk >/dev/null || fail "tavo show"
[ "$(man -w tavo)" = /usr/share/man/man1/tavo.1.gz ] || fail "man -w tavo: $(man -w tavo)"
[ "$(man -L de -w tavo)" = /usr/share/man/de/man1/tavo.1.gz ] ||
    fail "man -L de -w tavo: $(man -L de -w tavo)"
completion="$(bash -c 'source /usr/share/bash-completion/bash_completion
                       __load_completion tavo && complete -p tavo')"
[ "$completion" = "complete -F _tavo tavo" ] || fail "bash loads the completion: '$completion'"

# Removal leaves nothing behind, the databases forget the types.
dpkg --purge tavoaudiometer >remove.log 2>&1 || {
    cat remove.log
    fail "dpkg --purge"
}
for path in /usr/bin/tavo /usr/bin/TavoAudiometer "/usr/share/mime/$test_type.xml" \
    /usr/share/doc/tavoaudiometer /usr/share/tavoaudiometer; do
    [ ! -e "$path" ] || fail "$path is left after removal"
done
if grep -q "$app_id" /usr/share/applications/mimeinfo.cache 2>/dev/null; then
    fail "mimeinfo.cache still names the launcher"
fi
[ "$failed" -ne 0 ] || echo "installed, opened by double-click and removed in an overlay"
exit "$failed"
INSIDE

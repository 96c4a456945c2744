#!/usr/bin/env bash
# Checks the Debian package as a user's machine meets it: the control fields,
# the files it installs, the launcher and the AppStream description, the
# icons, the file types (by name and by content), the libraries the programs
# really load against the declared dependencies, lintian, the manual pages
# and the shell completion against tavo's own help, and, where this machine
# allows it (root, overlay mounts), a real installation, double-click and
# removal in a throwaway overlay of the root file system.
#
#   tests/dist/check-package.sh PACKAGE.deb
#   tests/dist/check-package.sh --cpack BUILD_DIR    packs BUILD_DIR first
#
# Prints every failed check and a summary line; exits 1 if a check failed.
set -uo pipefail
export LC_ALL=C.UTF-8

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source_dir="$(cd "$here/../.." && pwd)"
work="$(mktemp -d "${TMPDIR:-/tmp}/tavo-package.XXXXXX")"
trap 'rm -rf "$work"' EXIT
source "$here/expect.sh"

if [ "${1:-}" = --cpack ]; then
    build="${2:?usage: check-package.sh --cpack BUILD_DIR}"
    started=$SECONDS
    # gzip instead of xz: the same package, packed in a fifth of the time.
    if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" \
        -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$work/cpack.log" 2>&1; then
        cat "$work/cpack.log"
        echo "FAILED: cpack"
        exit 1
    fi
    echo "packed in $((SECONDS - started)) s"
    deb="$(echo "$work"/out/*.deb)"
else
    deb="$(realpath "${1:?usage: check-package.sh PACKAGE.deb | --cpack BUILD_DIR}")"
fi
for tool in dpkg-deb lintian desktop-file-validate appstreamcli update-mime-database xdg-mime \
    mimetype man file; do
    command -v "$tool" >/dev/null || {
        echo "FAILED: $tool is not installed (scripts/lib/packages.txt, section package)"
        exit 1
    }
done
echo "package: $deb"

root="$work/root"
dpkg-deb -x "$deb" "$root" || exit 1
field() { dpkg-deb --field "$deb" "$1"; }
version="$(field Version)"

# --- Control fields -------------------------------------------------------
expect_equal "file name" "tavoaudiometer_${version}_$(dpkg --print-architecture).deb" \
    "$(basename "$deb")"
expect_equal "package name" tavoaudiometer "$(field Package)"
expect_match "maintainer" '^[^<>]+ <[^@<> ]+@[^@<> ]+\.[a-z]+>$' "$(field Maintainer)"
expect_match "description synopsis" '^[a-z].{10,79}$' "$(field Description | head -1)"
# Package names of Depends, the first of each set of alternatives.
depends="$(field Depends | tr ',' '\n' | sed -E 's/\|.*//; s/\(.*\)//; s/[[:space:]]//g')"
# Computed by dpkg-shlibdeps, and what the program opens at run time.
for package in libc6 libqt6widgets6 libasound2 libpulse0 libasound2-plugins fonts-liberation2; do
    expect_line "Depends names $package" "$package" "$depends"
done

# --- Installed files ------------------------------------------------------
files="$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)"
desktop_files="$(grep '^usr/share/applications/.*\.desktop$' <<<"$files")"
expect_equal "one launcher" 1 "$(grep -c . <<<"$desktop_files")"
app_id="$(basename "${desktop_files%%$'\n'*}" .desktop)"
desktop="$root/usr/share/applications/$app_id.desktop"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
mime_xml="$root/usr/share/mime/packages/$app_id.xml"
doc=usr/share/doc/tavoaudiometer
icon_sizes="16 22 24 32 48 64 128 256"
mime_types="$(grep -o '<mime-type type="[^"]*"' "$mime_xml" | sed 's/.*type="//; s/"$//' | sort)"
expect_equal "two file types" 2 "$(grep -c . <<<"$mime_types")"
required="usr/bin/TavoAudiometer usr/bin/tavo
usr/share/applications/$app_id.desktop usr/share/metainfo/$app_id.metainfo.xml
usr/share/mime/packages/$app_id.xml usr/share/man/man1/tavo.1.gz
usr/share/man/man1/TavoAudiometer.1.gz usr/share/man/de/man1/tavo.1.gz
usr/share/man/de/man1/TavoAudiometer.1.gz usr/share/bash-completion/completions/tavo
$doc/copyright $doc/changelog.gz $doc/examples/listener-normal.json
$doc/examples/listener-earplug.json $doc/examples/calibration-demo.vkk
usr/share/tavoaudiometer/manual/index.html usr/share/tavoaudiometer/manual/en/index.html"
for icon in "apps/$app_id" $(sed 's|/|-|; s|^|mimetypes/|' <<<"$mime_types"); do
    required+=" usr/share/icons/hicolor/scalable/$icon.svg"
    for size in $icon_sizes; do
        required+=" usr/share/icons/hicolor/${size}x$size/$icon.png"
    done
done
for file in $required; do
    expect_line "installs $file" "$file" "$files"
done
while read -r file; do
    case "$file" in
        usr/bin/* | usr/share/applications/* | usr/share/metainfo/* | usr/share/mime/packages/* | \
            usr/share/icons/hicolor/* | usr/share/man/man1/* | usr/share/man/de/man1/* | \
            usr/share/bash-completion/completions/* | "$doc"/* | usr/share/tavoaudiometer/*)
            pass
            ;;
        *) fail "file outside the program's places: $file" ;;
    esac
done <<<"$files"
# F1 opens the manual where the package puts it (the path is a UTF-16 text).
if grep -qxF "share/tavoaudiometer/manual" <(strings -e l "$root/usr/bin/TavoAudiometer"); then
    pass
else
    fail "TavoAudiometer looks for its manual elsewhere than share/tavoaudiometer/manual"
fi
# The manual in both languages: each says its language, finds its stylesheet
# and every file it names among the installed ones, has every section its
# links point to, and both have the same sections (F1 opens one by its id).
manual="$root/usr/share/tavoaudiometer/manual"
manual_ids() { grep -o ' id="[^"]*"' "$1" | sed 's/^ id="//; s/"$//'; }
for page in de:index.html en:en/index.html; do
    language="${page%%:*}" page="$manual/${page#*:}"
    expect_match "manual ${page#"$manual"/} is in its language" "<html lang=\"$language\">" \
        "$(head -3 "$page")"
    ids="$(manual_ids "$page")"
    while read -r link; do
        case "$link" in
            "") fail "manual ${page#"$manual"/} links to nothing" ;;
            \#*) expect_line "manual ${page#"$manual"/} has the section $link" "${link#\#}" "$ids" ;;
            *:*) pass ;;
            *)
                if [ -f "$(realpath -m "$(dirname "$page")/${link%%#*}")" ]; then
                    pass
                else
                    fail "manual ${page#"$manual"/} names $link, which is not installed"
                fi
                ;;
        esac
    done < <(grep -oE '(href|src)="[^"]*"' "$page" | sed -E 's/^(href|src)="//; s/"$//')
done
expect_equal "the English manual has the German one's sections" \
    "$(manual_ids "$manual/index.html" | tr '\n' ' ')" \
    "$(manual_ids "$manual/en/index.html" | tr '\n' ' ')"
for program in TavoAudiometer tavo; do
    expect_equal "$program is executable" "-rwxr-xr-x" "$(stat -c %A "$root/usr/bin/$program")"
done

# --- Icons: PNGs of the size their folder names -----------------------------
while read -r png; do
    size="$(basename "$(dirname "$(dirname "$png")")")"
    expect_match "$png" "PNG image data, ${size/x/ x }, 8-bit/color RGBA" \
        "$(file -b "$root/$png")"
done < <(grep '^usr/share/icons/hicolor/.*\.png$' <<<"$files")

# --- Launcher and AppStream -------------------------------------------------
entry() { sed -n "s/^$1=//p" "$desktop"; }
if output="$(desktop-file-validate "$desktop" 2>&1)"; then pass; else fail "desktop-file-validate"; fi
[ -n "$output" ] && echo "$output"
if output="$(appstreamcli validate --no-net "$metainfo" 2>&1)"; then
    pass
else
    fail "appstreamcli validate"
fi
echo "$output"
expect_equal "Exec opens one file" "TavoAudiometer %f" "$(entry Exec)"
for key in 'Name\[de\]' 'Comment\[de\]' Name Comment; do
    expect_match "launcher $key" '.' "$(entry "$key")"
done
for category in Audio Education MedicalSoftware; do
    expect_line "category $category" "$category" "$(entry Categories | tr ';' '\n')"
done
expect_equal "launcher MimeType" "$mime_types" "$(entry MimeType | tr ';' '\n' | sed '/^$/d' | sort)"
expect_equal "launcher icon" "$app_id" "$(entry Icon)"
expect_equal "AppStream id" "$app_id" "$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")"
expect_equal "AppStream launchable" "$app_id.desktop" \
    "$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")"
expect_equal "AppStream media types" "$mime_types" \
    "$(sed -n 's:.*<mediatype>\(.*\)</mediatype>.*:\1:p' "$metainfo" | sort)"
expect_equal "AppStream newest release" "$version" \
    "$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | sed 's/.*="//; s/"$//')"
expect_equal "changelog version" "tavoaudiometer ($version)" \
    "$(zcat "$root/$doc/changelog.gz" | head -1 | cut -d' ' -f1-2)"

# --- File types, by name and by content --------------------------------------
samples="$work/samples"
mkdir -p "$samples" "$work/home"
tavo_run() {
    env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 \
        ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${LSAN_OPTIONS:+LSAN_OPTIONS="$LSAN_OPTIONS"} \
        ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} "$root/usr/bin/$@"
}
tavo_run tavo convert "$source_dir/tests/data/two_runs_noise_notch.json" "$samples/Hörtest Meier.vkt" ||
    fail "tavo convert writes a test file"
cp "$samples/Hörtest Meier.vkt" "$samples/ALT.AUD"
cp "$samples/Hörtest Meier.vkt" "$samples/umbenannter-test"
cp "$root/$doc/examples/calibration-demo.vkk" "$samples/kopfhoerer.vkk"
cp "$root/$doc/examples/calibration-demo.vkk" "$samples/umbenannte-kalibrierung"
printf 'VorlandtTestFile, Calibration Data\n' >"$samples/notiz"
if ! update-mime-database "$root/usr/share/mime" >"$work/mime.log" 2>&1; then
    cat "$work/mime.log"
    fail "update-mime-database"
fi
filetype() {
    XDG_CURRENT_DESKTOP=X-Generic XDG_DATA_DIRS="$root/usr/share" XDG_DATA_HOME="$work/home" \
        xdg-mime query filetype "$samples/$1" 2>&1
}
test_type="$(grep test <<<"$mime_types")"
calibration_type="$(grep calibration <<<"$mime_types")"
expect_equal ".vkt" "$test_type" "$(filetype "Hörtest Meier.vkt")"
expect_equal ".AUD" "$test_type" "$(filetype ALT.AUD)"
expect_equal "test file without extension" "$test_type" "$(filetype umbenannter-test)"
expect_equal ".vkk" "$calibration_type" "$(filetype kopfhoerer.vkk)"
expect_equal "calibration without extension" "$calibration_type" \
    "$(filetype umbenannte-kalibrierung)"
expect_equal "a text naming the signatures" "text/plain" "$(filetype notiz)"
for type in $mime_types; do
    expect_match "$type has a German comment" '<comment xml:lang="de">.+</comment>' \
        "$(cat "$root/usr/share/mime/$type.xml")"
done

# --- The libraries the programs load come with the declared dependencies ------
source "$here/dependencies.sh"
check_dependencies "$root" "$(field Depends)"
expect_equal "tavo --help runs" 0 "$(tavo_run tavo --help >"$work/help.txt" 2>&1; echo $?)"
expect_line "tavo --help lists convert" convert "$(awk '{ print $1 }' "$work/help.txt")"
expect_equal "tavo show reads the example calibration" 0 \
    "$(tavo_run tavo show "$root/$doc/examples/calibration-demo.vkk" >/dev/null 2>&1; echo $?)"
expect_equal "TavoAudiometer --help runs" 0 \
    "$(tavo_run TavoAudiometer --help >/dev/null 2>&1; echo $?)"

# --- lintian: no errors; the rest is listed ---------------------------------
if lintian --fail-on error --display-info --tag-display-limit 0 "$deb" >"$work/lintian.txt" 2>&1; then
    pass
else
    fail "lintian finds errors"
fi
grep -v 'running with root privileges' "$work/lintian.txt" | sed 's/^/lintian: /'

# --- Manual pages and completion against tavo's help ---------------------------
source "$here/tavo-help.sh"
check_manual_pages "$root"
check_completion "$root" "$samples/Hörtest Meier.vkt" "$samples/kopfhoerer.vkk"

# --- A real installation, where the machine allows it ---------------------------
if [ "$(id -u)" -ne 0 ] || ! unshare --mount true 2>/dev/null; then
    echo "real installation skipped: it needs root and a mount namespace"
else
    TMPDIR="$work" unshare --mount --propagation private \
        bash "$here/install-in-overlay.sh" "$deb" "$samples/Hörtest Meier.vkt" \
        "$samples/kopfhoerer.vkk" "$app_id" "$test_type" "$calibration_type"
    case $? in
        0) pass ;;
        77) echo "real installation skipped: no overlay mount possible here" ;;
        *) fail "real installation" ;;
    esac
fi

summary

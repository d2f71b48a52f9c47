#!/bin/sh
# Packs the program for Debian and checks the package: its fields and files, and that lintian finds
# no error. Then, as root only, installs it, lets a user with a fresh home start it from the menu's
# command on a virtual display, which lays out the user's own folder, saves the page there, and
# removes the package again: the user's page stays.
# Usage: check-deb.sh <build folder> <under-window-manager script>
. "$(dirname "$0")/common.sh"

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
deb=$tmp/qzbrowser-editor_${version}_amd64.deb
(cd "$tmp" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp" >/dev/null)
[ -f "$deb" ] || fail "cpack made no $deb"

[ "$(dpkg-deb -f "$deb" Package Section)" = "Package: qzbrowser-editor
Section: utils" ] || fail "wrong package name or section"
dpkg-deb -f "$deb" Maintainer | grep -q '<.*@.*>' || fail "no maintainer"
dpkg-deb -f "$deb" Description | grep -q "child's web browser" || fail "no description"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6webenginewidgets6 (>=' || fail "no worked-out Depends"
dpkg-deb -f "$deb" Depends | grep -q 'qt6-translations-l10n' || fail "no Qt translations in Depends"
dpkg-deb -f "$deb" Recommends | grep -q 'libqt6svg6' || fail "no SVG plugin in Recommends"
files=$(dpkg-deb -c "$deb" | sed -E 's/^([^ ]+ +){5}//')
share=./usr/share/qzbrowser-editor
for path in ./usr/bin/qzeditor ./usr/share/applications/$id.desktop \
    ./usr/share/metainfo/$id.metainfo.xml ./usr/share/icons/hicolor/256x256/apps/$id.png \
    $share/home/qzhome.dat $share/home/qzhome.html $share/home/trails.js $share/programs/ \
    "$share/QzDesk Parents Keys.txt" ./usr/share/doc/qzbrowser-editor/copyright; do
    printf '%s\n' "$files" | grep -qxF "$path" || fail "$path is not in the package"
done
lintian --fail-on error "$deb" >"$tmp/lintian" 2>&1 || fail "lintian: $(cat "$tmp/lintian")"

if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: the package's fields, files and lintian pass; installing it needs root."
    exit 77
fi
if dpkg-query -W qzbrowser-editor >/dev/null 2>&1; then
    echo "SKIP: qzbrowser-editor is installed on this machine already; it is left alone."
    exit 77
fi
trap 'apt-get remove -y -qq qzbrowser-editor >/dev/null 2>&1 || true; rm -rf "$tmp"' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$deb" \
    >"$tmp/apt" 2>&1 || fail "apt-get install: $(cat "$tmp/apt")"
grep -qx 'Exec=qzeditor' /usr/share/applications/$id.desktop || fail "the menu entry runs no qzeditor"
[ "$(command -v qzeditor)" = /usr/bin/qzeditor ] || fail "qzeditor is not on the search path"

# The user starts the program, chooses Browser and presses Ctrl+S. The starter page laid out is
# dated back first, so that the save shows.
mkdir "$tmp/user"
page=$tmp/user/.local/share/qzbrowser-editor/home/qzhome.html
env -u XDG_DATA_HOME HOME="$tmp/user" PAGE="$page" "$2" sh -c '
    # The first visible window whose title matches; a search can fail as windows come and go.
    window() {
        for _ in $(seq 120); do
            xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep . && return
            sleep 0.5
        done
    }
    qzeditor & program=$!
    trap "kill $program" EXIT
    center=$(window "^Control Center\$")
    touch -d @0 "$PAGE"
    xdotool mousemove --window "$center" 195 83 click 1
    xdotool windowactivate --sync "$(window "Home Page Editor\$")" key ctrl+s
    for _ in $(seq 50); do
        [ "$(stat -c %Y "$PAGE")" -ne 0 ] && exit 0
        sleep 0.2
    done
    exit 1' 2>"$tmp/run" ||
    fail "the installed program did not save the user's page $page: $(cat "$tmp/run")"
own=$tmp/user/.local/share/qzbrowser-editor
for path in home/trails.js programs "QzDesk Parents Keys.txt"; do
    [ -e "$own/$path" ] || fail "$own/$path was not laid out"
done

apt-get remove -y -qq qzbrowser-editor >"$tmp/apt" 2>&1 || fail "apt-get remove: $(cat "$tmp/apt")"
[ ! -e /usr/bin/qzeditor ] || fail "apt-get remove left /usr/bin/qzeditor"
grep -q '<html' "$page" || fail "apt-get remove took the user's page"
echo "Packed, accepted by lintian, installed, used by a user and removed: all as it should."

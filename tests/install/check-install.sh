#!/bin/sh
# Installs the program as a user would, into scratch folders, and checks what the desktop will
# find there: the menu entry and metainfo pass their validators, the entry starts the installed
# program, every icon size is a PNG of that size. Then packs the portable archive, checks what it
# holds, unpacks it and adds it to a menu with its own script. The folders' names hold a blank
# and a "$", which the entry's Exec line must quote and escape.
# Usage: check-install.sh <build folder>
. "$(dirname "$0")/common.sh"

# has <listing> <path>...: every path is a line of the listing.
has() {
    listing=$1
    shift
    for path in "$@"; do
        printf '%s\n' "$listing" | grep -qxF "$path" || fail "$path is missing"
    done
}

# app_folder <listing>: the application folder, as listed from inside it.
app_folder() {
    has "$1" ./qzeditor ./home/qzhome.dat ./home/qzhome.html ./home/trails.js ./programs \
        "./QzDesk Parents Keys.txt"
}

# menu <share folder> <program as Exec names it> [<staging root>]
menu() {
    entry=$1/applications/$id.desktop
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
    exec=$(sed -n 's/^Exec=//p' "$entry" | sed 's/^"\(.*\)"$/\1/; s/\\\\\(.\)/\1/g')
    [ "$exec" = "$2" ] || fail "Exec names $exec, not $2"
    [ -f "${3:-}$exec" ] && [ -x "${3:-}$exec" ] || fail "$exec is not an executable file"
    for size in 16 22 24 32 48 64 128 256; do
        png=$1/icons/hicolor/${size}x$size/apps/$id.png
        [ "$(od -An -tx1 -N8 "$png" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
        [ "$(od -An -tu4 --endian=big -j16 -N8 "$png" | xargs)" = "$size $size" ] ||
            fail "$png is not $size x $size"
    done
}

prefix='/opt/qz $editor'
DESTDIR="$tmp/staged" cmake --install "$build" --prefix "$prefix" >/dev/null
menu "$tmp/staged$prefix/share" "$prefix/lib/qzbrowser-editor/qzeditor" "$tmp/staged"
appstreamcli validate --no-net "$tmp/staged$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "appstreamcli rejects the metainfo"
app_folder "$(cd "$tmp/staged$prefix/lib/qzbrowser-editor" && find .)"

(cd "$tmp" && cpack -G TGZ --config "$build/CPackConfig.cmake" -B "$tmp/package" >/dev/null)
listing=$(tar -tzf "$tmp"/package/*.tar.gz | sed 's|^[^/]*/|./|; s|/$||')
app_folder "$listing"
has "$listing" ./add-to-menu ./share/applications/$id.desktop ./share/metainfo/$id.metainfo.xml

mkdir "$tmp/un \$packed"
tar -xzf "$tmp"/package/*.tar.gz -C "$tmp/un \$packed" --strip-components=1
XDG_DATA_HOME="$tmp/data" "$tmp/un \$packed/add-to-menu" >/dev/null
menu "$tmp/data" "$tmp/un \$packed/qzeditor"
echo "Installed, packed and added to a menu: all accepted."

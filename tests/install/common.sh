# Sourced by the install checks: the build folder ($1) as $build, a scratch folder removed at the
# end as $tmp, the program's desktop id, and fail.
set -eu
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
id=org.qzdesk.QzBrowserEditor
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

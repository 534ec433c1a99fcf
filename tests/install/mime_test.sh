#!/usr/bin/env bash
# The file type of a project after `cmake --install BUILD_DIR` into a temporary prefix:
# with that prefix's MIME database, xdg-mime takes a saved .ovb (a BMP inside) for a
# Voltarix project, while a BMP stays a picture, and names the program's menu entry as
# the one that opens it; the type has its icon.
#
#   mime_test.sh BUILD_DIR    (77, skipped, when a tool it needs is not installed)
set -euo pipefail

for tool in update-mime-database update-desktop-database xdg-mime mimetype; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

build=$(cd "$1" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/voltarix-mime.XXXXXX")
source "$(dirname "$0")/install_common.sh"
prefix="$work/prefix" type=application/x-voltarix-project

step "cmake --install --prefix $prefix, update-mime-database"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install: $(cat "$work/install.log")"
update-mime-database "$prefix/share/mime" 2>"$work/mime.log" || fail "update-mime-database: $(cat "$work/mime.log")"
for size in 16 48 256; do
    [ -s "$prefix/share/icons/hicolor/${size}x${size}/mimetypes/${type/\//-}.png" ] ||
        fail "no ${size}x${size} icon of $type"
done

# A project as the program saves it (the example project of the starter content), in
# a folder of its own; and its design sheet by the name of a picture.
mkdir "$work/elders"
ovb=$(find "$prefix/share/voltarix/starter" -name '*.ovb' | head -1)
[ -n "$ovb" ] || fail "no saved .ovb in the starter content"
cp "$ovb" "$work/elders/Proef.ovb"
cp "$ovb" "$work/elders/Proef.bmp"

# No desktop of any kind: xdg-mime's own rules over the XDG folders of this prefix.
query() {
    env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION -u GNOME_DESKTOP_SESSION_ID \
        -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS HOME="$work/home" \
        XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS=/usr/share \
        xdg-mime query "$@"
}
step "xdg-mime query filetype, default"
[ "$(query filetype "$work/elders/Proef.ovb")" = "$type" ] ||
    fail "Proef.ovb is taken for $(query filetype "$work/elders/Proef.ovb")"
[ "$(query filetype "$work/elders/Proef.bmp")" = image/bmp ] ||
    fail "a BMP is taken for $(query filetype "$work/elders/Proef.bmp")"
[ "$(query default "$type")" = org.voltarix.Voltarix.desktop ] ||
    fail "$type opens with '$(query default "$type")'"
echo "mime test passed"

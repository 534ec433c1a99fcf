#!/usr/bin/env bash
# mime_test.sh BUILD_DIR: xdg-mime takes a saved .ovb (a BMP inside) for a Voltarix project, a
# BMP for a picture, and names the program's menu entry as the one that opens the project.
set -euo pipefail
source "$(dirname "$0")/install_common.sh"
needs update-mime-database update-desktop-database xdg-mime mimetype
prefix="$work/prefix" type=application/x-voltarix-project

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "cmake --install: $(cat "$work/install.log")"
update-mime-database "$prefix/share/mime" 2>"$work/mime.log" || fail "update-mime-database: $(cat "$work/mime.log")"
for size in 16 48 256; do [ -s "$prefix/share/icons/hicolor/${size}x${size}/mimetypes/${type/\//-}.png" ] ||
    fail "no ${size}x${size} icon of $type"; done

# The starter content's example project in a folder of its own, and its sheet named as a picture.
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
for vraag in "filetype $work/elders/Proef.ovb=$type" "filetype $work/elders/Proef.bmp=image/bmp" \
    "default $type=org.voltarix.Voltarix.desktop"; do
    # shellcheck disable=SC2086 # the question's two words
    [ "$(query ${vraag%%=*})" = "${vraag#*=}" ] || fail "xdg-mime query ${vraag%%=*}: $(query ${vraag%%=*})"
done

#!/usr/bin/env bash
# install_test.sh BUILD_DIR: `cmake --install`, also with DESTDIR and a prefix the Exec line must
# quote; the installed program fills the user's folder in XDG_DATA_HOME.
set -euo pipefail
source "$(dirname "$0")/install_common.sh"
id=org.voltarix.Voltarix

# install_and_check DESTDIR PREFIX EXEC: cmake --install and its files; EXEC the menu entry's command.
install_and_check() {
    local dir=$1$2 exec=$3
    step "DESTDIR='$1' cmake --install --prefix '$2'"
    DESTDIR="$1" cmake --install "$build" --prefix "$2" >"$work/install.log" ||
        fail "cmake --install: $(cat "$work/install.log")"
    [ -x "$dir/bin/voltarix" ] && [ "$(ls -A "$dir/bin")" = voltarix ] || fail "bin/ is not just the program"
    diff -r "$build/starter" "$dir/share/voltarix/starter" >"$work/starter.diff" || true # less the build's marker
    [ "$(cat "$work/starter.diff")" = "Only in $build/starter: .voltarix-starter-made" ] ||
        fail "the installed starter content differs from the build's: $(cat "$work/starter.diff")"
    for size in 16 32 48 64 128 256; do
        [ "$(identify -format '%m %wx%h' "$dir/share/icons/hicolor/${size}x${size}/apps/$id.png")" = \
            "PNG ${size}x${size}" ] || fail "the ${size}x${size} icon is no PNG of that size"
    done
    grep -q '<svg' "$dir/share/icons/hicolor/scalable/apps/$id.svg" || fail "no SVG icon"
    local entry="$dir/share/applications/$id.desktop" metainfo="$dir/share/metainfo/$id.metainfo.xml"
    desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
    for line in "Exec=$exec %f" "Icon=$id" "Name=Voltarix" "Categories=Education;Electronics;"; do
        grep -qxF "$line" "$entry" || fail "no '$line' in $entry: $(grep -v '^#' "$entry")"
    done
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the AppStream file does not name the menu entry"
}

install_and_check "" "$work/prefix" "$work/prefix/bin/voltarix"
install_and_check "$work/dest" '/opt/Elektronica & Co' '"/opt/Elektronica & Co/bin/voltarix"'

run_installed "$work/prefix" "$work/data/voltarix" "$work/data"
[ ! -e "$work/home/.local/share/voltarix" ] || fail "XDG_DATA_HOME was not followed"


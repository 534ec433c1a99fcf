#!/usr/bin/env bash
# What a desktop user gets from `cmake --install`: the files under the prefix, a menu
# entry and an AppStream file that pass their validators, and an installed program
# that makes the user's own folder from the starter content, writes its settings
# there and keeps the user's changes on the next start.
#
#   install_test.sh BUILD_DIR
#
# The program runs on an Xvfb screen of its own (install_common.sh).
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/voltarix-install.XXXXXX")
id=org.voltarix.Voltarix
source "$(dirname "$0")/install_common.sh"

# ---------------------------------------------------------------- the installed files

check_prefix() {
    local prefix=$1 starter="$1/share/voltarix/starter"
    [ -x "$prefix/bin/voltarix" ] || fail "no executable $prefix/bin/voltarix"
    [ "$(ls -A "$prefix/bin")" = voltarix ] || fail "bin/ holds more than the program"
    for folder in Symbolen Breadboard Plugins Projecten; do
        [ -d "$starter/$folder" ] || fail "the starter content has no $folder"
    done
    [ "$(find "$starter/Symbolen" -name '*.bmp' | wc -l)" -ge 10 ] || fail "too few symbols"
    [ -n "$(find "$starter/Breadboard" -name '*.gif')" ] || fail "no part pictures"
    [ -f "$starter/Plugins/index.htm" ] && [ -f "$starter/Plugins/help.htm" ] ||
        fail "no help pages"
    [ -n "$(find "$starter/Projecten" -name '*.ovb')" ] || fail "no example project"
    # Exactly what the build drew, without the build's own marker.
    diff -r -x .voltarix-starter-made "$build/starter" "$starter" >/dev/null ||
        fail "the installed starter content differs from the build's"
    [ ! -e "$starter/.voltarix-starter-made" ] || fail "the build's marker was installed"

    for size in 16 32 48 64 128 256; do
        local icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
        [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x${size}" ] ||
            fail "icon $icon is not a ${size}x${size} PNG"
    done
    grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "no SVG icon"

    local entry="$prefix/share/applications/$id.desktop"
    desktop-file-validate "$entry" || fail "desktop-file-validate $entry"
    grep -qx "Icon=$id" "$entry" || fail "the menu entry names another icon"
    grep -qx "Categories=Education;Electronics;" "$entry" || fail "categories"
    grep -qx "Name=Voltarix" "$entry" || fail "name"
    grep -q "^Comment=.*schakelingen" "$entry" || fail "no Dutch comment"

    local metainfo="$prefix/share/metainfo/$id.metainfo.xml"
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the AppStream file does not name the menu entry"
}

prefix="$work/prefix"
step "cmake --install into $prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" ||
    fail "cmake --install: $(cat "$work/install.log")"
check_prefix "$prefix"
grep -qx "Exec=$prefix/bin/voltarix" "$prefix/share/applications/$id.desktop" ||
    fail "Exec is not the installed program: $(grep Exec "$prefix/share/applications/$id.desktop")"

# A package build: DESTDIR, and a prefix whose path the Exec line must quote.
odd_prefix='/opt/Elektronica & Co'
step "DESTDIR=$work/dest cmake --install --prefix '$odd_prefix'"
DESTDIR="$work/dest" cmake --install "$build" --prefix "$odd_prefix" >"$work/install2.log" ||
    fail "cmake --install with DESTDIR: $(cat "$work/install2.log")"
check_prefix "$work/dest$odd_prefix"
grep -qx "Exec=\"$odd_prefix/bin/voltarix\"" "$work/dest$odd_prefix/share/applications/$id.desktop" ||
    fail "Exec of the DESTDIR install: $(grep Exec "$work/dest$odd_prefix/share/applications/$id.desktop")"

# ---------------------------------------------------------------- the installed program

start_screen
step "first start on $display, HOME and XDG_DATA_HOME in $work"
starter="$prefix/share/voltarix/starter"
own="$work/data/voltarix"
start_program "$work/home" "$work/data"
main=$(to_main_window)
[ -f "$own/.voltarix-starter" ] || fail "no user's folder $own"
diff -r -x .voltarix-starter -x Voltarix.ini "$starter" "$own" >/dev/null ||
    fail "the user's folder does not hold the starter content"
[ "$(ls -A "$prefix/bin")" = voltarix ] || fail "the program wrote beside its executable"
[ ! -e "$work/home/.local/share/voltarix" ] || fail "XDG_DATA_HOME was not followed"
# The start-up writes a missing settings file; the one checked here is the exit's.
rm -f "$own/Voltarix.ini"
exit_program "$main"
[ -f "$own/Voltarix.ini" ] || fail "no settings file in the user's folder after the exit"

step "the user changes the folder; a newer install brings one more symbol"
deleted=$(cd "$own" && find Symbolen -name '*.bmp' | sort | head -1)
rm "$own/$deleted"
echo '<p>Mijn aantekening</p>' >>"$own/Plugins/index.htm"
cp "$own/Plugins/index.htm" "$work/index.htm"
renamed=$(cd "$own" && find Breadboard -name '*.gif' | sort | head -1)
mv "$own/$renamed" "$own/Breadboard/Mijn onderdeel.gif"
mkdir -p "$starter/Symbolen/Nieuw"
cp "$starter/$deleted" "$starter/Symbolen/Nieuw/Extra.bmp"
cp "$own/Voltarix.ini" "$work/Voltarix.ini"

step "second start"
start_program "$work/home" "$work/data"
wait_for 200 one_window || fail "no title screen on the second start"
[ ! -e "$own/$deleted" ] || fail "a deleted symbol came back: $deleted"
cmp -s "$own/Plugins/index.htm" "$work/index.htm" || fail "a changed help page was overwritten"
[ ! -e "$own/$renamed" ] || fail "a renamed part picture came back: $renamed"
[ -f "$own/Breadboard/Mijn onderdeel.gif" ] || fail "a renamed part picture is gone"
cmp -s "$own/Symbolen/Nieuw/Extra.bmp" "$starter/Symbolen/Nieuw/Extra.bmp" ||
    fail "a file new in the installed content was not laid out"
cmp -s "$own/Voltarix.ini" "$work/Voltarix.ini" || fail "the settings file was replaced"
stop_program

step "without XDG_DATA_HOME: ~/.local/share/voltarix"
start_program "$work/home2"
# The list of laid-out files is written last.
wait_for 200 test -f "$work/home2/.local/share/voltarix/.voltarix-starter" ||
    fail "no ~/.local/share/voltarix without XDG_DATA_HOME"
diff -r -x .voltarix-starter "$starter" "$work/home2/.local/share/voltarix" >/dev/null ||
    fail "~/.local/share/voltarix does not hold the starter content"
stop_program

echo "install test passed"

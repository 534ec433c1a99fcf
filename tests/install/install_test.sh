#!/usr/bin/env bash
# What a desktop user gets from `cmake --install`: the files under the prefix, a menu
# entry and an AppStream file that pass their validators, and an installed program
# that makes the user's own folder from the starter content, writes its settings
# there and keeps the user's changes on the next start.
#
#   install_test.sh BUILD_DIR
#
# The program runs on an Xvfb screen of its own, :80 to :85, whichever is free. Only
# the processes started here are ended.
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/voltarix-install.XXXXXX")
id=org.voltarix.Voltarix
xvfb_pid=""
program_pid=""
display=""

cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "$display" ]; then
        kill -0 "$xvfb_pid" 2>/dev/null || echo "the screen $display has gone" >&2
        for window in $(DISPLAY="$display" xdotool search --onlyvisible --name . 2>/dev/null); do
            echo "window on $display: $(DISPLAY="$display" xdotool getwindowname "$window")" >&2
        done
    fi
    if [ -n "$program_pid" ] && ! kill -0 "$program_pid" 2>/dev/null; then
        wait "$program_pid" && echo "the program has ended" >&2 ||
            echo "the program has ended with status $?" >&2
    fi
    if [ -s "$work/program.log" ]; then sed 's/^/program: /' "$work/program.log" >&2; fi
    exit 1
}
step() { echo "-- $*"; }

# Tries the command after the count every tenth of a second, at most count times.
wait_for() {
    local tenths=$1
    shift
    for ((i = 0; i < tenths; i++)); do
        if "$@" >/dev/null 2>&1; then return 0; fi
        sleep 0.1
    done
    return 1
}

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

start_screen() {
    for number in 80 81 82 83 84 85; do
        [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
        xvfb_pid=$!
        # A screen that answers while our Xvfb still runs is ours.
        if wait_for 100 xdpyinfo -display ":$number" && sleep 0.2 && kill -0 "$xvfb_pid"; then
            display=":$number"
            return 0
        fi
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    done
    fail "no free display among :80 to :85"
}

# start_program HOME [XDG_DATA_HOME]
start_program() {
    local data=()
    if [ -n "${2:-}" ]; then data=(XDG_DATA_HOME="$2"); else data=(-u XDG_DATA_HOME); fi
    mkdir -p "$1" "$work/runtime"
    chmod 700 "$work/runtime"
    env -u VOLTARIX_HOME "${data[@]}" HOME="$1" XDG_RUNTIME_DIR="$work/runtime" \
        DISPLAY="$display" QT_QPA_PLATFORM=xcb "$prefix/bin/voltarix" >>"$work/program.log" 2>&1 &
    program_pid=$!
}

windows() { DISPLAY="$display" xdotool search --onlyvisible --name '^Voltarix$' 2>/dev/null; }
one_window() { [ "$(windows | wc -l)" -eq 1 ]; }
other_window() { [ "$(windows)" != "$1" ] && one_window; }
running() { kill -0 "$program_pid" 2>/dev/null; }
ended() { ! running; }

# The title screen, then the main window: a click on the title picture starts it. Its
# top-right corner shows nothing but the picture.
to_main_window() {
    wait_for 200 one_window || fail "no title screen"
    local title
    title=$(windows)
    eval "$(DISPLAY="$display" xdotool getwindowgeometry --shell "$title")"
    DISPLAY="$display" xdotool mousemove --sync $((X + WIDTH - 20)) $((Y + 10)) click 1
    wait_for 300 other_window "$title" || fail "the main window did not open"
    windows
}

# Exit through the question "Wilt u dit programma nu afsluiten?", answered with its
# default button, Yes.
exit_program() {
    local main=$1 question
    DISPLAY="$display" xdotool windowfocus "$main"
    DISPLAY="$display" xdotool key --clearmodifiers ctrl+q
    wait_for 100 env DISPLAY="$display" xdotool search --onlyvisible --name 'Exit programma' ||
        fail "no exit question"
    question=$(DISPLAY="$display" xdotool search --onlyvisible --name 'Exit programma' | head -1)
    DISPLAY="$display" xdotool windowfocus "$question"
    DISPLAY="$display" xdotool key Return
    wait_for 100 ended || fail "the program did not end after Yes"
    wait "$program_pid" || fail "the program ended with an error"
    program_pid=""
}

stop_program() {
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
    program_pid=""
}

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

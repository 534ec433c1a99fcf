# The shared part of the install tests, sourced by them: cleaning up, failing with
# what the screen and the program showed, and the installed program on an Xvfb screen
# of its own (:80 to :85, whichever is free), driven with xdotool. The sourcing script
# sets `work` (a temporary folder, removed at the end) and, before it starts the
# program, `prefix` (the folder that holds bin/voltarix). Only the processes started
# here are ended.

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

# ---------------------------------------------------------------- the program on Xvfb

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

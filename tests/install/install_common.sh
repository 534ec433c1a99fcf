# Sourced by the install tests with the build folder as $1: a temporary $work, a skip (77) for a
# missing tool, failures that tell what the screen and the program showed, and the installed
# program on an Xvfb screen of its own (:80 to :85). Only the processes started here are ended.
# shellcheck shell=bash disable=SC2034 # build is the sourcing test's
build=$(cd "$1" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/voltarix-$(basename "$0" .sh).XXXXXX")
xvfb_pid="" program_pid="" display=""
cleanup() { for pid in $program_pid $xvfb_pid; do kill "$pid" 2>/dev/null || true; done; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for window in $(x search --onlyvisible --name . 2>/dev/null); do echo "window: $(x getwindowname "$window")" >&2; done
    [ -z "$program_pid" ] || ! ended || echo "the program has ended" >&2
    [ ! -s "$work/program.log" ] || sed 's/^/program: /' "$work/program.log" >&2
    exit 1
}
step() { echo "-- $*"; }
needs() { for tool; do command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed" && exit 77; }; done; }
x() { [ -n "$display" ] && DISPLAY="$display" xdotool "$@"; }
windows() { x search --onlyvisible --name "$1" 2>/dev/null; }
ended() { ! kill -0 "$program_pid" 2>/dev/null; }
one_window() { [ "$(windows '^Voltarix$' | wc -l)" -eq 1 ] && [ "$(windows '^Voltarix$')" != "${1:-}" ]; }
screen_up() { grep -qx "$1" "$work/display" || ! kill -0 "$xvfb_pid"; }

# wait_for COUNT COMMAND...: tries the command every tenth of a second, at most COUNT times.
wait_for() {
    local tenths=$1 i
    shift
    for ((i = 0; i < tenths; i++)); do "$@" >/dev/null 2>&1 && return 0 || sleep 0.1; done
    return 1
}

start_screen() {
    for number in 80 81 82 83 84 85; do
        # The server writes its number once it listens, and ends at once on a taken one.
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp -noreset -displayfd 3 \
            3>"$work/display" 2>>"$work/xvfb.log" &
        xvfb_pid=$!
        wait_for 100 screen_up "$number" && grep -qx "$number" "$work/display" && display=":$number" && return
        kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true
    done
    fail "no free display among :80 to :85"
}

# run_installed PREFIX OWN [XDG_DATA_HOME]: the program under PREFIX, HOME in $work/home, passed its
# title screen, fills the user's folder OWN; ctrl+q answered Yes ends it and writes the settings.
run_installed() {
    local prefix=$1 own=$2 data=(-u XDG_DATA_HOME) title
    [ -z "${3:-}" ] || data=(XDG_DATA_HOME="$3")
    start_screen
    step "the program under $prefix on $display, HOME=$work/home ${3:+XDG_DATA_HOME=$3}"
    mkdir -p -m 700 "$work/runtime"
    env -u VOLTARIX_HOME "${data[@]}" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        DISPLAY="$display" QT_QPA_PLATFORM=xcb "$prefix/bin/voltarix" >>"$work/program.log" 2>&1 &
    program_pid=$!
    wait_for 200 one_window || fail "no title screen"
    title=$(windows '^Voltarix$')
    eval "$(x getwindowgeometry --shell "$title")"
    x mousemove --sync $((X + WIDTH - 20)) $((Y + 10)) click 1
    wait_for 300 one_window "$title" || fail "the main window did not open"
    diff -r -x .voltarix-starter -x Voltarix.ini "$prefix/share/voltarix/starter" "$own" >/dev/null ||
        fail "the user's folder $own does not hold the starter content"
    [ "$(ls -A "$prefix/bin")" = voltarix ] || fail "the program wrote beside its executable"
    rm -f "$own/Voltarix.ini" # the start-up's; the one checked is the exit's
    x windowfocus "$(windows '^Voltarix$')"
    x key --clearmodifiers ctrl+q
    wait_for 100 windows 'Exit programma' || fail "no exit question"
    x windowfocus "$(windows 'Exit programma' | head -1)"
    x key Return
    wait_for 100 ended || fail "the program did not end after Yes"
    wait "$program_pid" || fail "the program ended with an error"
    program_pid=""
    [ -f "$own/Voltarix.ini" ] || fail "no settings file in $own after the exit"
}

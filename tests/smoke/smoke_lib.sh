# Shared by the smoke tests: a private X server, the program started as a user
# would start it, its windows found and answered, and nothing left behind.
# Sourced; expects XWIN (the xwin helper) to be set.

readonly TITLE="Tarnwick International Demo"
XVFB_PID=""
WORK=$(mktemp -d "${TMPDIR:-/tmp}/tarnwick-smoke.XXXXXX")
FAILED=0

cleanup() {
    local rc=$? p
    if [ "$rc" != 0 ] && [ -s "$WORK/program.log" ]; then
        echo "--- program output (last 40 lines)" >&2
        tail -n 40 "$WORK/program.log" >&2
    fi
    # Only jobs not yet collected: a reaped pid may belong to someone else now.
    for p in $(jobs -p); do [ "$p" = "$XVFB_PID" ] || kill -9 "$p" 2>/dev/null; done
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'echo "FAIL: interrupted or out of time" >&2; exit 1' INT TERM HUP

fail() { echo "FAIL: $*" >&2; FAILED=1; }
note() { echo "-- $*"; }

# A display of our own, chosen by the server, so parallel runs never meet;
# user folders in the work folder, so a developer's own copy (and its lock)
# neither blocks nor is touched by the test.
start_display() {
    local fdfile="$WORK/display"
    # -noreset: a killed last client must not leave the next one connecting
    # into a server that is resetting.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fdfile" 2>"$WORK/xvfb.log" &
    XVFB_PID=$!
    local i
    for i in $(seq 100); do
        [ -s "$fdfile" ] && break
        sleep 0.1
    done
    [ -s "$fdfile" ] || { cat "$WORK/xvfb.log" >&2; echo "no X server" >&2; exit 1; }
    export DISPLAY=":$(head -n1 "$fdfile")"
    unset WAYLAND_DISPLAY
    export QT_QPA_PLATFORM=xcb
    export HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/runtime"
    export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_HOME="$HOME/.config" XDG_CACHE_HOME="$HOME/.cache"
    mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
}

# launch <folder> [program]: starts the program with <folder> as its working
# folder; the pid is in LAUNCHED.
launch() {
    local folder=$1 program=${2:-./tarnwickdemo}
    (cd "$folder" && exec "$program") >>"$WORK/program.log" 2>&1 &
    LAUNCHED=$!
}

visible_windows() { timeout 5 xdotool search --onlyvisible --pid "$1" 2>/dev/null; }
alive() { ! gone "$1"; }

# Answers a message box the way a user does: the box has the focus, Return
# presses its OK button. Not "key --window": when the box closes on the press,
# that form can lose the release, leaving Return held down in the server, and
# auto-repeat then answers the next program's boxes on its own.
answer_box() {
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || return 1
    timeout 5 xdotool key Return 2>/dev/null
}

# await_main <pid> <seconds>: waits for the main window, answering every box
# shown meanwhile and for two seconds after it (boxes of the first activation).
# Sets MAIN (window id, empty on timeout) and BOXES (boxes answered).
await_main() {
    local pid=$1 deadline=$((SECONDS + $2)) settle="" w
    MAIN="" BOXES=0
    local -A answered=()
    while [ $SECONDS -lt "$deadline" ] && alive "$pid"; do
        for w in $(visible_windows "$pid"); do
            case $(timeout 5 "$XWIN" kind "$w" 2>/dev/null) in
                dialog)
                    if [ -z "${answered[$w]:-}" ]; then answered[$w]=1; BOXES=$((BOXES + 1)); fi
                    answer_box "$w" ;;
                normal)
                    MAIN=$w
                    [ -z "$settle" ] && settle=$((SECONDS + 2)) ;;
            esac
        done
        [ -n "$settle" ] && [ $SECONDS -ge "$settle" ] && return 0
        sleep 0.2
    done
    [ -n "$MAIN" ]
}

# no_window <pid> <what>: the failure when the main window never came.
no_window() {
    if await_exit "$1" 0; then
        fail "$2: ended with code $CODE before its main window opened"
    else
        fail "$2: no main window within the time allowed"
    fi
}

# gone <pid>: the process has ended (a zombie waiting to be collected counts).
gone() {
    local state=""
    [ -r "/proc/$1/stat" ] && read -r _ _ state _ 2>/dev/null <"/proc/$1/stat"
    [ -z "$state" ] || [ "$state" = Z ]
}

# await_exit <pid> <seconds>: sets CODE to the exit code, or fails on timeout.
await_exit() {
    local pid=$1 deadline=$((SECONDS + $2))
    while ! gone "$pid" && [ $SECONDS -lt "$deadline" ]; do sleep 0.1; done
    CODE=""
    gone "$pid" || return 1
    wait "$pid"
    CODE=$?
}

# close_and_expect_zero <pid> <window> <what>
close_and_expect_zero() {
    timeout 5 "$XWIN" close "$2" || { fail "$3: could not send the close request"; return; }
    if ! await_exit "$1" 10; then
        fail "$3: still running 10 s after its window was closed"
        kill -9 "$1" 2>/dev/null
        return
    fi
    [ "$CODE" = 0 ] || fail "$3: exit code $CODE after closing the window"
}

# A working folder holding copies of the data files and links to the program
# and its engine library: make_folder <name> <run folder>; prints its path.
make_folder() {
    local dir="$WORK/$1"
    mkdir -p "$dir"
    cp "$2"/*.dta "$dir"/
    ln -s "$2/tarnwickdemo" "$dir/tarnwickdemo"
    ln -s "$2/libVeskor32.so" "$dir/libVeskor32.so"
    echo "$dir"
}

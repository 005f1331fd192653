#!/usr/bin/env bash
# The built program in real windows on a private X server: start, second copy,
# close, missing and damaged data files, a killed copy's lock.
# Usage: smoke_program.sh <run folder> <xwin helper>
set -uo pipefail
RUN=$(cd "$1" && pwd)
XWIN=$2
. "$(dirname "${BASH_SOURCE[0]}")/smoke_lib.sh"
start_display

note "start: the main window appears and stays up"
good=$(make_folder good "$RUN")
launch "$good"; first=$LAUNCHED
if ! await_main "$first" 20; then
    no_window "$first" "start"; exit 1
fi
[ "$BOXES" = 0 ] || fail "start: $BOXES message box(es) with good data files"
timeout 5 xdotool search --onlyvisible --pid "$first" --name "^$TITLE\$" >/dev/null || fail "start: main window is not titled '$TITLE'"
sleep 3
alive "$first" && visible_windows "$first" | grep -qx "$MAIN" || fail "start: main window did not stay up for 3 s"

note "second copy: one refusal box, exit code 0, first copy untouched"
launch "$good"; second=$LAUNCHED
box=""
for _ in $(seq 100); do
    box=$(visible_windows "$second" | head -n1)
    [ -n "$box" ] || ! alive "$second" && break
    sleep 0.2
done
if [ -z "$box" ]; then
    fail "second copy: no refusal box"
else
    [ "$(visible_windows "$second" | wc -l)" = 1 ] || fail "second copy: more than one window"
    [ "$(timeout 5 "$XWIN" kind "$box")" = dialog ] || fail "second copy: its window is not a message box"
    answer_box "$box"
    if await_exit "$second" 10; then
        [ "$CODE" = 0 ] || fail "second copy: exit code $CODE"
    else
        fail "second copy: still running after its box was answered"
    fi
fi
alive "$first" && visible_windows "$first" | grep -qx "$MAIN" || fail "second copy: the first copy's window is gone"

note "close: the main window's close box ends the program with 0"
close_and_expect_zero "$first" "$MAIN" "close"

note "DemoData.dta missing: one failure box, then the main window"
nodemo=$(make_folder nodemo "$RUN")
rm "$nodemo/DemoData.dta"
launch "$nodemo"; pid=$LAUNCHED
if await_main "$pid" 20; then
    [ "$BOXES" = 1 ] || fail "missing DemoData.dta: $BOXES failure box(es), expected 1"
    close_and_expect_zero "$pid" "$MAIN" "missing DemoData.dta"
else
    no_window "$pid" "missing DemoData.dta"
fi

# Damaged score files: whatever boxes they cause, the window opens and closes cleanly.
for damage in random fivelines; do
    note "ScoreDataE.dta damaged ($damage): the main window opens"
    dir=$(make_folder "$damage" "$RUN")
    if [ $damage = random ]; then
        head -c 4096 /dev/urandom >"$dir/ScoreDataE.dta"
    else
        printf 'one\r\ntwo\r\nthree\r\nfour\r\nfive\r\n' >"$dir/ScoreDataE.dta"
    fi
    launch "$dir"; pid=$LAUNCHED
    if await_main "$pid" 20; then
        note "   $BOXES box(es) answered"
        close_and_expect_zero "$pid" "$MAIN" "damaged ScoreDataE.dta ($damage)"
    else
        no_window "$pid" "damaged ScoreDataE.dta ($damage)"
    fi
done

note "killed copy: its lock does not refuse the next start"
launch "$good"; pid=$LAUNCHED
if await_main "$pid" 20; then
    kill -9 "$pid"; wait "$pid" 2>/dev/null
    launch "$good"; pid=$LAUNCHED
    if await_main "$pid" 20; then
        close_and_expect_zero "$pid" "$MAIN" "start after a killed copy"
    else
        no_window "$pid" "start after a killed copy"
    fi
else
    no_window "$pid" "killed copy"
fi

[ $FAILED = 0 ] && echo "smoke: all passed in ${SECONDS}s"
exit $FAILED

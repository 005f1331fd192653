#!/usr/bin/env bash
# An installed copy: the layout `cmake --install` lays out, and a first start
# from a folder without data files, which must work from the user's own copy
# of the installed data.
# Usage: smoke_install.sh <build folder> <xwin helper>
set -uo pipefail
BUILD=$(cd "$1" && pwd)
XWIN=$2
. "$(dirname "${BASH_SOURCE[0]}")/smoke_lib.sh"

prefix="$WORK/prefix with space"
if ! cmake --install "$BUILD" --prefix "$prefix" >"$WORK/install.log" 2>&1; then
    cat "$WORK/install.log" >&2; echo "FAIL: cmake --install" >&2; exit 1
fi
data_files="ScoreDataE.dta ScoreDataF.dta ScoreDataG.dta ScoreDataI.dta ScoreDataS.dta DemoData.dta"
for f in bin/tarnwickdemo lib/libVeskor32.so share/applications/tarnwickdemo.desktop \
         share/icons/hicolor/scalable/apps/tarnwickdemo.svg; do
    [ -f "$prefix/$f" ] || fail "install: $f missing"
done
for f in $data_files; do
    cmp -s "$prefix/share/tarnwickdemo/$f" "$BUILD/run/$f" || fail "install: share/tarnwickdemo/$f missing or differs"
done
desktop="$prefix/share/applications/tarnwickdemo.desktop"
grep -qx "Exec=\"$prefix/bin/tarnwickdemo\"" "$desktop" || fail "install: Exec does not name the installed program"
grep -qx "Icon=tarnwickdemo" "$desktop" || fail "install: Icon entry"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "install: desktop entry does not validate"
fi
# The installed program must use the installed engine, not the build's.
lib=$(env -u LD_LIBRARY_PATH ldd "$prefix/bin/tarnwickdemo" | sed -n 's/.*libVeskor32[^ ]* => \(.*\) (0x.*/\1/p')
[ "$lib" -ef "$prefix/lib/libVeskor32.so" ] || fail "install: program loads the engine from '$lib'"

start_display
user_data="$XDG_DATA_HOME/tarnwickdemo"
mkdir -p "$WORK/desktop"

note "installed copy, first start from a folder without data files"
launch "$WORK/desktop" "$prefix/bin/tarnwickdemo"; pid=$LAUNCHED
if await_main "$pid" 20; then
    [ "$BOXES" = 0 ] || fail "installed: $BOXES message box(es) at first start"
    close_and_expect_zero "$pid" "$MAIN" "installed"
else
    no_window "$pid" "installed"
fi
for f in $data_files; do
    cmp -s "$user_data/$f" "$prefix/share/tarnwickdemo/$f" || fail "installed: $f not copied to the user folder"
    [ -w "$user_data/$f" ] || fail "installed: the user's $f is not writable"
done
[ -z "$(ls -A "$WORK/desktop")" ] || fail "installed: files written into the start folder"

note "installed copy, second start keeps the user's files"
echo "kept" >>"$user_data/ScoreDataS.dta"
expected=$(md5sum <"$user_data/ScoreDataS.dta")
launch "$WORK/desktop" "$prefix/bin/tarnwickdemo"; pid=$LAUNCHED
if await_main "$pid" 20; then
    close_and_expect_zero "$pid" "$MAIN" "installed, second start"
else
    no_window "$pid" "installed, second start"
fi
[ "$(md5sum <"$user_data/ScoreDataS.dta")" = "$expected" ] || fail "installed: the user's ScoreDataS.dta was replaced"

[ $FAILED = 0 ] && echo "smoke install: all passed in ${SECONDS}s"
exit $FAILED

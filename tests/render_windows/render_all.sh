#!/bin/sh
# Renders every window in every language under a virtual X server, with the
# fonts a user sees, and prints the layout check's findings.
#   render_all.sh [build folder] [output folder]
set -eu
build=${1:-build}
out=${2:-$build/window-shots}
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/render_windows/render_windows" "$build/run" "$out"

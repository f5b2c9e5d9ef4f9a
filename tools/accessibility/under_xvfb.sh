#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a program on a virtual screen with the accessibility bus running, runs a command against
# it (by default read_tree.py on the program), then ends all three.
#   tools/accessibility/under_xvfb.sh build/zarn/zarn
#   tools/accessibility/under_xvfb.sh build/karvelo/karvelo -- xdotool key alt
# Run from a folder holding the program's data (e.g. ./play). Needs the Debian packages xvfb,
# at-spi2-core, python3-pyatspi and (for keys) xdotool.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
shift
[[ ${1:-} == -- ]] && shift
display=:${DISPLAY_NUMBER:-97}

Xvfb "$display" -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
sleep 1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
"$program" >/dev/null 2>&1 &
app=$!
trap 'kill $app $bus $xvfb 2>/dev/null || true' EXIT
sleep 2
if (($#)); then
    "$@"
else
    /usr/bin/python3 "$here/read_tree.py" "$(basename "$program")"
fi

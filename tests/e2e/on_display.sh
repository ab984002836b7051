#!/usr/bin/env bash
# Runs a test program through xcb on an X display of its own, for the tests that need what only a
# real X server has (the selection).
# Usage: on_display.sh <program> [arguments...]
set -euo pipefail
source "$(dirname "$0")/lib.sh"
work=$(mktemp -d)
xvfb_pid= wm_pid= game_pid=
trap end_run EXIT
start_display
"$@"

#!/usr/bin/env bash
# Runs one end-to-end test program against a private Xvfb server.
# Usage: run_e2e.sh <test program> [arguments...]
set -euo pipefail

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$displayfile" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -f "$displayfile"' EXIT

for _ in $(seq 100); do
    [ -s "$displayfile" ] && break
    sleep 0.05
done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }

export DISPLAY=":$(head -n 1 "$displayfile")"
export QT_QPA_PLATFORM=xcb
"$@"

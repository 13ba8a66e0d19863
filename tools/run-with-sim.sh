#!/usr/bin/env bash
# Starts the panel simulator on a pseudo-terminal, points COM1 at it and runs the program.
set -euo pipefail
build=${1:-build}
sim="$build/tools/panel-sim/zr05-panel-sim"
if [ ! -x "$sim" ]; then
  exec "$build/app/zr05"
fi
log=$(mktemp)
"$sim" >"$log" 2>&1 &
simpid=$!
trap 'kill $simpid 2>/dev/null || true; rm -f "$log"' EXIT
for _ in $(seq 50); do
  line=$(grep -m1 '^ZR05_COM1=' "$log" || true)
  [ -n "$line" ] && break
  sleep 0.1
done
if [ -z "${line:-}" ]; then
  echo "panel simulator did not start:" >&2; cat "$log" >&2; exit 1
fi
echo "Panel simulator: ${line#ZR05_COM1=} (choose COM1 in the program)"
export "$line"
"$build/app/zr05"
